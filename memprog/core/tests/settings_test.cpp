// Win_KV9.Cfg, Reset Defaults, the help text and the test panel.
#include "memprog/core/settings.h"

#include <filesystem>

#include "common/atomic_file.h"
#include "common/tests/bad_files.h"
#include "common/text_file.h"
#include "kv9_fixture.h"
#include "memprog/core/test_panel.h"

namespace memprog {
namespace {

namespace fs = std::filesystem;

std::string Cfg(const std::vector<std::string>& lines, const char* end = "\r\n") {
  std::string s;
  for (const auto& l : lines) s += l + end;
  return s;
}

const std::vector<std::string> kSettings = {
    "4",     "2",  "20",    "1",     "1",   "3",   "0",  "0",  "256", "16",
    "32767", "32", "65535", "-4096", "800", "600", "40", "50", "30",  "/nonexistent/last.hex",
    "1"};

TEST_F(Kv9Test, SettingsRoundTripThroughTheFileWithCrLf) {
  ASSERT_EQ(common::Write_Whole_File("Win_KV9.Cfg", Cfg(kSettings)), "");
  Start();
  EXPECT_EQ(k->Prog_Pulse, 3);  // the device's own pulse: the selection comes after line 1
  EXPECT_EQ(k->Prog_Pass, 2);
  EXPECT_EQ(k->Device_Code, 20);
  EXPECT_EQ(ui()["Device"].caption, "27C256");
  EXPECT_EQ(k->File_Type, 1);
  EXPECT_EQ(ui()["File_But"].caption, "Intel Hex File");
  EXPECT_EQ(k->Prg_Type, Program_Type::Word_Even_High);
  EXPECT_EQ(ui()["Prg_Type_But"].caption, "Word Even/High");
  EXPECT_EQ(k->Vpp_Select, 3);
  EXPECT_EQ(k->Auto_Verify, 0);
  EXPECT_EQ(ui()["Auto_Verify"].caption, "Auto Verify Off");
  EXPECT_EQ(k->Auto_ID, 0);
  EXPECT_EQ(k->Buf_Start_Add, 256);
  EXPECT_EQ(k->Dev_Start_Add, 16);
  EXPECT_EQ(k->Dev_End_Add, 0x7FFF);
  EXPECT_EQ(k->Hex_Offset, -4096);
  EXPECT_EQ(host.geometry.width, 800);
  EXPECT_EQ(host.geometry.left, 50);
  EXPECT_EQ(ui()["Device_Box1"].item_index, 30);
  EXPECT_EQ(k->Byte_Order, 1);
  EXPECT_TRUE(ui()["Hi_Lo"].checked);
  EXPECT_FALSE(ui()["Lo_Hi"].checked);
  EXPECT_EQ(k->Open_File_Name, "/nonexistent/last.hex");
  EXPECT_EQ(host.Message_Texts().front(), "Error... File was Not Loaded In Buffer...");
  EXPECT_FALSE(Visible("Device_Box1"));  // a device was restored
  EXPECT_TRUE(Enabled("Start_Hex"));     // Intel hex
  FormCloseQuery(*k);
  auto saved = kSettings;
  saved[0] = "3";
  EXPECT_EQ(*common::Read_Whole_File("Win_KV9.Cfg"), Cfg(saved));
}

TEST_F(Kv9Test, SettingsWithLfLineEndsReadTheSame) {
  ASSERT_EQ(common::Write_Whole_File("Win_KV9.Cfg", Cfg(kSettings, "\n")), "");
  Start();
  EXPECT_EQ(k->Dev_Start_Add, 16);
  EXPECT_EQ(k->Byte_Order, 1);
}

TEST_F(Kv9Test, AShortFileLeavesOneInTheMissingSlots) {
  ASSERT_EQ(common::Write_Whole_File("Win_KV9.Cfg", Cfg({"3", "1", "20"})), "");
  Start();
  EXPECT_EQ(k->File_Type, 1);
  EXPECT_EQ(k->Open_File_Name, "1");  // so the loader looks for a file named "1"
  EXPECT_EQ(host.Message_Texts().front(), "Error... File was Not Loaded In Buffer...");
  EXPECT_EQ(k->Dev_End_Add, 1);  // line 11 read "1"
}

TEST_F(Kv9Test, ALineThatIsNotANumberKeepsItsDefaultAndTheRestIsUsedAndWrittenBack) {
  auto lines = kSettings;
  lines[4] = "two";  // split mode
  lines[10] = "";    // device end
  ASSERT_EQ(common::Write_Whole_File("Win_KV9.Cfg", Cfg(lines)), "");
  Start();
  ASSERT_FALSE(host.messages.empty());
  EXPECT_EQ(host.messages[0].text,
            "Win_KV9.Cfg:\r\nLine 5: 'two' is not a valid integer value\r\nLine 11: '' is not "
            "a valid integer value\r\nThese settings keep their defaults.");
  EXPECT_EQ(k->Prg_Type, memprog::Program_Type{});
  EXPECT_EQ(k->Dev_End_Add, 0x7FFF);  // the device's own
  EXPECT_EQ(k->Hex_Offset, -4096);    // the lines after them still apply
  EXPECT_EQ(k->Byte_Order, 1);
  EXPECT_EQ(k->link.Connection, proglink::connection::Ready);  // and the start-up goes on
  FormCloseQuery(*k);
  auto saved = kSettings;
  saved[0] = "3";
  saved[4] = "0";
  saved[10] = "32767";
  EXPECT_EQ(*common::Read_Whole_File("Win_KV9.Cfg"), Cfg(saved));
}

TEST_F(Kv9Test, ValuesOutOfRangeAreKeptButHarmless) {
  auto lines = kSettings;
  lines[3] = "9";       // file type
  lines[4] = "7";       // split mode
  lines[5] = "99";      // Vpp selection
  lines[14] = "-5";     // width
  lines[17] = "99999";  // left: off every screen
  lines[18] = "999";    // list index
  lines[19] = "";
  ASSERT_EQ(common::Write_Whole_File("Win_KV9.Cfg", Cfg(lines)), "");
  Start();
  EXPECT_EQ(k->File_Type, 9);
  EXPECT_EQ(ui()["File_But"].caption, "Binary File");
  EXPECT_EQ(static_cast<int>(k->Prg_Type), 7);
  EXPECT_EQ(ui()["Prg_Type_But"].caption, "Byte Program");
  k->link.Set_Vpp();  // the caption follows at the next voltage set-up
  EXPECT_EQ(ui()["Vpp_But"].caption, "Vpp = 12");
  EXPECT_EQ(k->List_Index, 999);
  EXPECT_EQ(ui()["Device_Box1"].item_index, -1);
  FormCloseQuery(*k);
  auto saved = common::Read_Lines("Win_KV9.Cfg");
  EXPECT_EQ((*saved)[3], "9");
}

TEST_F(Kv9Test, ResetDefaultsDeletesTheFileAndClosingDoesNotWriteItAgain) {
  ASSERT_EQ(common::Write_Whole_File("Win_KV9.Cfg", Cfg(kSettings)), "");
  Start();
  host.answers = {false};
  DefaultClick(*k);
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0].text,
            "Do you really want to delete Win_KV9.Cfg\r\nand Exit this Program ?");
  EXPECT_TRUE(fs::exists("Win_KV9.Cfg"));
  EXPECT_FALSE(host.window_closed);
  host.answers = {true};
  DefaultClick(*k);
  EXPECT_FALSE(fs::exists("Win_KV9.Cfg"));
  EXPECT_TRUE(host.window_closed);
  FormCloseQuery(*k);
  EXPECT_FALSE(fs::exists("Win_KV9.Cfg"));
  DefaultClick(*k);  // no file: nothing is asked
  EXPECT_EQ(host.questions.size(), 2u);
}

