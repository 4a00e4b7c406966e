// Win_KV9's device operations through the window, offscreen: the real buttons clicked by name,
// questions answered by the test, and a verify long enough to show that the window stays alive.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <fstream>

#include "memprog/catalogue/device_list.h"
#include "memprog/gui/kv9_window.h"
#include "proglink/window/testing/started_window.h"
#include "progsim/programmer.h"

namespace {

constexpr int k27C256 = 20, k27C322 = 80, kAm29F010 = 100, kAT89C51 = 464;
constexpr int kLong_Run_Budget_Ms = 15000;

// What the long run may add to the resident memory: a bounded list needs a few MiB. Under the
// address sanitizer, which keeps freed memory for itself, resident memory tells nothing; the
// line counts bound the list there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kResident_Tells = false;
#else
constexpr bool kResident_Tells = true;
#endif
constexpr long kGrowth_Allowed = 64L << 20;

// Resident memory of this process in bytes.
long Resident_Bytes() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return resident * 4096;
}

class Kv9_Ops_Window_Test : public QObject {
  Q_OBJECT

  // A started window with a device chosen from its list.
  struct Started : proglink::In_Temporary_Folder, proglink::Started_Window<memprog::Kv9_Window> {
    QStringList questions;
    bool answer = true;

    explicit Started(int code, progsim::Options o = {}) {
      Create(o);
      w->Form().Question_Hook = [this](const std::string& text) {
        questions << QString::fromStdString(text);
        return answer;
      };
      w->Form().show();
      QTRY_VERIFY(w->Logic().Activated);
      Click_Line("Device_Box1", memprog::Find_Line_With_Code(code));
      messages.clear();
    }
    void Click(const char* name) { QTest::mouseClick(Find<QPushButton>(name), Qt::LeftButton); }
    void Click_Line(const char* list, int row) {
      auto* l = Find<QListWidget>(list);
      QVERIFY(l->isVisible());
      Click_Item(l, row);
    }
    QString Status() { return Find<QLabel>("StaticText3")->text(); }
    QColor Status_Colour() { return Background("StaticText3"); }
  };

 private slots:
  void a_long_mismatch_list_stays_bounded_and_the_window_alive() {
    progsim::Options o;
    o.keep_log = false;
    Started s(k27C322, o);  // 4 MiB; the blank chip is FF, the fresh buffer 00: all differ
    QCOMPARE(s.Find<QPushButton>("Device")->text(), QString("27C322"));
    QTimer ticker;
    int ticks = 0;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(0);
    // The logic alone lists the 4 M lines in a second or two; a run still going after this
    // long is stopped with Quit, so that the test ends and says so.
    bool stopped = false;
    auto* quit = s.Find<QPushButton>("Quit_Func_But");
    QTimer budget;
    budget.setSingleShot(true);
    QObject::connect(&budget, &QTimer::timeout, [&] {
      stopped = true;
      QTest::mouseClick(quit, Qt::LeftButton);
    });
    budget.start(kLong_Run_Budget_Ms);
    QApplication::processEvents();
    ticks = 0;
    long before = Resident_Bytes();
    s.Click("Verify_Eprom");
    int ticks_during_run = ticks;
    long grown = Resident_Bytes() - before;
    ticker.stop();
    budget.stop();

    QVERIFY2(ticks_during_run > 100, qPrintable(QString::number(ticks_during_run)));
    if (kResident_Tells) QVERIFY2(grown < kGrowth_Allowed, qPrintable(QString::number(grown)));
    auto* memo = s.Find<QPlainTextEdit>("Memo1");
    QTRY_VERIFY(memo->toPlainText().endsWith("older lines left out)"));
    QVERIFY(memo->isVisible());
    const int capacity = static_cast<int>(proglink::Message_Area::kCapacity);
    QCOMPARE(memo->blockCount(), capacity + 1);
    QVERIFY(s.Find<QPushButton>("Verify_Eprom")->isEnabled());
    QVERIFY(!stopped);
    QCOMPARE(s.Status(), QString("Device Did NOT Verify to Buffer...."));
    // The last change is drawn within the message area's redraw interval.
    QTRY_VERIFY(memo->toPlainText().startsWith("4194304 bytes differ"));
    QStringList lines = memo->toPlainText().split('\n');
    QCOMPARE(
        lines.first(),
        QString("4194304 bytes differ, 0 of them need a bit raised from 0 to 1 (erase first)"));
    QCOMPARE(lines[1], QString("3FFFFF  EXPECTED-00 FOUND-FF"));
    QCOMPARE(lines.last(), QString("(%1 older lines left out)").arg(4194304 + 1 - capacity));
  }

