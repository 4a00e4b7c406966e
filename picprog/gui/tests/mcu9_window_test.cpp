// Win_Mcu9's window, offscreen: controls found by their names, clicked and typed at as a user
// would.
#include "picprog/gui/mcu9_window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QtTest>

#include "common/text_file.h"
#include "picprog/catalogue/device_box.h"
#include "proglink/window/testing/started_window.h"
#include "progsim/programmer.h"

namespace {

class Mcu9_Window_Test : public QObject {
  Q_OBJECT

  // A started window: the first activation has run.
  struct Started : proglink::Started_Window<picprog::Mcu9_Window> {
    std::vector<proglink::File_Dialog> dialogs;
    std::deque<std::optional<std::string>> files;  // what the file dialogs answer

    explicit Started(progsim::Options o = {}) {
      Create(o);
      w->Form().File_Hook = [this](const proglink::File_Dialog& d) {
        dialogs.push_back(d);
        std::optional<std::string> answer;
        if (!files.empty()) {
          answer = files.front();
          files.pop_front();
        }
        return answer;
      };
      w->Form().show();
      QTRY_VERIFY(w->Logic().Activated);
    }
    QString Text(const char* name) {
      if (auto* b = w->Form().findChild<QAbstractButton*>(name)) return b->text();
      return Find<QLabel>(name)->text();
    }
    // Clicks the device list's line of the device code.
    void Pick(int code) {
      auto* list = Find<QListWidget>("Device_Box");
      for (int row = 0; row < list->count(); ++row) {
        auto line = picprog::Device_Box_Lines[static_cast<size_t>(row)];
        if (picprog::Device_Code_Of_Line(line) == code) return Click_Row(row);
      }
      qFatal("no line for code %d", code);
    }
    void Click_Row(int row) {
      auto* list = Find<QListWidget>("Device_Box");
      list->setVisible(true);
      Click_Item(list, row);
    }
    // A radio button or check box answers a click on its box or its text only.
    static void Tick(QAbstractButton* b) {
      QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
    }
    QString Edit_Line(int line) {
      auto* edit = Find<QPlainTextEdit>("Edit_1");
      return edit->document()->findBlockByNumber(line).text();
    }
  };

  QTemporaryDir dir_;

 private slots:
  // A control the logic names but the window lacks is a bug, whichever test meets it.
  void initTestCase() { QTest::failOnWarning(QRegularExpression("no control named")); }

  void init() { QDir::setCurrent(dir_.path()); }
  void cleanup() { QFile::remove(dir_.filePath("Win_Mcu9.Cfg")); }

  void idle_set_with_the_programmer() {
    Started s;
    QVERIFY(s.Find<QPushButton>("Program_Eprom")->isEnabled());
    QVERIFY(s.Find<QPushButton>("Blank_Chk")->isEnabled());
    QVERIFY(s.Find<QPushButton>("Load_But")->isEnabled());
    QCOMPARE(s.Text("StaticText3"), QString("Usb Programmer Found - FirmWare Version 3.61"));
    QCOMPARE(s.Background("StaticText3"), QColor(0, 255, 0));
    QCOMPARE(s.Text("StaticText1"), QString("Last File Loaded in Buffer=No File Loaded"));
    QCOMPARE(s.Text("Chk_Sum_But"), QString("Checksum=0000"));
    QCOMPARE(s.Text("Quit_Add"), QString("0000"));
    QVERIFY(!s.Find<QWidget>("StaticText2")->isVisible());
    QVERIFY(s.w->Form().windowTitle().contains("Win_Mcu9"));
    QVERIFY(s.w->Form().windowTitle().contains("3.10"));
    QVERIFY(!s.w->Form().windowIcon().pixmap(32).isNull());
    QVERIFY(s.messages.isEmpty());
  }

  void idle_set_without_a_programmer() {
    progsim::Options o;
    o.serials = {};
    Started s(o);
    QVERIFY(!s.Find<QPushButton>("Program_Eprom")->isEnabled());
    QVERIFY(!s.Find<QPushButton>("Move_Eprom")->isEnabled());
    QVERIFY(s.Find<QPushButton>("Save_But")->isEnabled());
    QVERIFY(s.Find<QPushButton>("Device")->isEnabled());
    QCOMPARE(s.Text("StaticText3"), QString("Programmer Not Found or is no longer present...."));
    QCOMPARE(s.Background("StaticText3"), QColor(255, 0, 0));
    QCOMPARE(s.messages, QStringList{"The Quillon Programmer III Could Not Be Found...."});
  }