TEST_F(Kv9Test, ClosingAfterATimedOutOperationStillWritesTheSettings) {
  Start();
  k->link.Stop_Code = proglink::stop::Time_Out;
  k->link.Reset_Programmer();  // every operation ends with it
  FormCloseQuery(*k);
  EXPECT_TRUE(fs::exists("Win_KV9.Cfg"));
  EXPECT_EQ(common::Read_Lines("Win_KV9.Cfg")->size(), 21u);
}

TEST_F(Kv9Test, AnUnwritableSettingsFileIsReportedAndTheOldOneKept) {
  Start();
  fs::create_directory("Win_KV9.Cfg");  // a folder in the way: the rename must fail
  FormCloseQuery(*k);
  EXPECT_TRUE(fs::is_directory("Win_KV9.Cfg"));
  ASSERT_FALSE(host.messages.empty());
  EXPECT_EQ(host.messages.back().text.rfind("The settings were not saved.", 0), 0u);
}

TEST_F(Kv9Test, SettingsAndHelpFilesThatAreNoTextFilesAreRefusedAndTheStartUpGoesOn) {
  common::testing::Hang_Guard guard;
  auto bad = common::testing::Make_Bad_Files(fs::current_path() / "bad", 64 << 10);
  for (const auto& f : bad) {
    for (const char* name : {"Win_KV9.Cfg", "Win_KV9.Txt"}) fs::create_symlink(f.path, name);
    host.messages.clear();
    Start();
    ASSERT_EQ(host.messages.size(), 1u) << f.what;
    EXPECT_NE(host.messages[0].text.find("Win_KV9.Cfg"), std::string::npos) << f.what;
    EXPECT_EQ(k->link.Connection, 2) << f.what;
    HelpClick(*k);
    if (f.path != bad.back().path) {  // the help file's own limit is higher
      EXPECT_FALSE(Visible("Help1")) << f.what;
      ASSERT_EQ(host.messages.size(), 2u) << f.what;
      EXPECT_NE(host.messages[1].text.find("Win_KV9.Txt"), std::string::npos) << f.what;
    }
    for (const char* name : {"Win_KV9.Cfg", "Win_KV9.Txt"}) fs::remove(name);
  }
  EXPECT_TRUE(fs::is_fifo(bad[0].path));
}

