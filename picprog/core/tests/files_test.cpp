// Loading and saving the buffer through the file buttons, the checksum and the fills.
#include "common/text_file.h"
#include "mcu9_fixture.h"
#include "picprog/core/checksum_fill.h"
#include "picprog/core/file_buttons.h"

namespace picprog {
namespace {

using Strings = std::vector<std::string>;

class Mcu9FilesTest : public Mcu9Test {
 protected:
  void Pattern() {
    for (size_t i = 0; i < kFile_Words; ++i) m->Buf()[i] = static_cast<uint16_t>((i * 7) & 0x3FFF);
  }
  bool Pattern_In_Buffer() {
    for (size_t i = 0; i < kFile_Words; ++i)
      if (m->Buf()[i] != ((i * 7) & 0x3FFF)) return false;
    return true;
  }
  void Load(const std::string& path) {
    host.files.push_back(path);
    Load_ButClick(*m);
  }
  void Save(const std::string& path) {
    host.files.push_back(path);
    Save_ButClick(*m);
  }
};

TEST_F(Mcu9FilesTest, HexRoundTripThroughTheButtons) {
  Start_With(97);
  File_ButClick(*m);
  EXPECT_TRUE(Visible("File_Type"));
  File_TypeClick(*m, 1);
  EXPECT_FALSE(Visible("File_Type"));
  EXPECT_EQ(ui("File_But").caption, "Hex File");
  Pattern();
  Save("buffer.hex");
  ASSERT_EQ(host.dialogs.size(), 1u);
  EXPECT_TRUE(host.dialogs[0].save);
  EXPECT_EQ(host.dialogs[0].default_ext, "Hex");
  EXPECT_EQ(host.dialogs[0].filter_index, 2);
  EXPECT_EQ(host.dialogs[0].filter, "Bin|*.Bin|Hex|*.Hex|All|*.*");
  EXPECT_EQ(host.Captions_Of("StaticText2"), Strings{"Saving Buffer to Hex File...."});
  EXPECT_FALSE(Visible("StaticText2"));
  EXPECT_EQ(common::Split_Lines(*common::Read_Whole_File("buffer.hex")).size(), 1059u);

  FillBoxClick(*m, 0);
  Load("buffer.hex");
  EXPECT_TRUE(Pattern_In_Buffer());
  EXPECT_EQ(host.Captions_Of("StaticText2").back(), "Loading Buffer from Hex File....");
  EXPECT_FALSE(Visible("StaticText2"));
  EXPECT_EQ(ui("StaticText1").caption, "Last File Loaded in Buffer=buffer.hex");
  EXPECT_EQ(host.dialogs.back().file_name, "");  // nothing had been loaded before
  EXPECT_EQ(m->Fuse_Word, m->Buf()[kConfig_Word]);
  EXPECT_EQ(ui("Chk_Sum_But").caption, Checksum_Caption(Checksum(m->Buf(), 0x1FFF)));
  EXPECT_TRUE(Enabled("MainForm"));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(Mcu9FilesTest, BinaryRoundTripThroughTheButtons) {
  Start_With(73);
  Pattern();
  Save("buffer.bin");
  EXPECT_EQ(host.dialogs[0].default_ext, "Bin");
  EXPECT_EQ(host.dialogs[0].filter_index, 1);
  EXPECT_EQ(common::Read_Whole_File("buffer.bin")->size(), kFile_Words * 2);
  EXPECT_TRUE(host.Captions_Of("StaticText2").empty());
  FillBoxClick(*m, 0);
  Load("buffer.bin");
  EXPECT_TRUE(Pattern_In_Buffer());
  EXPECT_EQ(m->Open_File_Name, "buffer.bin");
  Save("again.bin");
  EXPECT_EQ(host.dialogs.back().file_name, "buffer.bin");
}

TEST_F(Mcu9FilesTest, HexWordsLandByTheirByteAddressMaskedByTheBlankWord) {
  // FF 3F at byte address 0x400E is EE word 0x2007, not the configuration word.
  Write("ee.hex", ":02400E00FF3F00\r\n:00000001FF\r\n");
  Write("word.hex", ":02000000FF3F00\r\n:00000001FF\r\n");
  Start_With(97);
  File_TypeClick(*m, 1);
  Load("ee.hex");
  EXPECT_EQ(m->Buf()[0x2007], 0x3FFF);
  EXPECT_EQ(m->Buf()[kConfig_Word], 0x3FFF);
  Pick(1);  // 12C508/A: a 12-bit word keeps 12 bits
  Load("word.hex");
  EXPECT_EQ(m->Buf()[0], 0x0FFF);
}

TEST_F(Mcu9FilesTest, ACancelledLoadStillShowsTheBuffersConfigurationWordAndChecksum) {
  Start_With(97);
  m->Buf()[0] = 5;
  m->Buf()[kConfig_Word] = 0x3F72;
  Load_ButClick(*m);  // no file chosen
  EXPECT_EQ(m->Buf()[0], 5);
  EXPECT_EQ(m->Fuse_Word, 0x3F72);
  EXPECT_EQ(ui("Fuse_Data").caption, "Fuse = 3F72");
  EXPECT_EQ(ui("Chk_Sum_But").caption, "Checksum=0005");
  EXPECT_EQ(ui("StaticText1").caption, "Last File Loaded in Buffer=No File Loaded");
  EXPECT_TRUE(Enabled("MainForm"));
}

TEST_F(Mcu9FilesTest, AMalformedRecordEndsTheLoadWithItsMessageAndTheWindowIdle) {
  Write("bad.hex", ":0400000001000200\r\n:04000800QQ000400\r\n:00000001FF\r\n");
  Start_With(97);
  File_TypeClick(*m, 1);
  Load("bad.hex");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].text.find("Line 2"), std::string::npos);
  EXPECT_EQ(m->Buf()[1], 2);  // the records before it
  EXPECT_EQ(m->Buf()[4], 0);
  EXPECT_FALSE(Visible("StaticText2"));
  EXPECT_TRUE(Enabled("MainForm"));
  EXPECT_TRUE(Enabled("Load_But"));
  EXPECT_EQ(ui("StaticText1").caption, "Last File Loaded in Buffer=No File Loaded");
}

TEST_F(Mcu9FilesTest, WordsBeyondTheBufferAreReportedAndSkipped) {
  // Byte address 0x6000 is word 0x3000, one past the buffer.
  Write("far.hex", ":02000000FF0000\r\n:0260000034120000\r\n:00000001FF\r\n");
  Start_With(97);
  File_TypeClick(*m, 1);
  Load("far.hex");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].text.find("beyond the buffer"), std::string::npos);
  EXPECT_EQ(m->Buf()[0], 0xFF);
  EXPECT_EQ(ui("StaticText1").caption, "Last File Loaded in Buffer=far.hex");
}

