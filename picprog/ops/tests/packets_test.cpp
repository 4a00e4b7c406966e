// The packets each routine sends: codes, parameter bytes, counts, lengths and order.
#include <gtest/gtest.h>

#include <chrono>

#include "common/hex.h"
#include "pic_ops_fixture.h"

namespace picprog {
namespace {

using Bytes = std::vector<uint8_t>;

// The codes sent between the frame's Pic_Begin and the enable step's reset.
Bytes Routine_Codes(const Bytes& all) {
  // busy reset (1E 53), Pic_Begin (10 1C) ... enable reset (1E 53)
  EXPECT_GE(all.size(), 6u);
  EXPECT_EQ(Bytes(all.begin(), all.begin() + 4), (Bytes{0x1E, 0x53, 0x10, 0x1C}));
  EXPECT_EQ(Bytes(all.end() - 2, all.end()), (Bytes{0x1E, 0x53}));
  return Bytes(all.begin() + 4, all.end() - 2);
}

TEST_F(PicOpsTest, PicBeginSendsVoltagesThenBeginOperationLeavingBytesFiveAndSix) {
  Socket(k16F84);
  uint8_t* p = m->link.Packet();
  p[5] = 0xA5;  // what the previous packet left
  p[6] = 0x5A;
  m->link.Vcc_Code = 66;
  Pic_Begin(*m);
  auto sent = sim->Sent();
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_EQ(sent[0].Code(), 0x10);
  EXPECT_EQ(Params(sent[0]), (Bytes{66, 2, 70, 0, 0xA5, 0x5A}));
  EXPECT_EQ(sent[1].Code(), 0x1C);
  EXPECT_EQ(Params(sent[1]), (Bytes{1, 0, 0, 0, 0xA5, 0x5A}));
  EXPECT_EQ(sent[1][7], (0x1C + 1 + 0xA5 + 0x5A) & 0xFF);
}

TEST_F(PicOpsTest, BlankCheckOf14BitPartReadsBlocksThenTheConfigurationArea) {
  Socket(k16F84);
  Blank_ChkClick(*m);
  EXPECT_EQ(Routine_Codes(Codes()), (Bytes{0x20, 0x22, 0x20}));
  auto reads = Sent_With(0x20);
  EXPECT_EQ(Params(reads[0]), (Bytes{4, 0, 0, 0, 0x04, 0x00}));
  EXPECT_EQ(Params(Sent_With(0x22)[0]), (Bytes{0, 0x3F, 0xFF, 0, 0, 0}));
  EXPECT_EQ(Params(reads[1]), (Bytes{4, 0, 0, 0, 0, 8}));
  EXPECT_EQ(Params(Sent_With(0x10)[0]).at(0), 2);  // 5 V
  EXPECT_EQ(Refused(), 0u);
}

TEST_F(PicOpsTest, A16C52IsHandledInOneBlockOf384Words) {
  Socket(k16C52);
  Move_EpromClick(*m);
  auto reads = Sent_With(0x20);
  ASSERT_EQ(reads.size(), 3u);
  EXPECT_EQ(Count(reads[0]), 1);  // the configuration word first
  EXPECT_EQ(Count(reads[1]), 384);
  EXPECT_EQ(Count(reads[2]), 4);  // the ID words
  EXPECT_EQ(host.Captions_Of("Quit_Add"), (std::vector<std::string>{"0180"}));
}

TEST_F(PicOpsTest, A16F877IsReadInEightBlocksOf1024AndQuitAddShowsEachEnd) {
  Socket(k16F877);
  Verify_EpromClick(*m);
  auto reads = Sent_With(0x20);
  ASSERT_EQ(reads.size(), 9u);
  for (size_t i = 0; i < 8; ++i) EXPECT_EQ(Count(reads[i]), 1024);
  EXPECT_EQ(Count(reads[8]), 8);
  std::vector<std::string> shown;
  for (unsigned i = 1; i <= 8; ++i) shown.push_back(common::Hex(i * 0x400, 4));
  EXPECT_EQ(host.Captions_Of("Quit_Add"), shown);
}

TEST_F(PicOpsTest, P5xSetsUpWritesBlocksIdWordsThenRestartsForTheConfigurationWord) {
  Socket(k16C52);
  Pattern(0, 0x17F, 0x0FFF);
  Pattern(0x2100, 0x2103, 0x0FFF, 2);
  Buf()[0x2107] = 0x0FF9;
  Program_EpromClick(*m);
  EXPECT_EQ(Status(), "Device is Programmed...");
  EXPECT_EQ(Routine_Codes(Codes()), (Bytes{0x22, 0x30, 0x30, 0x1E, 0x53, 0x10, 0x1C, 0x30}));
  EXPECT_EQ(Params(Sent_With(0x22)[0]), (Bytes{16, 0, 0, 2, 0, 0}));
  auto programs = Sent_With(0x30);
  EXPECT_EQ(Params(programs[0]), (Bytes{16, 0, 0, 0, 0x01, 0x80}));
  EXPECT_EQ(programs[0].data.size(), 768u);
  EXPECT_EQ(Data_Word(programs[0], 0x17F), Buf()[0x17F]);
  // The ID words ride in a packet of the last block's length.
  EXPECT_EQ(Params(programs[1]), (Bytes{16, 0, 0, 0, 0, 4}));
  EXPECT_EQ(programs[1].data.size(), 768u);
  for (size_t i = 0; i < 4; ++i) EXPECT_EQ(Data_Word(programs[1], i), Buf()[0x2100 + i]);
  EXPECT_EQ(Params(programs[2]), (Bytes{100, 0, 0, 0, 0, 1}));
  EXPECT_EQ(programs[2].data.size(), 2u);
  EXPECT_EQ(Data_Word(programs[2], 0), 0x0FF9);
  EXPECT_EQ(Refused(), 0u);
  EXPECT_EQ(Chip().Word(progsim::Pic_Chip::kConfig12), 0x0FF9);
}

TEST_F(PicOpsTest, P14WritesTheEightConfigurationAreaWordsIn24Bytes) {
  Socket(k16F877);
  Pattern(0, 0x1FFF, 0x3FFF);
  Pattern(0x2100, 0x2107, 0x3FFF, 3);
  Buf()[0x2107] = 0x3F7A;
  Program_EpromClick(*m);
  EXPECT_EQ(Status(), "Device is Programmed...");
  auto programs = Sent_With(0x30);
  ASSERT_EQ(programs.size(), 9u);
  for (size_t i = 0; i < 8; ++i) {
    EXPECT_EQ(Params(programs[i]), (Bytes{4, 2, 0, 0, 0x04, 0x00}));
    EXPECT_EQ(programs[i].data.size(), 2048u);
    EXPECT_EQ(Data_Word(programs[i], 5), Buf()[i * 1024 + 5]);
  }
  EXPECT_EQ(Params(programs[8]), (Bytes{4, 2, 0, 0, 0, 8}));
  EXPECT_EQ(programs[8].data.size(), 16u);
  for (size_t i = 0; i < 8; ++i) EXPECT_EQ(Data_Word(programs[8], i), Buf()[0x2100 + i]);
  EXPECT_EQ(Routine_Codes(Codes()).at(8), 0x22);  // Load Configuration between
  EXPECT_EQ(Refused(), 0u);
}

TEST_F(PicOpsTest, PnewWritesIdWordsThenStepsToTheConfigurationWord) {
  Socket(k16F684);
  Pattern(0, 0x7FF, 0x3FFF);
  Pattern(0x2100, 0x2107, 0x3FFF, 4);
  Buf()[0x2107] = 0x32E4;
  Program_EpromClick(*m);
  EXPECT_EQ(Status(), "Device is Programmed...");
  EXPECT_EQ(Routine_Codes(Codes()), (Bytes{0x30, 0x30, 0x22, 0x30, 0x22, 0x22, 0x22, 0x30}));
  auto commands = Sent_With(0x22);
  EXPECT_EQ(Params(commands[0]), (Bytes{0, 0x3F, 0xFF, 0, 0, 0}));
  for (size_t i = 1; i <= 3; ++i) EXPECT_EQ(Params(commands[i]), (Bytes{6, 0, 0, 1, 0, 0}));
  auto programs = Sent_With(0x30);
  // Count 4 in a packet carrying all eight words, then count 1 in a packet as long.
  EXPECT_EQ(Params(programs[2]), (Bytes{4, 2, 0, 0, 0, 4}));
  EXPECT_EQ(programs[2].data.size(), 16u);
  for (size_t i = 0; i < 8; ++i) EXPECT_EQ(Data_Word(programs[2], i), Buf()[0x2100 + i]);
  EXPECT_EQ(Params(programs[3]), (Bytes{4, 2, 0, 0, 0, 1}));
  EXPECT_EQ(programs[3].data.size(), 16u);
  EXPECT_EQ(Data_Word(programs[3], 0), 0x32E4);
  EXPECT_EQ(Refused(), 0u);
  EXPECT_EQ(Chip().Word(0x2007), 0x32E4);
  EXPECT_EQ(Chip().Word(0x2003), Buf()[0x2103]);
}

TEST_F(PicOpsTest, P12StepsPastTheConfigurationWordAndRestartsToWriteIt) {
  Socket(k12C508);
  Pattern(0, 0x1FF, 0x0FFF);
  Pattern(0x2100, 0x2103, 0x0FFF, 5);
  Buf()[0x2107] = 0x001D;
  Program_EpromClick(*m);
  EXPECT_EQ(Status(), "Device is Programmed...");
  EXPECT_EQ(Routine_Codes(Codes()), (Bytes{0x22, 0x30, 0x30, 0x1E, 0x53, 0x10, 0x1C, 0x30}));
  EXPECT_EQ(Params(Sent_With(0x22)[0]), (Bytes{6, 0, 0, 1, 0, 0}));
  auto programs = Sent_With(0x30);
  EXPECT_EQ(Params(programs[0]), (Bytes{4, 2, 0, 0, 0x02, 0x00}));
  EXPECT_EQ(programs[0].data.size(), 1024u);
  EXPECT_EQ(Params(programs[1]), (Bytes{4, 2, 0, 0, 0, 4}));
  EXPECT_EQ(programs[1].data.size(), 8u);
  EXPECT_EQ(Params(programs[2]), (Bytes{4, 2, 0, 0, 0, 1}));
  EXPECT_EQ(programs[2].data.size(), 2u);
  EXPECT_EQ(Data_Word(programs[2], 0), 0x001D);
  EXPECT_EQ(m->Fuse_Word, 0x001D);
  EXPECT_EQ(Chip().Word(0x200), Buf()[0x2100]);  // ID words follow program memory
  EXPECT_EQ(Chip().Word(progsim::Pic_Chip::kConfig12), 0x001D);
}

TEST_F(PicOpsTest, ChipEraseStepsToTheConfigurationWordThenErasesTwice) {
  Socket(k16F84);
  Erase_ButClick(*m);
  auto commands = Sent_With(0x22);
  ASSERT_EQ(Routine_Codes(Codes()), Bytes(13, 0x22));
  EXPECT_EQ(Params(commands[0]), (Bytes{0, 0x3F, 0xFF, 0, 0, 0}));
  for (size_t i = 1; i <= 7; ++i) EXPECT_EQ(Params(commands[i]), (Bytes{6, 0, 0, 1, 0, 0}));
  std::vector<uint8_t> numbers;
  for (size_t i = 8; i < 13; ++i) {
    numbers.push_back(commands[i][1]);
    EXPECT_EQ(Params(commands[i]).at(3), 0);
  }
  EXPECT_EQ(numbers, (Bytes{1, 7, 8, 1, 7}));
  EXPECT_EQ(host.Captions_Of("StaticText2"),
            (std::vector<std::string>{"Eraseing Device...", "Erasing Device..."}));
}

TEST_F(PicOpsTest, BulkEraseLoadsConfigurationAndDataThenErasesBothMemories) {
  Socket(79);  // 16F628A
  Erase_ButClick(*m);
  ASSERT_EQ(Routine_Codes(Codes()), Bytes(4, 0x22));
  auto commands = Sent_With(0x22);
  EXPECT_EQ(Params(commands[0]), (Bytes{0, 0x3F, 0xFF, 0, 0, 0}));
  EXPECT_EQ(Params(commands[1]), (Bytes{2, 0x3F, 0xFF, 0, 0, 0}));
  EXPECT_EQ(Params(commands[2]), (Bytes{9, 0, 0, 1, 0, 0}));
  EXPECT_EQ(Params(commands[3]), (Bytes{11, 0, 0, 1, 0, 0}));
}

TEST_F(PicOpsTest, Erase629ReadsCalibrationAndConfigurationThenWritesThemBack) {
  Socket(k12F675);
  Erase_ButClick(*m);
  EXPECT_EQ(Routine_Codes(Codes()), (Bytes{0x20, 0x22, 0x20, 0x22, 0x22, 0x22, 0x22, 0x1E, 0x53,
                                           0x10, 0x1C, 0x30, 0x22, 0x30}));
  auto reads = Sent_With(0x20);
  EXPECT_EQ(Params(reads[0]), (Bytes{4, 0, 0, 0, 0x04, 0x00}));
  EXPECT_EQ(Params(reads[1]), (Bytes{4, 0, 0, 0, 0, 8}));
  auto programs = Sent_With(0x30);
  EXPECT_EQ(Params(programs[0]), (Bytes{4, 2, 0, 0, 0x04, 0x00}));
  ASSERT_EQ(programs[0].data.size(), 2048u);
  for (size_t i = 0; i < 0x3FF; ++i) ASSERT_EQ(Data_Word(programs[0], i), 0x3FFF) << i;
  EXPECT_EQ(Data_Word(programs[0], 0x3FF), 0x3484);
  EXPECT_EQ(Params(programs[1]), (Bytes{4, 2, 0, 0, 0, 8}));
  ASSERT_EQ(programs[1].data.size(), 16u);
  EXPECT_EQ(Data_Word(programs[1], 6), 0x3FFF);
  EXPECT_EQ(Data_Word(programs[1], 7), 0x1FFF);  // 12F675 band gap 01
  EXPECT_EQ(host.Captions_Of("StaticText2").back(), "Programming Band Gap & Osc Cal...");
  EXPECT_TRUE(host.questions.empty());
}

TEST_F(PicOpsTest, Erase509ReadsProgramMemoryThenWritesOnlyTheCalibrationBack) {
  Socket(k12F509);
  Erase_ButClick(*m);
  EXPECT_EQ(Routine_Codes(Codes()), (Bytes{0x22, 0x20, 0x22, 0x1E, 0x53, 0x10, 0x1C, 0x22, 0x30}));
  auto commands = Sent_With(0x22);
  EXPECT_EQ(Params(commands[0]), (Bytes{6, 0, 0, 1, 0, 0}));
  EXPECT_EQ(Params(commands[1]), (Bytes{9, 0, 0, 1, 0, 0}));
  EXPECT_EQ(Params(Sent_With(0x20)[0]), (Bytes{4, 0, 0, 0, 0x04, 0x00}));
  auto program = Sent_With(0x30).at(0);
  EXPECT_EQ(Params(program), (Bytes{4, 2, 0, 0, 0x04, 0x00}));
  ASSERT_EQ(program.data.size(), 2048u);
  EXPECT_EQ(Data_Word(program, 0), 0x0FFF);
  EXPECT_EQ(Data_Word(program, 0x3FF), 0x0C74);
}

TEST_F(PicOpsTest, ProgramEeSendsOneWordPerByteAndOneByteMore) {
  Socket(k16F628);
  for (uint16_t i = 0; i < 128; ++i) Buf()[0x2000 + i] = static_cast<uint16_t>(0x80 ^ i);
  Prg_EEClick(*m);
  EXPECT_EQ(Status(), "EEprom Programmed....");
  EXPECT_EQ(host.Captions_Of("StaticText2").at(0), "Verifying Device to Buffer....");
  auto program = Sent_With(0x30).at(0);
  EXPECT_EQ(Params(program), (Bytes{5, 3, 0, 0, 0, 0x10}));
  ASSERT_EQ(program.data.size(), 2u * 128 + 1);
  EXPECT_EQ(Data_Word(program, 5), 0x85);
  EXPECT_EQ(Chip().Data(127), 0xFF);
  EXPECT_EQ(Chip().Data(5), 0x85);
}

TEST_F(PicOpsTest, VerifyEeStartsThePartAgainAndReadsTheDataArea) {
  Socket(k16F877);
  Verify_EEClick(*m);
  EXPECT_EQ(Routine_Codes(Codes()), (Bytes{0x10, 0x1C, 0x20}));
  EXPECT_EQ(Params(Sent_With(0x20)[0]), (Bytes{5, 0, 0, 0, 0x01, 0x00}));
}

TEST_F(PicOpsTest, VerifyVoltageComesFromVVerifyAndEverythingElseRunsAtFiveVolts) {
  Socket(k16F628);
  auto vcc_of = [&](proglink::Outcome (*handler)(Mcu9&)) {
    sim->Clear_Log();
    handler(*m);
    std::vector<uint8_t> out;
    for (auto& t : Sent_With(0x10)) out.push_back(t[1]);
    return out;
  };
  m->Verify_Volts = 0;  // "3 Volts"
  EXPECT_EQ(vcc_of(Verify_EpromClick), (Bytes{0}));
  EXPECT_EQ(vcc_of(Verify_EEClick), (Bytes{0, 0}));
  EXPECT_EQ(vcc_of(Blank_ChkClick), (Bytes{2}));
  EXPECT_EQ(vcc_of(Move_EpromClick), (Bytes{2}));
  m->Verify_Volts = 2;  // "6 Volts"
  EXPECT_EQ(vcc_of(Verify_EpromClick), (Bytes{66}));
  EXPECT_EQ(vcc_of(Program_EpromClick), (Bytes{2}));
  m->Verify_Volts = 1;
  EXPECT_EQ(vcc_of(Verify_EpromClick), (Bytes{2}));
}

TEST_F(PicOpsTest, TheFixedWaitsAreKept) {
  auto took_ms = [&](int code, proglink::Outcome (*handler)(Mcu9&)) {
    Socket(code);
    auto start = std::chrono::steady_clock::now();
    handler(*m);
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start)
        .count();
  };
  EXPECT_GE(took_ms(k16F84, Erase_ButClick), 2 * 20);    // E-CP
  EXPECT_GE(took_ms(k16F877A, Erase_ButClick), 2 * 50);  // E-bulk
  EXPECT_GE(took_ms(k12F675, Erase_ButClick), 2 * 10);   // E-629
  EXPECT_GE(took_ms(k12F509, Erase_ButClick), 10);       // E-509
  EXPECT_GE(took_ms(k16C52, Program_EpromClick), 100);   // P-5x before the configuration word
}

TEST_F(PicOpsTest, NoDeviceSelectedSendsNothing) {
  Socket(k16F84);
  m->Family = 0;
  for (auto handler : {Blank_ChkClick, Program_EpromClick, Verify_EpromClick, Move_EpromClick,
                       Erase_ButClick, Prg_EEClick, Verify_EEClick})
    handler(*m);
  EXPECT_TRUE(sim->Sent().empty());
}

TEST_F(PicOpsTest, FamilyWithoutAnEraseRoutineOnlyStartsAndEnds) {
  Socket(k16C52);
  Erase_ButClick(*m);
  EXPECT_EQ(Routine_Codes(Codes()), Bytes{});
}

}  // namespace
}  // namespace picprog