TEST_F(Kv9Test, HelpShowsTheHelpFileOrNothing) {
  Start();
  k->Data_Dir = "/nonexistent";
  HelpClick(*k);
  EXPECT_FALSE(Visible("Help1"));
  EXPECT_TRUE(host.messages.empty());
  ASSERT_EQ(common::Write_Whole_File("Win_KV9.Txt", "line one\r\nline two\r\n"), "");
  HelpClick(*k);
  EXPECT_TRUE(Visible("Help1"));
  EXPECT_FALSE(Visible("Panel6"));
  EXPECT_EQ(ui()["Help1"].lines, (std::vector<std::string>{"line one", "line two"}));
  ASSERT_EQ(common::Write_Whole_File("Win_KV9.Txt", ""), "");
  HelpClick(*k);
  EXPECT_EQ(ui()["Help1"].lines, (std::vector<std::string>{""}));
  End_Busy(*k);
  EXPECT_FALSE(Visible("Help1"));
}

TEST_F(Kv9Test, HelpFromTheWorkingFolderWinsOverTheInstalledOne) {
  Start();
  fs::create_directory("share");
  k->Data_Dir = (fs::current_path() / "share").string();
  ASSERT_EQ(common::Write_Whole_File("share/Win_KV9.Txt", "installed\n"), "");
  HelpClick(*k);
  EXPECT_EQ(ui()["Help1"].lines, std::vector<std::string>{"installed"});
  ASSERT_EQ(common::Write_Whole_File("Win_KV9.Txt", "own\n"), "");
  HelpClick(*k);
  EXPECT_EQ(ui()["Help1"].lines, std::vector<std::string>{"own"});
}

TEST_F(Kv9Test, TheTestPanelOpensOnItsLetterInEitherCase) {
  Start();
  EXPECT_FALSE(Vpp_ButKeyPress(*k, 'x'));
  EXPECT_FALSE(Visible("Test"));
  k->Prog_Pass = 2;
  EXPECT_TRUE(Vpp_ButKeyPress(*k, 't'));
  EXPECT_TRUE(Visible("Test"));
  EXPECT_FALSE(Visible("Panel6"));
  EXPECT_EQ(ui()["Chg_Pass"].caption, "Program Pass=2");
  EXPECT_EQ(ui()["Program_Pulse"].caption, "Program Pulse=1");
  EXPECT_EQ(ui()["Auto_ID"].caption, "Auto ID = On");
  EXPECT_FALSE(Enabled("Device"));
  Quit_TestClick(*k);
  EXPECT_FALSE(Visible("Test"));
  EXPECT_TRUE(Visible("Panel6"));
  EXPECT_TRUE(Enabled("Device"));
  EXPECT_TRUE(Vpp_ButKeyPress(*k, 'T'));
}

}  // namespace
}  // namespace memprog
