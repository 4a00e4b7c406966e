// Win_Mcu9's own routines against the simulated parts: what each part takes, keeps, hides and
// gives back — its programming cycles, code and data protection, erases and read formats.
#include <gtest/gtest.h>

#include <algorithm>

#include "pic_ops_fixture.h"
#include "picprog/ops/pic_packets.h"
#include "picprog/ops/routines.h"

namespace picprog {
namespace {

using Words = std::vector<uint16_t>;
using proglink::Verdict;
using progsim::Pic_Chip;

class SimulatedPartsTest : public PicOpsTest {
 protected:
  // The addresses of the mismatch lines the last run listed.
  Words Bad() {
    Words bad;
    for (const std::string& line : Memo())
      if (line.find("EXPECTED-") != std::string::npos)
        bad.push_back(static_cast<uint16_t>(std::stoi(line.substr(0, 4), nullptr, 16)));
    return bad;
  }
  Words Buffer_Words(uint16_t from, uint16_t to) {
    return Words(Buf().begin() + from, Buf().begin() + to + 1);
  }
  // A family's erase routine in the frame its handler runs it in, where the part's family does
  // not have that routine (the bulk erase of a part with a calibration word, or of an EPROM).
  void Bulk_Erase() {
    Busy_State(*m);
    m->link.Vcc_Code = 2;
    Pic_Begin(*m);
    Erase(*m, Erase_Routine::E_bulk);
    Enable_Step(*m);
  }
  bool Programs() { return Program_EpromClick(*m).verdict == Verdict::Good; }
};

// ---- 14-bit flash parts with the erase-write cycle (P-14) and the chip erase (E-CP)

TEST_F(SimulatedPartsTest, Pic16F84ProgramsVerifiesReadsBackAndErases) {
  Socket(k16F84);
  EXPECT_EQ(Blank_ChkClick(*m).verdict, Verdict::Good);
  Pattern(0, 0x3FF, 0x3FFF);
  Pattern(0x2100, 0x2103, 0x3FFF, 2);
  Buf()[0x2107] = 0x3FF9;  // protection off (bit 4 set)
  const Pic_Buf written = Buf();
  EXPECT_TRUE(Programs());
  EXPECT_EQ(Chip().Word(0x155), written[0x155]);
  EXPECT_EQ(Chip().Word(0x2002), written[0x2102]);
  EXPECT_EQ(Chip().Word(0x2007), 0x3FF9);

  // The buffer holds no device ID and reserved words: verify lists just those three.
  Verify_EpromClick(*m);
  EXPECT_EQ(Bad(), (Words{0x2104, 0x2105, 0x2106}));

  Buf().fill(0);
  Move_EpromClick(*m);
  EXPECT_TRUE(std::equal(written.begin(), written.begin() + 0x400, Buf().begin()));
  EXPECT_EQ(Buffer_Words(0x2100, 0x2107), (Words{written[0x2100], written[0x2101], written[0x2102],
                                                 written[0x2103], 0x3FFF, 0x3FFF, 0x0560, 0x3FF9}));
  EXPECT_EQ(Verify_EpromClick(*m).verdict, Verdict::Good);

  // Erase-write cycles: programming over programmed words needs no erase first.
  Pattern(0, 0x3FF, 0x3FFF, 7);
  EXPECT_TRUE(Programs());
  EXPECT_EQ(Verify_EpromClick(*m).verdict, Verdict::Good);

  Erase_ButClick(*m);
  EXPECT_EQ(Blank_ChkClick(*m).verdict, Verdict::Good);
  EXPECT_EQ(Chip().Word(0x2007), 0x3FFF);
}

TEST_F(SimulatedPartsTest, CodeProtectionHidesProgramMemoryUntilTheChipErase) {
  Socket(k16F84);
  Pattern(0, 0x3FF, 0x3FFF);
  Buf()[0x2100] = 0x1234;
  Buf()[0x2107] = 0x3FE9;  // bit 4 clear: protected
  EXPECT_TRUE(Programs());
  EXPECT_TRUE(Chip().Code_Protected());

  Buf().fill(0x1111);
  Move_EpromClick(*m);
  EXPECT_TRUE(std::all_of(Buf().begin(), Buf().begin() + 0x400, [](uint16_t w) { return w == 0; }));
  EXPECT_EQ(Buf()[0x2100], 0x1234);  // ID words and configuration stay readable
  EXPECT_EQ(Buf()[0x2107], 0x3FE9);

  // Neither new program words nor a configuration word without protection take.
  Pattern(0, 0x3FF, 0x3FFF, 3);
  Buf()[0x2107] = 0x3FFF;
  EXPECT_FALSE(Programs());
  EXPECT_TRUE(Chip().Code_Protected());

  Erase_ButClick(*m);
  EXPECT_FALSE(Chip().Code_Protected());
  EXPECT_EQ(Blank_ChkClick(*m).verdict, Verdict::Good);
  EXPECT_TRUE(Programs());
}

TEST_F(SimulatedPartsTest, Pic16F628VerifiesItsConfigurationAreaAndKeepsItsDataEeprom) {
  Socket(k16F628);
  Move_EpromClick(*m);  // device ID and reserved words into the buffer
  Pattern(0, 0x7FF, 0x3FFF);
  for (uint16_t i = 0; i < 128; ++i) Buf()[0x2000 + i] = (i * 37 + 5) & 0xFF;
  Buf()[0x2101] = 0x0ABC;
  Buf()[0x2107] = 0x3F62;
  const Pic_Buf written = Buf();
  EXPECT_TRUE(Programs());
  EXPECT_EQ(Prg_EEClick(*m).verdict, Verdict::Good);
  EXPECT_EQ(Chip().Data(0), written[0x2000]);
  EXPECT_EQ(Chip().Data(127), written[0x207F]);
  EXPECT_EQ(Verify_EpromClick(*m).verdict, Verdict::Good);
  EXPECT_EQ(Verify_EEClick(*m).verdict, Verdict::Good);

  // A changed ID word and the configuration word are among the eight compared.
  Buf()[0x2101] = 0x0ABD;
  Buf()[0x2107] = 0x3F63;
  Verify_EpromClick(*m);
  EXPECT_EQ(Bad(), (Words{0x2101, 0x2107}));

  // Reading starts the data EEPROM at address 0, where program memory leaves the counter.
  Buf().fill(0);
  Move_EpromClick(*m);
  EXPECT_EQ(Buf(), written);
  m->Verify_Volts = 0;  // 3 volts
  EXPECT_EQ(Verify_EEClick(*m).verdict, Verdict::Good);
}

TEST_F(SimulatedPartsTest, DataProtectionHidesTheEepromUntilErased) {
  Socket(k16F628);
  Fill_Blank(Buf(), m->Fuse_Blank);
  for (uint16_t i = 0; i < 128; ++i) Buf()[0x2000 + i] = i + 1;
  Prg_EEClick(*m);
  Buf()[0x2107] = 0x3EFF;  // bit 8 clear: data protected
  EXPECT_TRUE(Programs());
  EXPECT_TRUE(Chip().Data_Protected());
  EXPECT_EQ(Chip().Data(5), 6);

  EXPECT_EQ(Verify_EEClick(*m).count, 128u);  // every byte reads 0
  EXPECT_EQ(Prg_EEClick(*m).verdict, Verdict::Device_Failed);

  Erase_ButClick(*m);
  EXPECT_FALSE(Chip().Data_Protected());
  EXPECT_EQ(Chip().Data(5), 0xFF);
}

TEST_F(SimulatedPartsTest, Pic16F877MovesEightBlocksAndItsEepromFromAddressZero) {
  Socket(k16F877);
  Pattern(0, 0x1FFF, 0x3FFF);
  for (uint16_t i = 0; i < 256; ++i) Buf()[0x2000 + i] = 255 - i;
  Buf()[0x2107] = 0x3F7A;
  EXPECT_TRUE(Programs());
  EXPECT_EQ(Prg_EEClick(*m).verdict, Verdict::Good);
  const Pic_Buf written = Buf();

  sim->Clear_Log();
  Buf().fill(0);
  Move_EpromClick(*m);
  EXPECT_EQ(Sent_With(0x20).size(), 8u + 1 + 1);  // program blocks, data EEPROM, configuration
  EXPECT_TRUE(std::equal(written.begin(), written.begin() + 0x2100, Buf().begin()));
  EXPECT_EQ(Buf()[0x2106], 0x09A0);
  EXPECT_EQ(Buf()[0x2107], 0x3F7A);

  Erase_ButClick(*m);
  EXPECT_EQ(Blank_ChkClick(*m).verdict, Verdict::Good);
  EXPECT_EQ(Chip().Data(255), 0xFF);
}

// ---- flash parts programmed without erase cycles (P-row, P-new) and the bulk erase

TEST_F(SimulatedPartsTest, Pic16F877ANeedsTheBulkEraseAndItLiftsProtection) {
  Socket(k16F877A);
  Pattern(0, 0x1FFF, 0x3FFF);
  EXPECT_TRUE(Programs());
  // Bits only fall: a second pattern fails where it needs ones back.
  Pattern(0, 0x1FFF, 0x3FFF, 9);
  EXPECT_FALSE(Programs());
  Erase_ButClick(*m);
  EXPECT_TRUE(Programs());

  // The bulk erase from configuration space lifts code and data protection.
  EXPECT_TRUE(Chip().Program(0x2007, 0x1EFF));
  EXPECT_TRUE(Chip().Code_Protected());
  EXPECT_TRUE(Chip().Data_Protected());
  Erase_ButClick(*m);
  EXPECT_FALSE(Chip().Code_Protected());
  EXPECT_FALSE(Chip().Data_Protected());
  EXPECT_EQ(Blank_ChkClick(*m).verdict, Verdict::Good);
}

TEST_F(SimulatedPartsTest, Pic16F684WritesIdWordsAndConfigurationWithTheNewSequence) {
  Socket(k16F684);
  Move_EpromClick(*m);
  Pattern(0, 0x7FF, 0x3FFF);
  Pattern(0x2100, 0x2103, 0x3FFF, 4);
  Buf()[0x2107] = 0x32E4;
  const Pic_Buf written = Buf();
  EXPECT_TRUE(Programs());
  for (uint16_t i = 0; i < 4; ++i) EXPECT_EQ(Chip().Word(0x2000 + i), written[0x2100 + i]);
  EXPECT_EQ(Chip().Word(0x2007), 0x32E4);
  EXPECT_EQ(Verify_EpromClick(*m).verdict, Verdict::Good);

  // Without an erase first the configuration word cannot rise again.
  Buf()[0x2107] = 0x3FFF;
  EXPECT_FALSE(Programs());
  Erase_ButClick(*m);
  EXPECT_TRUE(Programs());
  EXPECT_EQ(Chip().Word(0x2007), 0x3FFF);
}

// ---- calibration words

TEST_F(SimulatedPartsTest, BulkEraseAloneTakesThe12F629CalibrationAndBandGapBits) {
  Socket(k12F629);
  Bulk_Erase();
  EXPECT_EQ(Chip().Word(0x3FF), 0x3FFF);
  EXPECT_EQ(Chip().Word(0x2007), 0x3FFF);
}

TEST_F(SimulatedPartsTest, The12F509HoldsItsCalibrationWordInTheLastProgramWord) {
  Socket(k12F509);
  Blank_ChkClick(*m);
  EXPECT_EQ(Bad(), (Words{0x03FF}));
  EXPECT_EQ(Chip().Read(0x3FF), 0x0C74);

  Move_EpromClick(*m);
  Pattern(0, 0x3FE, 0x0FFF);
  Pattern(0x2100, 0x2103, 0x0FFF, 6);
  Buf()[0x2107] = 0x0FFD;
  EXPECT_TRUE(Programs());
  EXPECT_EQ(Chip().Word(Pic_Chip::kConfig12), 0x0FFD);
  EXPECT_EQ(Chip().Word(0x400), Buf()[0x2100]);  // ID words follow program memory
}

TEST_F(SimulatedPartsTest, Pic12C508ReadsConfigurationFirstAndKeepsEpromPhysics) {
  Socket(k12C508);
  Move_EpromClick(*m);
  EXPECT_EQ(Buf()[0x2107], 0x0FFF);
  EXPECT_EQ(Buf()[0x1FF], 0x0C60);
  Pattern(0, 0x1FE, 0x0FFF);
  Pattern(0x2100, 0x2103, 0x0FFF, 8);
  Buf()[0x2107] = 0x001D;
  const Pic_Buf written = Buf();
  EXPECT_TRUE(Programs());
  EXPECT_EQ(Verify_EpromClick(*m).verdict, Verdict::Good);
  EXPECT_EQ(Chip().Word(Pic_Chip::kConfig12), 0x001D);

  // Programming bit 3 of the configuration word protects the part: program words read 0, ID
  // words stay readable.
  Buf()[0x2107] = 0x0015;
  EXPECT_TRUE(Programs());
  Buf().fill(0x0777);
  Move_EpromClick(*m);
  EXPECT_EQ(Buf()[0x100], 0);
  EXPECT_EQ(Buf()[0x2102], written[0x2102]);
  EXPECT_EQ(Buf()[0x2107], 0x0015);

  // No electrical erase for EPROM.
  Bulk_Erase();
  EXPECT_EQ(Chip().Word(0x1FF), 0x0C60);
  EXPECT_EQ(Chip().Word(0x100), written[0x100]);
}

TEST_F(SimulatedPartsTest, Pic16C505HasTwelveBitWordsSentHighByteFirst) {
  Socket(k16C505);
  sim->Clear_Log();
  Move_EpromClick(*m);
  EXPECT_EQ(Buf()[0x2107], 0x0FFF);
  EXPECT_EQ(Buf()[0x3FF], 0x0FFF);  // no calibration word
  const auto first_read = std::find_if(sim->Log().begin(), sim->Log().end(),
                                       [](auto& t) { return !t.from_host && t.Code() == 0x20; });
  ASSERT_NE(first_read, sim->Log().end());
  EXPECT_EQ(first_read->data, (std::vector<uint8_t>{0x0F, 0xFF}));  // the configuration word
  Pattern(0, 0x3FF, 0x0FFF);
  Buf()[0x2107] = 0x0FE4;
  EXPECT_TRUE(Programs());
  EXPECT_EQ(Verify_EpromClick(*m).verdict, Verdict::Good);
}

// ---- 16C5x through the adapter

TEST_F(SimulatedPartsTest, Pic16C52ProgramsInOneBlockAndReadsInTheSplitFormat) {
  Socket(k16C52);
  EXPECT_EQ(Blank_ChkClick(*m).verdict, Verdict::Good);
  Pattern(0, 0x17F, 0x0FFF);
  Pattern(0x2100, 0x2103, 0x0FFF, 3);
  Buf()[0x2107] = 0x0FF9;
  const Pic_Buf written = Buf();

  sim->Clear_Log();
  EXPECT_TRUE(Programs());
  const auto blocks = Sent_With(0x30);
  ASSERT_FALSE(blocks.empty());
  EXPECT_EQ(Count(blocks[0]), 0x180);  // 384 words, one block
  EXPECT_EQ(blocks[0].data.size(), 768u);
  EXPECT_EQ(Chip().Word(Pic_Chip::kConfig12), 0x0FF9);
  EXPECT_EQ(Chip().Word(0x180), written[0x2100]);

  sim->Clear_Log();
  Buf().fill(0);
  Move_EpromClick(*m);
  EXPECT_TRUE(std::equal(written.begin(), written.begin() + 0x180, Buf().begin()));
  EXPECT_EQ(Buf()[0x2103], written[0x2103]);
  EXPECT_EQ(Buf()[0x2107], 0x0FF9);
  // The configuration word first, then program memory: bits 11..4, then bits 3..0.
  std::vector<std::vector<uint8_t>> replies;
  for (const progsim::Transfer& t : sim->Log())
    if (!t.from_host && t.Code() == 0x20) replies.push_back(t.data);
  ASSERT_GE(replies.size(), 2u);
  EXPECT_EQ(replies[0], (std::vector<uint8_t>{0xFF, 0x09}));
  EXPECT_EQ(replies[1][0], written[0] >> 4);
  EXPECT_EQ(replies[1][1], written[0] & 0x0F);
  EXPECT_EQ(Verify_EpromClick(*m).verdict, Verdict::Good);
}

TEST_F(SimulatedPartsTest, Pic16C58BTakesTheIdWordsInTheLastBlocksLength) {
  Socket(k16C58B);
  Pattern(0, 0x7FF, 0x0FFF);
  Pattern(0x2100, 0x2103, 0x0FFF, 2);
  Buf()[0x2107] = 0x0FF0;  // protected
  EXPECT_TRUE(Programs());
  EXPECT_TRUE(Chip().Code_Protected());
  EXPECT_EQ(Chip().Word(0x803), Buf()[0x2103]);

  // Protected program words read 0.
  EXPECT_EQ(Verify_EpromClick(*m).count,
            0x800u - std::count(Buf().begin(), Buf().begin() + 0x800, 0));
}

}  // namespace
}  // namespace picprog
