// Win_KV9's window, offscreen: controls found by their names, clicked as a user would.
#include "memprog/gui/kv9_window.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QtTest>

#include "proglink/window/testing/started_window.h"
#include "progsim/programmer.h"

namespace {

class Kv9_Window_Test : public QObject {
  Q_OBJECT

  // A started window: the first activation has run.
  struct Started : proglink::In_Temporary_Folder, proglink::Started_Window<memprog::Kv9_Window> {
    explicit Started(progsim::Options o = {}) {
      Create(o);
      w->Form().show();
      QTRY_VERIFY(w->Logic().Activated);
    }
    // Clicks the device list's line that starts with `text`, as a user would.
    void Choose(const char* text) {
      QTest::mouseClick(Find<QPushButton>("Device"), Qt::LeftButton);
      auto* list = Find<QListWidget>("Device_Box1");
      QVERIFY(list->isVisible());
      for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().startsWith(text)) {
          Click_Item(list, i);
          return;
        }
      QFAIL(text);
    }
    bool Shown(const char* name) { return Find<QWidget>(name)->isVisible(); }
  };

 private slots:
  // A control the logic names but the window lacks is a bug, whichever test meets it.
  void initTestCase() { QTest::failOnWarning(QRegularExpression("no control named")); }

  void idle_set_with_the_programmer() {
    Started s;
    QVERIFY(s.Find<QPushButton>("Program_Eprom")->isEnabled());
    QVERIFY(s.Find<QPushButton>("Verify_Eprom")->isEnabled());
    QVERIFY(s.Find<QPushButton>("Load_But")->isEnabled());
    QVERIFY(!s.Find<QPushButton>("Start_Hex")->isEnabled());
    QCOMPARE(s.Find<QLabel>("StaticText3")->text(),
             QString("Usb Programmer Found - FirmWare Version 3.61"));
    QCOMPARE(s.Background("StaticText3"), QColor(0, 255, 0));
    QCOMPARE(s.Find<QPushButton>("Quit_Func_But")->text(), QString("&Quit = 00000"));
    QVERIFY(s.messages.isEmpty());
  }

  void idle_set_without_a_programmer() {
    progsim::Options o;
    o.serials = {};
    Started s(o);
    QVERIFY(!s.Find<QPushButton>("Program_Eprom")->isEnabled());
    QVERIFY(!s.Find<QPushButton>("Quit_Func_But")->isEnabled());
    QVERIFY(s.Find<QPushButton>("Save_But")->isEnabled());
    QCOMPARE(s.Find<QLabel>("StaticText3")->text(),
             QString("Programmer Not Found or is no longer present...."));
    QCOMPARE(s.Background("StaticText3"), QColor(255, 0, 0));
    QCOMPARE(s.messages, QStringList{"The Quillon Programmer III Could Not Be Found...."});
  }

  void start_without_settings_opens_the_device_list() {
    Started s;
    QVERIFY(s.Find<QListWidget>("Device_Box1")->isVisible());
    QCOMPARE(s.Find<QPushButton>("Device")->text(), QString("No Device"));
  }

  void clicking_the_status_text_searches_again() {
    progsim::Options o;
    o.serials = {};
    Started s(o);
    progsim::Install({});  // the programmer is plugged in
    QTest::mouseClick(s.Find<QLabel>("StaticText3"), Qt::LeftButton);
    QCOMPARE(s.Find<QLabel>("StaticText3")->text(),
             QString("Usb Programmer Found - FirmWare Version 3.61"));
    QVERIFY(s.Find<QPushButton>("Program_Eprom")->isEnabled());
  }

  void typing_in_the_buffer_editor_changes_the_byte_and_leaving_it_checksums() {
    Started s;
    auto& k = s.w->Logic();
    QTest::mouseClick(s.Find<QPushButton>("Edit"), Qt::LeftButton);
    auto* view = s.Find<QPlainTextEdit>("Edit1");
    QVERIFY(view->isVisible());
    QVERIFY(view->toPlainText().startsWith("000000  00 00"));
    view->setFocus();
    QTest::keyClicks(view, "41");
    QCOMPARE(k.Image_Buffer[0], uint8_t{0x41});
    QVERIFY(view->toPlainText().startsWith("000000  41 00"));
    QVERIFY(s.Find<QLabel>("Edit_Info")->text().startsWith("Address=000001"));
    QTest::keyClick(view, Qt::Key_PageDown);
    QVERIFY(view->toPlainText().startsWith("000100"));
    // The focus leaves for another control: the editor closes and the checksum is run.
    s.Find<QPushButton>("Chk_Sum_But")->setFocus();
    QTRY_VERIFY(!view->isVisible());
    QCOMPARE(k.Buffer_Loaded, 1);
  }

  void choosing_devices_from_the_list() {
    Started s;
    s.Choose("2716   (+5 Only)");
    QCOMPARE(s.Find<QPushButton>("Device")->text(), QString("2716"));
    QCOMPARE(s.Find<QPushButton>("Vpp_But")->text(), QString("Vpp = 25"));
    QCOMPARE(s.Find<QWidget>("Panel7")->height(), 28);
    QVERIFY(s.Shown("Pin_24"));
    QVERIFY(!s.Shown("Device_Box1"));
    QCOMPARE(s.Find<QPushButton>("End_Add")->text(), QString("Device End=007FF"));

    s.Choose("M48T18");
    QCOMPARE(s.Find<QPushButton>("Device")->text(), QString("M48T08/18/58"));
    QVERIFY(s.Shown("T_Keeper"));
    QVERIFY(s.Shown("Prg_Time"));
    QVERIFY(s.Shown("Read_Time"));
    QCOMPARE(s.Find<QWidget>("Panel7")->height(), 68);

    s.Choose("AT89C51    (12V)");
    QVERIFY(s.Shown("Erase_But2"));
    QVERIFY(s.Shown("Security"));
    QVERIFY(!s.Shown("Erase_But"));
    QVERIFY(!s.Shown("T_Keeper"));

    s.Choose("Am29F400  AMD");
    QVERIFY(s.Shown("Pin_40A"));
    QVERIFY(s.Shown("Flash_x16"));
    QVERIFY(s.Find<QRadioButton>("Lo_Hi")->isChecked());

    s.Choose("******       Flash Eprom");
    QCOMPARE(s.Find<QPushButton>("Device")->text(), QString("No Device"));
    QCOMPARE(s.messages.back(), QString("No Device Was Selected."));
  }

  void the_window_has_its_design_size_title_and_icon() {
    Started s;
    QCOMPARE(s.w->Form().size(), QSize(695, 480));
    QVERIFY(s.w->Form().windowTitle().contains("V3.61.1"));
    QVERIFY(!s.w->Form().windowIcon().pixmap(32).isNull());
    QCOMPARE(s.Find<QWidget>("StaticText3")->geometry(), QRect(248, 8, 380, 17));
    QCOMPARE(s.Find<QWidget>("Memo1")->geometry(), QRect(432, 30, 253, 284));
    QVERIFY(!s.Find<QWidget>("Memo1")->isVisible());
    QCOMPARE(s.Find<QWidget>("Memo2")->y(), 480);
  }
};

}  // namespace

QTEST_MAIN(Kv9_Window_Test)
#include "kv9_window_test.moc"