  void quit_stops_a_long_verify() {
    progsim::Options o;
    o.keep_log = false;
    Started s(k27C322, o);
    auto* quit = s.Find<QPushButton>("Quit_Func_But");
    bool pressed = false;
    QTimer press;
    press.setSingleShot(true);
    QObject::connect(&press, &QTimer::timeout, [&] {
      QVERIFY(quit->isEnabled());  // live while the run goes on
      QTest::mouseClick(quit, Qt::LeftButton);
      pressed = true;
    });
    press.start(20);
    s.Click("Verify_Eprom");
    QVERIFY(pressed);
    // Stopped in a reply wait the status keeps its running text; stopped between mismatch
    // lines it says what was found so far. Never that the part verified.
    QVERIFY(s.Status() == "Verifying Device to Buffer...." ||
            s.Status() == "Device Did NOT Verify to Buffer....");
    const std::string& summary = s.w->Logic().link.Memo1().Lines().front();
    QVERIFY2(std::stoll(summary) < 4194304, summary.c_str());  // "N bytes differ, ..."
    QCOMPARE(s.w->Logic().link.Connection, proglink::connection::Ready);
    QVERIFY(s.Find<QPushButton>("Verify_Eprom")->isEnabled());
  }

  void blank_check_of_a_blank_part() {
    Started s(k27C256);
    s.Click("Blank_Chk");
    QCOMPARE(s.Status(), QString("Device is Erased...."));
    QCOMPARE(s.Status_Colour(), QColor(0, 255, 0));
    QVERIFY(!s.Find<QWidget>("Memo1")->isVisible());
    s.sim->Chip().Poke(0x7FFF, 0x7F);
    s.Click("Blank_Chk");
    QCOMPARE(s.Status(), QString("Device is NOT Erased...."));
    QCOMPARE(s.Status_Colour(), QColor(255, 0, 0));
    QTRY_COMPARE(s.Find<QPlainTextEdit>("Memo1")->toPlainText(),
                 QString("7FFF  EXPECTED-FF FOUND-7F"));
  }

  void program_asks_about_an_unloaded_buffer() {
    Started s(k27C256);
    s.answer = false;
    QString before = s.Status();
    s.Click("Program_Eprom");
    QCOMPARE(s.questions, QStringList{"Buffer has Not Been Loaded Continue Anyway ?"});
    QCOMPARE(s.Status(), before);
    QCOMPARE(s.sim->Chip().Read(0), uint8_t{0xFF});
    s.answer = true;
    s.Click("Program_Eprom");
    QCOMPARE(s.questions.size(), 2);
    QCOMPARE(s.Status(), QString("Device Verified to Buffer...."));
    QCOMPARE(s.sim->Chip().Read(0), uint8_t{0x00});  // the fresh buffer's zeros
    QVERIFY(s.messages.isEmpty());
  }

  void erase_of_a_flash_part() {
    Started s(kAm29F010);
    QVERIFY(s.Find<QPushButton>("Erase_But")->isVisible());
    QVERIFY(!s.Find<QPushButton>("Erase_But2")->isVisible());
    s.sim->Chip().Poke(0x1234, 0x00);
    s.Click("Erase_But");
    QCOMPARE(s.Status(), QString("Device is Erased...."));
    QCOMPARE(s.sim->Chip().Read(0x1234), uint8_t{0xFF});
    QVERIFY(s.Find<QPushButton>("Erase_But")->isEnabled());
  }

  void security_bit_from_the_list() {
    Started s(kAT89C51);
    QVERIFY(s.Find<QPushButton>("Security")->isVisible());
    s.Click("Security");
    QVERIFY(s.Find<QListWidget>("Security_List")->isVisible());
    QVERIFY(!s.Find<QPushButton>("Program_Eprom")->isEnabled());
    s.Click_Line("Security_List", 0);
    QCOMPARE(s.Status(), QString("Security Bit 1 has been programmed..."));
    QCOMPARE(s.sim->Lock_Bits(), uint8_t{1});
    QVERIFY(!s.Find<QListWidget>("Security_List")->isVisible());
    s.Click("Security");
    s.Click_Line("Security_List", 3);  // Cancel
    QCOMPARE(s.sim->Lock_Bits(), uint8_t{1});
    QVERIFY(s.Find<QPushButton>("Program_Eprom")->isEnabled());
  }

  void the_t_key_on_vpp_opens_the_test_panel() {
    Started s(k27C256);
    auto* vpp = s.Find<QPushButton>("Vpp_But");
    vpp->setFocus();
    QTest::keyClick(vpp, Qt::Key_X);
    QVERIFY(!s.Find<QWidget>("Test")->isVisible());
    QTest::keyClick(vpp, Qt::Key_T);
    QVERIFY(s.Find<QWidget>("Test")->isVisible());
    QVERIFY(!s.Find<QWidget>("Panel6")->isVisible());
    QCOMPARE(s.Find<QPushButton>("Chg_Pass")->text(), QString("Program Pass=1"));
    s.Click("Quit_Test");
    QVERIFY(!s.Find<QWidget>("Test")->isVisible());
    QVERIFY(s.Find<QWidget>("Panel6")->isVisible());
    QVERIFY(s.Find<QPushButton>("Program_Eprom")->isEnabled());
  }
};

}  // namespace

QTEST_MAIN(Kv9_Ops_Window_Test)
#include "kv9_ops_window_test.moc"