  void the_device_list_opens_without_a_settings_file() {
    Started s;
    QVERIFY(s.Find<QListWidget>("Device_Box")->isVisible());
    QCOMPARE(s.Text("Device"), QString("No Device"));
  }

  void selecting_the_16F877A_through_the_list() {
    Started s;
    s.Pick(97);
    QCOMPARE(s.Text("Device"), QString("16F877A"));
    QVERIFY(!s.Find<QListWidget>("Device_Box")->isVisible());
    for (const char* c :
         {"Erase_But", "Prg_EE", "Verify_EE", "EEprom_Begin", "EEprom_End", "Pin_40"})
      QVERIFY2(s.Find<QWidget>(c)->isVisible(), c);
    QCOMPARE(s.Text("EEprom_End"), QString("EE End=20FF"));
    QCOMPARE(s.Text("End_Add"), QString("Device End=1FFF"));
    QCOMPARE(s.Find<QWidget>("StaticText4")->height(), 46);
    QCOMPARE(s.Find<QWidget>("StaticText5")->height(), 88);
    QCOMPARE(s.Text("Fuse_Data"), QString("Fuse = 3FFF"));
    QVERIFY(s.Find<QCheckBox>("LVP")->isChecked());
    QVERIFY(s.messages.isEmpty());
  }

  void a_header_line_selects_no_device() {
    Started s;
    s.Pick(1);
    QVERIFY(s.Find<QWidget>("Pin_8")->isVisible());
    QTest::mouseClick(s.Find<QPushButton>("Device"), Qt::LeftButton);
    QVERIFY(!s.Find<QPushButton>("Load_But")->isEnabled());
    s.Click_Row(0);
    QCOMPARE(s.messages, QStringList{"No Device Was Selected."});
    QCOMPARE(s.Text("Device"), QString("No Device"));
    QVERIFY(!s.Find<QWidget>("Pin_8")->isVisible());
    QVERIFY(s.Find<QPushButton>("Load_But")->isEnabled());
  }

  void the_fuse_editor_answers_its_clicks() {
    Started s;
    s.Pick(1);  // 12C508/A
    QCOMPARE(s.Text("Fuse_Data"), QString("Fuse = 0FFF"));
    QCOMPARE(s.Text("Hi_Spd"), QString("Int RC"));
    QVERIFY(s.Find<QRadioButton>("Ext_Clk")->isChecked());
    QVERIFY(!s.Find<QCheckBox>("LVP")->isEnabled());
    s.Tick(s.Find<QRadioButton>("Xtal"));
    QCOMPARE(s.Text("Fuse_Data"), QString("Fuse = 001D"));
    QVERIFY(s.Find<QRadioButton>("Xtal")->isChecked());
    QVERIFY(!s.Find<QRadioButton>("Ext_Clk")->isChecked());
    s.Tick(s.Find<QCheckBox>("WDT"));  // the watchdog off
    QCOMPARE(s.Text("Fuse_Data"), QString("Fuse = 0019"));
    QCOMPARE(s.w->Logic().Buf()[picprog::kConfig_Word], 0x0019);

    s.Pick(106);  // 16F684: the BOR = xx group
    auto* borv3 = s.Find<QGroupBox>("BORV3");
    QVERIFY(borv3->isVisible());
    QVERIFY(!s.Find<QGroupBox>("BORV2")->isVisible());
    s.Tick(borv3->findChildren<QRadioButton*>().at(2));
    QCOMPARE(s.Text("Fuse_Data"), QString("Fuse = 3EFF"));
  }

  void loading_and_saving_through_the_file_dialogs() {
    Started s;
    s.Pick(73);  // 16F84/A
    const std::string path = dir_.filePath("buffer.bin").toStdString();
    s.w->Logic().Buf()[0] = 0x1234;
    s.files.push_back(path);
    QTest::mouseClick(s.Find<QPushButton>("Save_But"), Qt::LeftButton);
    QCOMPARE(s.dialogs.size(), size_t{1});
    QVERIFY(s.dialogs[0].save);
    s.w->Logic().Buf()[0] = 0;
    s.files.push_back(path);
    QTest::mouseClick(s.Find<QPushButton>("Load_But"), Qt::LeftButton);
    QCOMPARE(s.w->Logic().Buf()[0], 0x1234);
    QCOMPARE(s.Text("StaticText1"), QString::fromStdString("Last File Loaded in Buffer=" + path));
    QCOMPARE(s.Text("Chk_Sum_But"), QString("Checksum=1234"));
    QVERIFY(s.w->Form().isEnabled());
    QVERIFY(s.messages.isEmpty());
  }

