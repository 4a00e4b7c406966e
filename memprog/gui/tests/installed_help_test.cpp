// Win_KV9 as the package installs it: started offscreen in a folder without a help file, its Help
// button shows the installed help text, in a fixed pitch and without cutting a column off. The
// package check runs it with KV9_INSTALLED_WIN_KV9 naming Win_KV9 in the unpacked package.
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "common/app_folders.h"
#include "memprog/gui/kv9_window.h"
#include "proglink/window/testing/started_window.h"

namespace {

class Installed_Help_Test : public QObject {
  Q_OBJECT

  struct Started : proglink::In_Temporary_Folder, proglink::Started_Window<memprog::Kv9_Window> {};

 private slots:
  void help_comes_from_the_data_folder_beside_the_installed_program() {
    const QString program = qEnvironmentVariable("KV9_INSTALLED_WIN_KV9");
    QVERIFY2(QFileInfo(program).isExecutable(), "KV9_INSTALLED_WIN_KV9 names no installed Win_KV9");
    const std::string data_folder =
        common::Data_Folder_For(QFileInfo(program).absoluteFilePath().toStdString());
    QFile installed(QString::fromStdString(data_folder + "/Win_KV9.Txt"));
    QVERIFY2(installed.open(QIODevice::ReadOnly), "no help text in the installed data folder");
    const QString text = QString::fromUtf8(installed.readAll()).chopped(1);  // its last line end

    Started s;
    s.Create({});
    // The window as it runs from the package's bin folder.
    s.w->Logic().Data_Dir = data_folder;
    s.w->Form().show();
    QTRY_VERIFY(s.w->Logic().Activated);
    QVERIFY(!QFile::exists("Win_KV9.Txt"));

    QTest::mouseClick(s.Find<QPushButton>("Help"), Qt::LeftButton);
    auto* help = s.Find<QPlainTextEdit>("Help1");
    QVERIFY(help->isVisible());
    QCOMPARE(help->toPlainText(), text);
    QVERIFY(QFontInfo(help->font()).fixedPitch());
    QCOMPARE(help->horizontalScrollBar()->maximum(), 0);
  }
};

}  // namespace

QTEST_MAIN(Installed_Help_Test)
#include "installed_help_test.moc"
