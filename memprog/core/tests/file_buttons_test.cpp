// The file-type, load and save buttons on the buffer-file routines.
#include "memprog/core/file_buttons.h"

#include <sys/stat.h>

#include <filesystem>

#include "common/atomic_file.h"
#include "common/text_file.h"
#include "kv9_fixture.h"

namespace memprog {
namespace {

class FileButtonsTest : public Kv9Test {
 protected:
  void SetUp() override {
    Kv9Test::SetUp();
    Start();
    k->Dev_End_Add = k->Dev_Last_Add = 0x7FFF;  // a 32 KiB part
  }
  std::string Path(const char* name) { return (std::filesystem::current_path() / name).string(); }
};

TEST_F(FileButtonsTest, FileTypeSetsTheCaptionAndTheHexRangeButtons) {
  File_ButClick(*k);
  EXPECT_TRUE(Visible("File_Type"));
  File_TypeClick(*k, 2);
  EXPECT_EQ(ui()["File_But"].caption, "Motorola Hex File");
  EXPECT_FALSE(Visible("File_Type"));
  EXPECT_TRUE(Enabled("Start_Hex"));
  File_ButClick(*k);
  File_TypeClick(*k, 4);
  EXPECT_EQ(ui()["File_But"].caption, "Ascii Hex File");
  EXPECT_FALSE(Enabled("Offset"));
}

TEST_F(FileButtonsTest, LoadingAnIntelFileFillsTheBufferAndNamesIt) {
  ASSERT_EQ(common::Write_Whole_File("in.hex", ":0400100001020304E2\r\n:00000001FF\r\n"), "");
  File_TypeClick(*k, 1);
  host.files = {Path("in.hex")};
  Load_ButClick(*k);
  ASSERT_EQ(host.dialogs.size(), 1u);
  EXPECT_FALSE(host.dialogs[0].save);
  EXPECT_EQ(host.dialogs[0].default_ext, "Hex");
  EXPECT_EQ(host.dialogs[0].filter_index, 2);
  EXPECT_EQ(k->Image_Buffer[0x10], 1);
  EXPECT_EQ(k->Image_Buffer[0x13], 4);
  EXPECT_EQ(ui()["StaticText3"].caption, "Hex File Loaded....");
  EXPECT_EQ(ui()["StaticText4"].caption, "Last File Loaded in Buffer=" + Path("in.hex"));
  EXPECT_EQ(ui()["Chk_Sum_But"].caption, "CheckSum=000A");
  EXPECT_EQ(k->Open_File_Name, Path("in.hex"));
  EXPECT_EQ(k->Buffer_Loaded, 1);
  EXPECT_TRUE(Enabled("Device"));
}

TEST_F(FileButtonsTest, AFileThatCannotBeOpenedChangesNothing) {
  k->Image_Buffer[0] = 9;
  host.files = {Path("missing.bin")};
  Load_ButClick(*k);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Error... File was Not Loaded In Buffer...");
  EXPECT_EQ(host.messages[0].at.x, 375);
  EXPECT_EQ(host.messages[0].at.y, 325);
  EXPECT_EQ(k->Image_Buffer[0], 9);
  EXPECT_EQ(k->Buffer_Loaded, 0);
  EXPECT_EQ(ui()["StaticText4"].caption, "Last File Loaded in Buffer=No File Loaded");
}

TEST_F(FileButtonsTest, AMalformedLineStopsTheLoadKeepsWhatCameBeforeAndReturnsToIdle) {
  ASSERT_EQ(common::Write_Whole_File("bad.hex", ":0100000011EE\r\n:01000100XY00\r\n"), "");
  File_TypeClick(*k, 1);
  host.files = {Path("bad.hex")};
  Load_ButClick(*k);
  EXPECT_EQ(k->Image_Buffer[0], 0x11);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].text.find("line 2"), std::string::npos) << host.messages[0].text;
  EXPECT_TRUE(Enabled("Load_But"));
  EXPECT_EQ(ui()["StaticText4"].caption, "Last File Loaded in Buffer=No File Loaded");
}

TEST_F(FileButtonsTest, CancelledDialogsDoNothing) {
  Load_ButClick(*k);
  Save_ButClick(*k);
  EXPECT_EQ(host.dialogs.size(), 2u);
  EXPECT_TRUE(host.dialogs[1].save);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(Enabled("Save_But"));
}

TEST_F(FileButtonsTest, SavingWritesTheRangeAndAFailureLeavesTheOldFile) {
  for (int i = 0; i < 0x8000; ++i) k->Image_Buffer[i] = static_cast<uint8_t>(i);
  host.files = {Path("out.bin")};
  Save_ButClick(*k);
  EXPECT_EQ(host.dialogs.at(0).default_ext, ".Bin");
  auto data = common::Read_Whole_File("out.bin");
  ASSERT_TRUE(data);
  EXPECT_EQ(data->size(), 0x8000u);
  std::filesystem::create_directory("ro");
  ASSERT_EQ(common::Write_Whole_File("ro/keep.bin", "keep"), "");
  ::chmod("ro", 0500);
  host.files = {Path("ro/keep.bin")};
  Save_ButClick(*k);
  ::chmod("ro", 0700);
  if (::geteuid() != 0) {  // root writes anywhere
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(*common::Read_Whole_File("ro/keep.bin"), "keep");
  }
}

TEST_F(FileButtonsTest, AReadOnlyFileLoadsAndStaysReadOnly) {
  ASSERT_EQ(common::Write_Whole_File("ro.bin", std::string("\x5A\xA5", 2)), "");
  ::chmod("ro.bin", 0444);
  host.files = {Path("ro.bin")};
  Load_ButClick(*k);
  EXPECT_EQ(k->Image_Buffer[1], 0xA5);
  struct stat st {};
  ASSERT_EQ(::stat("ro.bin", &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0444u);
}

}  // namespace
}  // namespace memprog