  void the_settings_are_written_on_close_and_read_at_start() {
    {
      Started s;
      s.Pick(97);
      QTest::mouseClick(s.Find<QPushButton>("File_But"), Qt::LeftButton);
      auto* types = s.Find<QListWidget>("File_Type");
      QVERIFY(types->isVisible());
      QTest::mouseClick(types->viewport(), Qt::LeftButton, {},
                        types->visualItemRect(types->item(1)).center());
      QCOMPARE(s.Text("File_But"), QString("Hex File"));
      s.w->Form().close();
    }
    QCOMPARE(*common::Read_Whole_File("Win_Mcu9.Cfg"), std::string("97\r\n1\r\n0\r\n8191\r\n\r\n"));
    Started again;
    QCOMPARE(again.Text("Device"), QString("16F877A"));
    QCOMPARE(again.Text("File_But"), QString("Hex File"));
    QVERIFY(!again.Find<QListWidget>("Device_Box")->isVisible());
    QVERIFY(again.messages.isEmpty());
  }

  void the_firmware_update_letter_on_start_add() {
    Started s;
    auto* start = s.Find<QPushButton>("Start_Add");
    QTest::keyClick(start, Qt::Key_G);
    QVERIFY(s.dialogs.empty());
    QTest::keyClick(start, Qt::Key_F);
    QCOMPARE(s.dialogs.size(), size_t{1});  // the update file's dialog, cancelled
    QTest::keyClick(start, Qt::Key_F, Qt::ShiftModifier);
    QCOMPARE(s.dialogs.size(), size_t{2});
  }

  void the_buffer_editor_through_its_keys_and_header() {
    Started s;
    s.Pick(97);
    QTest::mouseClick(s.Find<QPushButton>("Edit"), Qt::LeftButton);
    auto* edit = s.Find<QPlainTextEdit>("Edit_1");
    QVERIFY(edit->isVisible());
    QVERIFY(!s.Find<QWidget>("Pin_40")->isVisible());
    QTest::keyClicks(edit, "3");
    QCOMPARE(s.w->Logic().Buf()[0], 0x3000);
    QVERIFY(s.Edit_Line(1).startsWith("0000  3000"));
    QCOMPARE(edit->textCursor().blockNumber(), 1);
    QCOMPARE(edit->textCursor().positionInBlock(), 7);  // the word's second digit
    QTest::keyClick(edit, Qt::Key_PageDown);
    QVERIFY(s.Edit_Line(1).startsWith("0080"));

    QTextCursor header(edit->document()->findBlockByNumber(0));
    header.setPosition(2);
    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, edit->cursorRect(header).center());
    auto* address = s.Find<QLineEdit>("Chg_Edit_Add");
    QVERIFY(address->isVisible());
    QVERIFY(s.Find<QLabel>("EE_Start")->isVisible());
    QTest::keyClicks(address, "21x2100");  // the x spoils what came before it
    QCOMPARE(address->text(), QString("2100"));
    QTest::keyClick(address, Qt::Key_Return);
    QVERIFY(s.Edit_Line(1).startsWith("2100"));
    QVERIFY(!address->isVisible());
    QVERIFY(edit->isVisible());
  }

  void the_buffer_editor_closes_when_the_focus_leaves_it() {
    Started s;
    s.Pick(97);
    s.w->Form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&s.w->Form()));
    QTest::mouseClick(s.Find<QPushButton>("Edit"), Qt::LeftButton);
    auto* edit = s.Find<QPlainTextEdit>("Edit_1");
    QTRY_VERIFY(edit->hasFocus());
    QTest::keyClicks(edit, "0102");
    QCOMPARE(s.Text("Chk_Sum_But"), QString("Checksum=0000"));
    s.Find<QPushButton>("Fill")->setFocus();
    QTRY_VERIFY(!edit->isVisible());
    QCOMPARE(s.Text("Chk_Sum_But"), QString("Checksum=0102"));
  }
};

}  // namespace

QTEST_MAIN(Mcu9_Window_Test)
#include "mcu9_window_test.moc"
