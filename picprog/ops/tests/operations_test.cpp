// The operations on the parts in the socket: what they find, write and read, and what they say.
#include <gtest/gtest.h>

#include "common/hex.h"
#include "pic_ops_fixture.h"
#include "picprog/files/pic_buf.h"

namespace picprog {
namespace {

using Lines = std::deque<std::string>;
using progsim::Pic_Chip;

TEST_F(PicOpsTest, BlankCheckOfAnErasedPartSaysSoAndHidesTheMessageArea) {
  Socket(k16F84);
  Blank_ChkClick(*m);
  EXPECT_EQ(Status(), "Device is Erased...");
  EXPECT_EQ(m->ui["StaticText3"].colour, proglink::Colour::Lime);
  EXPECT_EQ(m->Failure, 0);
  EXPECT_FALSE(m->link.Memo1().Visible());
  EXPECT_EQ(host.Captions_Of("StaticText2"),
            (std::vector<std::string>{"Checking to see if Device is erased..."}));
  EXPECT_FALSE(m->ui["StaticText2"].visible);  // the enable step hid it

  // Program words and ID words are looked at; the configuration word is not.
  Chip().Program(0x12, 0);
  Chip().Program(0x2001, 0x1234);
  Chip().Program(Pic_Chip::kConfig14, 0x3FF3);
  Blank_ChkClick(*m);
  EXPECT_EQ(Memo(), (Lines{"0012  EXPECTED-3FFF  FOUND-0000", "2101  EXPECTED-3FFF  FOUND-1234"}));
  EXPECT_EQ(Status(), "Device is NOT Erased...");
  EXPECT_EQ(m->ui["StaticText3"].colour, proglink::Colour::Red);
  EXPECT_EQ(m->Failure, 1);
  EXPECT_TRUE(m->link.Memo1().Visible());
}

TEST_F(PicOpsTest, BlankCheckOfAn8PinPartListsItsCalibrationWord) {
  Socket(k12C508);
  Blank_ChkClick(*m);
  EXPECT_EQ(Memo(), (Lines{"01FF  EXPECTED-0FFF  FOUND-0C60"}));
  EXPECT_EQ(Status(), "Device is NOT Erased...");
}

TEST_F(PicOpsTest, BlankCheckOf16C505ExpectsTwelveBitWords) {
  Socket(k16C505);
  EXPECT_EQ(m->Fuse_Blank, 0x3FFF);
  Blank_ChkClick(*m);
  EXPECT_EQ(Status(), "Device is Erased...");
  Chip().Program(5, 0x0123);
  Blank_ChkClick(*m);
  EXPECT_EQ(Memo(), (Lines{"0005  EXPECTED-0FFF  FOUND-0123"}));
  EXPECT_EQ(m->Fuse_Blank, 0x3FFF);  // the configuration word's blank is left as it is
}

TEST_F(PicOpsTest, BlankCheckOf16C5xSkipsTheConfigurationWordAndChecksTheIdWords) {
  Socket(k16C58B);
  Chip().Program(Pic_Chip::kConfig12, 0x0FF9);
  Blank_ChkClick(*m);
  EXPECT_EQ(Status(), "Device is Erased...");
  Chip().Program(0x801, 0x0ABC);  // ID words follow program memory
  Chip().Program(0x7FF, 0x0001);
  Blank_ChkClick(*m);
  EXPECT_EQ(Memo(), (Lines{"07FF  EXPECTED-0FFF  FOUND-0001", "2101  EXPECTED-0FFF  FOUND-0ABC"}));
}

TEST_F(PicOpsTest, VerifyOf16F628ComparesProgramMemoryAndTheEightConfigurationWords) {
  Socket(k16F628);
  Move_EpromClick(*m);  // device ID and reserved words into the buffer
  Pattern(0, 0x7FF, 0x3FFF);
  Buf()[0x2101] = 0x0ABC;
  Buf()[0x2107] = 0x3F62;
  Program_EpromClick(*m);
  ASSERT_EQ(Status(), "Device is Programmed...");
  Verify_EpromClick(*m);
  EXPECT_EQ(Status(), "Device Verified to Buffer...");
  EXPECT_FALSE(m->link.Memo1().Visible());
  EXPECT_EQ(host.Captions_Of("StaticText2").back(), "Verifying Device to Buffer...");

  const uint16_t word = Buf()[0x100];
  Buf()[0x100] = word ^ 0x2000;
  Buf()[0x2101] = 0x0ABD;
  Buf()[0x2106] = 0;
  Buf()[0x2107] = 0x3F63;
  Verify_EpromClick(*m);
  EXPECT_EQ(Memo(), (Lines{"0100  EXPECTED-" + common::Hex(word ^ 0x2000, 4) + "  FOUND-" +
                               common::Hex(word, 4),
                           "2101  EXPECTED-0ABD  FOUND-0ABC", "2106  EXPECTED-0000  FOUND-07C0",
                           "2107  EXPECTED-3F63  FOUND-3F62"}));
  EXPECT_EQ(Status(), "Device Did NOT Verify to Buffer...");
  EXPECT_TRUE(m->link.Memo1().Visible());
}

TEST_F(PicOpsTest, VerifyComparesInTheWidthOfThePart) {
  Socket(k16C505);
  Fill_Blank(Buf(), m->Fuse_Blank);  // 0x3FFF everywhere; the part holds 0x0FFF
  Verify_EpromClick(*m);
  EXPECT_EQ(Status(), "Device Verified to Buffer...");
}

TEST_F(PicOpsTest, Reading16F877AFillsProgramMemoryEepromAndTheConfigurationArea) {
  Socket(k16F877A);
  for (uint16_t a = 0; a <= 0x1FFF; ++a) Chip().Program(a, (a * 7 + 3) & 0x3FFF);
  for (uint16_t a = 0; a < 256; ++a) Chip().Program_Data(a, static_cast<uint8_t>(a ^ 0xA5));
  for (uint16_t i = 0; i < 4; ++i) Chip().Program(0x2000 + i, 0x0100 + i);
  Chip().Program(Pic_Chip::kConfig14, 0x3F72);
  Buf().fill(0x1111);

  Move_EpromClick(*m);
  EXPECT_EQ(Status(), "Device Has Been Moved to Buffer...");
  for (uint16_t a = 0; a <= 0x1FFF; ++a) ASSERT_EQ(Buf()[a], (a * 7 + 3) & 0x3FFF) << a;
  for (uint16_t a = 0; a < 256; ++a) ASSERT_EQ(Buf()[0x2000 + a], a ^ 0xA5) << a;
  EXPECT_EQ(
      std::vector<uint16_t>(Buf().begin() + 0x2100, Buf().begin() + 0x2108),
      (std::vector<uint16_t>{0x0100, 0x0101, 0x0102, 0x0103, 0x3FFF, 0x3FFF, 0x0E20, 0x3F72}));
  EXPECT_EQ(Buf()[0x2108], 0x1111);
  EXPECT_EQ(m->Fuse_Word, 0x3F72);
  EXPECT_EQ(m->Fuse.Fuse_Data(), "Fuse = 3F72");
  auto reads = Sent_With(0x20);
  ASSERT_EQ(reads.size(), 10u);
  EXPECT_EQ(Params(reads[8]), (std::vector<uint8_t>{5, 0, 0, 0, 0x01, 0x00}));
}

TEST_F(PicOpsTest, Reading16C5xJoinsTheSplitWordsAndTakesTheConfigurationWordFirst) {
  Socket(k16C52);
  Chip().Program(0, 0x0ABC);
  Chip().Program(0x17F, 0x0123);
  Chip().Program(0x180, 0x0456);
  Chip().Program(Pic_Chip::kConfig12, 0x0FF9);
  Move_EpromClick(*m);
  EXPECT_EQ(Buf()[0], 0x0ABC);
  EXPECT_EQ(Buf()[0x17F], 0x0123);
  EXPECT_EQ(Buf()[0x2100], 0x0456);
  EXPECT_EQ(Buf()[0x2107], 0x0FF9);
  EXPECT_EQ(m->Fuse_Word, 0x0FF9);
}

TEST_F(PicOpsTest, Erasing12F675KeepsItsCalibrationAndBandGapBits) {
  Socket(k12F675);
  Move_EpromClick(*m);
  ASSERT_EQ(Buf()[0x3FF], 0x3484);
  Pattern(0, 0x3FE, 0x3FFF);
  Pattern(0x2100, 0x2103, 0x3FFF, 5);
  for (uint16_t i = 0; i < 128; ++i) Buf()[0x2000 + i] = i;
  Buf()[0x2107] = 0x1F84;
  Program_EpromClick(*m);
  Prg_EEClick(*m);
  ASSERT_EQ(Chip().Word(Pic_Chip::kConfig14), 0x1F84);

  Erase_ButClick(*m);
  for (uint16_t a = 0; a < 0x3FF; ++a) ASSERT_EQ(Chip().Word(a), 0x3FFF) << a;
  EXPECT_EQ(Chip().Word(0x3FF), 0x3484);
  EXPECT_EQ(Chip().Word(Pic_Chip::kConfig14), 0x1FFF);
  EXPECT_EQ(Chip().Word(0x2000), 0x3FFF);
  EXPECT_EQ(Chip().Data(7), 0xFF);
  EXPECT_TRUE(host.messages.empty());
  Blank_ChkClick(*m);
  EXPECT_EQ(Memo(), (Lines{"03FF  EXPECTED-3FFF  FOUND-3484"}));
}

TEST_F(PicOpsTest, Erasing12F509KeepsItsCalibrationAndClearsTheRest) {
  Socket(k12F509);
  Move_EpromClick(*m);
  Pattern(0, 0x3FE, 0x0FFF);
  Pattern(0x2100, 0x2103, 0x0FFF, 6);
  Buf()[0x2107] = 0x0FFD;
  Program_EpromClick(*m);
  ASSERT_EQ(Status(), "Device is Programmed...");
  Erase_ButClick(*m);
  Buf().fill(0);
  Move_EpromClick(*m);
  for (uint16_t a = 0; a < 0x3FF; ++a) ASSERT_EQ(Buf()[a], 0x0FFF) << a;
  EXPECT_EQ(Buf()[0x3FF], 0x0C74);
  EXPECT_EQ(Buf()[0x2100], 0x0FFF);
  EXPECT_EQ(Buf()[0x2107], 0x0FFF);
}

// The 16F87xA keep their ID words and configuration word through programming; a verify lists
// the ones the buffer wants otherwise.
TEST_F(PicOpsTest, Programming16F877AWritesProgramMemoryOnlyAndVerifyListsTheConfigurationArea) {
  Socket(k16F877A);
  Move_EpromClick(*m);
  Pattern(0, 0x1FFF, 0x3FFF);
  Buf()[0x2100] = 0x0001;
  Buf()[0x2107] = 0x3F72;
  Program_EpromClick(*m);
  EXPECT_EQ(Status(), "Device is Programmed...");
  EXPECT_EQ(Chip().Word(0x1234), Buf()[0x1234]);
  EXPECT_EQ(Chip().Word(0x2000), 0x3FFF);
  EXPECT_EQ(Chip().Word(Pic_Chip::kConfig14), 0x3FFF);
  Verify_EpromClick(*m);
  EXPECT_EQ(Memo(), (Lines{"2100  EXPECTED-0001  FOUND-3FFF", "2107  EXPECTED-3F72  FOUND-3FFF"}));
  EXPECT_EQ(Status(), "Device Did NOT Verify to Buffer...");
}

TEST_F(PicOpsTest, QuitDuringAReadEndsItAndTheRestOfTheBufferKeepsItsContents) {
  Socket(k16F877);
  for (uint16_t a = 0; a <= 0x1FFF; ++a) Chip().Program(a, a & 0x3FFF);
  Buf().fill(0x1111);
  m->Fuse_Word = 0x1111;
  bool clicked = false;
  host.on_pump = [&](int) {
    if (!clicked && Sent_With(0x20).size() == 3) {
      clicked = true;
      Quit_AddClick(*m);
    }
  };
  Move_EpromClick(*m);
  host.on_pump = nullptr;
  for (uint16_t a = 0; a < 0x800; ++a) ASSERT_EQ(Buf()[a], a) << a;
  for (size_t a = 0x800; a < Buf().size(); ++a) ASSERT_EQ(Buf()[a], 0x1111) << a;
  EXPECT_EQ(m->Fuse_Word, 0x1111);
  EXPECT_EQ(Status(), "Move Stopped Before the End...");
  auto codes = Codes();
  EXPECT_EQ(std::vector<uint8_t>(codes.end() - 3, codes.end()),
            (std::vector<uint8_t>{0x20, 0x1E, 0x53}));
  EXPECT_EQ(Memo().front(), "Programmer no longer present... PortStatus-0 USB-5");
}

TEST_F(PicOpsTest, DataEepromIsProgrammedAndVerifiedByItsLowByte) {
  Socket(k16F628);
  Fill_Blank(Buf(), m->Fuse_Blank);  // 0x3FFF: the part keeps 0xFF
  Prg_EEClick(*m);
  EXPECT_EQ(Status(), "EEprom Programmed....");
  Verify_EEClick(*m);
  EXPECT_EQ(Status(), "EEprom Verified to Buffer....");
  EXPECT_FALSE(m->link.Memo1().Visible());

  Buf()[0x2005] = 0x0012;
  Verify_EEClick(*m);
  EXPECT_EQ(Memo(), (Lines{"2005  EXPECTED-0012  FOUND-00FF"}));
  EXPECT_EQ(Status(), "EEprom Did NOT Verify to Buffer....");
  EXPECT_EQ(m->Failure, 1);
}

}  // namespace
}  // namespace picprog