TEST_F(Mcu9FilesTest, AShortBinaryFileChangesOnlyTheFrontAndAMissingOneNothing) {
  Write("short.bin", std::string(100, '\x01'));
  Start_With(97);
  FillBoxClick(*m, 1);
  Load("short.bin");
  EXPECT_EQ(m->Buf()[49], 0x0101);
  EXPECT_EQ(m->Buf()[50], 0x3FFF);
  host.messages.clear();
  Load("missing.bin");
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(m->Buf()[0], 0x0101);
  EXPECT_EQ(ui("StaticText1").caption, "Last File Loaded in Buffer=short.bin");
}

TEST_F(Mcu9FilesTest, ASaveThatFailsIsReported) {
  Start_With(97);
  Save("no/such/folder/buffer.bin");
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(Enabled("MainForm"));
}

TEST_F(Mcu9FilesTest, FillFFFFOnA12BitPartFillsWithItsBlankWord) {
  Start_With(1);  // 12C508/A: words 0..0x1FF
  FillClick(*m);
  EXPECT_TRUE(Visible("FillBox"));
  EXPECT_FALSE(Enabled("Load_But"));
  FillBoxClick(*m, 1);
  EXPECT_EQ(std::count(m->Buf().begin(), m->Buf().end(), 0x0FFF), 0x3000);
  EXPECT_EQ(ui("StaticText3").caption, "Buffer Filled with FFFF...");
  EXPECT_EQ(ui("Chk_Sum_But").caption, "Checksum=FE00");  // 0x200 * 0x0FFF
  EXPECT_FALSE(Visible("FillBox"));
  EXPECT_TRUE(Enabled("Load_But"));
}

TEST_F(Mcu9FilesTest, AFillOfZeroShowsTheCodeProtectionItWouldProgram) {
  Start_With(97);
  EXPECT_FALSE(ui("Protec").checked);
  FillClick(*m);
  FillBoxClick(*m, 0);
  EXPECT_EQ(ui("StaticText3").caption, "Buffer Filled with 0000...");
  EXPECT_EQ(m->Fuse_Word, 0);
  EXPECT_TRUE(ui("Protec").checked);
  EXPECT_EQ(ui("Fuse_Data").caption, "Fuse = 0000");
}

TEST_F(Mcu9FilesTest, FillWithATypedValue) {
  Start_With(97);
  FillClick(*m);
  FillBoxClick(*m, 2);
  EXPECT_TRUE(Visible("FillEdit"));
  EXPECT_EQ(ui("FillEdit").caption, "");
  // A key that is not hex spoils the entry: the change it makes clears the field.
  EXPECT_FALSE(FillEditKeyPress(*m, '1'));
  FillEditChange(*m, "1");
  EXPECT_FALSE(FillEditKeyPress(*m, 'x'));
  FillEditChange(*m, "1X");
  EXPECT_EQ(ui("FillEdit").caption, "");
  for (char c : std::string("12aB")) EXPECT_FALSE(FillEditKeyPress(*m, c));
  FillEditChange(*m, "12AB");
  EXPECT_TRUE(FillEditKeyPress(*m, '\r'));
  EXPECT_EQ(std::count(m->Buf().begin(), m->Buf().end(), 0x12AB), 0x3000);
  EXPECT_EQ(ui("StaticText3").caption, "Buffer Filled with 12AB...");
  EXPECT_EQ(m->Fuse_Word, 0x12AB);
  EXPECT_FALSE(Visible("FillEdit"));
  EXPECT_TRUE(Enabled("Fill"));
}

TEST_F(Mcu9FilesTest, AnEmptyFillValueOrCancelFillsNothing) {
  Start_With(97);
  m->Buf()[3] = 9;
  FillClick(*m);
  FillBoxClick(*m, 2);
  EXPECT_TRUE(FillEditKeyPress(*m, '\r'));
  FillClick(*m);
  FillBoxClick(*m, 3);
  EXPECT_EQ(m->Buf()[3], 9);
  EXPECT_TRUE(Enabled("Fill"));
  EXPECT_FALSE(Visible("FillBox"));
}

TEST_F(Mcu9FilesTest, TheChecksumAddsProgramMemoryOnly) {
  Start_With(73);  // 16F84/A: words 0..0x3FF
  m->Buf()[0] = 1;
  m->Buf()[0x3FF] = 2;
  m->Buf()[0x400] = 100;
  Chk_Sum_ButClick(*m);
  EXPECT_EQ(ui("Chk_Sum_But").caption, "Checksum=0003");
  EXPECT_EQ(m->Chk_Sum, 3);
  EXPECT_TRUE(Enabled("Chk_Sum_But"));
}

}  // namespace
}  // namespace picprog
