// Win_Mcu9.Cfg: the start-up that reads it and the shut-down that writes it.
#include "picprog/core/settings.h"

#include "common/tests/bad_files.h"
#include "common/text_file.h"
#include "mcu9_fixture.h"

namespace picprog {
namespace {

using Strings = std::vector<std::string>;

TEST_F(Mcu9Test, WithoutASettingsFileNoDeviceIsSelectedAndTheListOpens) {
  Start();
  EXPECT_EQ(ui("Device").caption, "No Device");
  EXPECT_TRUE(Visible("Device_Box"));
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(ui("StaticText3").caption, "Usb Programmer Found - FirmWare Version 3.61");
  EXPECT_EQ(ui("StaticText1").caption, "Last File Loaded in Buffer=No File Loaded");
}

TEST_F(Mcu9Test, AFirstLineOfZeroSaysNoDeviceBeforeTheListAppears) {
  Write(kSettings_File, "0\r\n0\r\n0\r\n0\r\n\r\n");
  bool list_shown_at_message = true;
  host.on_message = [&] { list_shown_at_message = m->ui["Device_Box"].visible; };
  Start();
  EXPECT_EQ(host.Message_Texts(), Strings{"No Device Was Selected."});
  EXPECT_FALSE(list_shown_at_message);
  EXPECT_TRUE(Visible("Device_Box"));
}

TEST_F(Mcu9Test, TheSettingsRestoreDeviceFileTypeAndTheLastFileWithItsConfigurationWord) {
  // Word 0 = 1234 and the configuration word 0x2107 (byte address 0x420E) = 3F32.
  Write("last.hex", ":0200000034120000\r\n:02420E00323F0000\r\n:00000001FF\r\n");
  Write(kSettings_File, "97\r\n1\r\n5\r\n10\r\nlast.hex\r\n");
  Start();
  EXPECT_EQ(ui("Device").caption, "16F877A");
  EXPECT_FALSE(Visible("Device_Box"));
  EXPECT_EQ(m->File_Type, 1);
  EXPECT_EQ(ui("File_But").caption, "Hex File");
  EXPECT_EQ(m->Dev_Start_Add, 0);  // every selection clears it
  EXPECT_EQ(m->Prog_End, 0x1FFF);  // the device's own
  EXPECT_EQ(m->Buf()[0], 0x1234);
  EXPECT_EQ(ui("StaticText1").caption, "Last File Loaded in Buffer=last.hex");
  EXPECT_EQ(m->Open_File_Name, "last.hex");
  // The selection reset the word; the file loaded after it brings its own back into the editor.
  EXPECT_EQ(m->Fuse_Word, 0x3F32);
  EXPECT_EQ(m->Buf()[kConfig_Word], 0x3F32);
  EXPECT_EQ(ui("Fuse_Data").caption, "Fuse = 3F32");
  EXPECT_EQ(ui("Chk_Sum_But").caption, "Checksum=1234");
  EXPECT_TRUE(host.messages.empty());

  FormCloseQuery(*m);
  EXPECT_EQ(*common::Read_Whole_File(kSettings_File), "97\r\n1\r\n0\r\n8191\r\nlast.hex\r\n");
}

TEST_F(Mcu9Test, MissingLinesReadOneButAMissingFileLineNamesNoFile) {
  Write(kSettings_File, "73\n0\n");
  Start();
  EXPECT_EQ(ui("Device").caption, "16F84/A");
  EXPECT_EQ(m->File_Type, 0);
  EXPECT_EQ(m->Open_File_Name, "");
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(host.dialogs.empty());
}

TEST_F(Mcu9Test, ALineThatIsNotANumberKeepsItsDefaultAndTheRestIsUsedAndWrittenBack) {
  Write("last.bin", std::string(2, '\x12'));
  Write(kSettings_File, "97\r\nhex\r\n0\r\n0\r\nlast.bin\r\n");
  Start();
  EXPECT_EQ(host.Message_Texts(),
            Strings{"Win_Mcu9.Cfg:\r\nLine 2: 'hex' is not a valid integer value\r\nThese "
                    "settings keep their defaults."});
  EXPECT_EQ(ui("Device").caption, "16F877A");
  EXPECT_EQ(m->File_Type, 0);
  EXPECT_EQ(m->Buf()[0], 0x1212);
  FormCloseQuery(*m);
  EXPECT_EQ(*common::Read_Whole_File(kSettings_File), "97\r\n0\r\n0\r\n8191\r\nlast.bin\r\n");
}

TEST_F(Mcu9Test, NeitherABadSettingsFileNorAFifoAsTheLastFileHoldsUpTheStart) {
  common::testing::Hang_Guard guard;
  namespace fs = std::filesystem;
  auto bad = common::testing::Make_Bad_Files(fs::current_path() / "bad", 64 << 10);
  for (const auto& f : bad) {
    fs::create_symlink(f.path, kSettings_File);
    host.messages.clear();
    Start();
    ASSERT_EQ(host.messages.size(), 1u) << f.what;
    EXPECT_NE(host.messages[0].text.find(kSettings_File), std::string::npos) << f.what;
    EXPECT_EQ(ui("StaticText3").caption, "Usb Programmer Found - FirmWare Version 3.61");
    fs::remove(kSettings_File);
  }
  Write(kSettings_File, "97\r\n0\r\n0\r\n0\r\n" + bad[0].path + "\r\n");
  host.messages.clear();
  Start();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].text.find(bad[0].path), std::string::npos);
  EXPECT_EQ(ui("StaticText1").caption, "Last File Loaded in Buffer=No File Loaded");
  EXPECT_EQ(ui("Device").caption, "16F877A");
}

TEST_F(Mcu9Test, AnUnknownFileTypeReadsAsBinaryAndAHugeEndIsKeptInProgramMemory) {
  Write(kSettings_File, "85\r\n7\r\n0\r\n99999\r\n\r\n");  // 16F818: listed, no entry
  Start();
  EXPECT_EQ(m->File_Type, 0);
  EXPECT_EQ(ui("File_But").caption, "Binary File");
  EXPECT_EQ(m->Prog_End, 0x1FFF);
  EXPECT_EQ(ui("End_Add").caption, "Device End=1FFF");
}

TEST_F(Mcu9Test, ClosingResetsAndClosesTheProgrammerAndWritesTheFile) {
  Start_With(1);
  FormCloseQuery(*m);
  EXPECT_EQ(Codes(), (std::vector<uint8_t>{0x1E, 0x53}));
  EXPECT_FALSE(sim->Is_Open());
  EXPECT_FALSE(host.timer_running);
  EXPECT_EQ(m->link.Stop_Code, proglink::stop::Quit);
  EXPECT_EQ(*common::Read_Whole_File(kSettings_File), "1\r\n0\r\n0\r\n511\r\n\r\n");
}

TEST_F(Mcu9Test, ASettingsFileThatCannotBeWrittenIsReported) {
  std::filesystem::create_directory(kSettings_File);  // neither read nor replaced
  Start();
  FormCloseQuery(*m);
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(host.messages[1].text.rfind("The settings were not saved.\r\n", 0), 0u);
  EXPECT_TRUE(std::filesystem::is_directory(kSettings_File));
}

}  // namespace
}  // namespace picprog
