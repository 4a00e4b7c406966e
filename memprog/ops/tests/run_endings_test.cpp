// How runs end when the link fails at their edges: the last block, the closing reset.
#include "memprog/ops/erase.h"
#include "memprog/ops/program.h"
#include "memprog/ops/read_ops.h"
#include "ops_fixture.h"

namespace memprog {
namespace {

constexpr int k27C256 = 20, k28F010 = 97;
const char* const kLost = "Programmer no longer present, Click Here to Find Programmer....";

class RunEndingsTest : public OpsTest {
 protected:
  // Selects the device on a programmer that injects `kind` at the run's nth packet (1-based).
  void Select_With_Fault(int code, progsim::Fault::Kind kind, uint64_t nth) {
    Select(code);
    progsim::Options o;
    o.faults = {{kind, sim->Packets_Written() + nth}};
    Select(code, o);
    k->Buffer_Loaded = 1;
  }
};

TEST_F(RunEndingsTest, LosingTheProgrammerAtTheLastBlockSaysItIsLost) {
  Select_With_Fault(k27C256, progsim::Fault::Lose, 4 + 16);  // resets, 0x10, 0x1C, 16 blocks
  Program_EpromClick(*k);
  EXPECT_EQ(Sent_With(0x30).size(), 15u);
  EXPECT_EQ(Status(), kLost);
  EXPECT_EQ(k->link.Connection, proglink::connection::None);
  EXPECT_EQ(host.Message_Texts(), std::vector<std::string>{"Device DID NOT Program...."});
}

TEST_F(RunEndingsTest, ATimeOutAtTheLastBlockIsNotALostProgrammer) {
  Select_With_Fault(k27C256, progsim::Fault::Silent, 4 + 16);
  Program_EpromClick(*k);
  EXPECT_EQ(Status(), "Device DID NOT Program....");
  EXPECT_EQ(k->link.Connection, proglink::connection::Ready);
  EXPECT_TRUE(Enabled("Program_Eprom"));
}

TEST_F(RunEndingsTest, LosingTheProgrammerAtTheLastZeroBlockSaysItIsLost) {
  Select_With_Fault(k28F010, progsim::Fault::Lose, 4 + 64);
  Erase_ButClick(*k);
  EXPECT_TRUE(Sent_With(0x40).empty());
  EXPECT_EQ(Status(), kLost);
  EXPECT_EQ(k->link.Connection, proglink::connection::None);
}

TEST_F(RunEndingsTest, AProgrammerLostDuringARunLeavesQuitOff) {
  Select_With_Fault(k27C256, progsim::Fault::Lose, 4 + 3);  // a block read
  Verify_EpromClick(*k);
  EXPECT_EQ(Status(), kLost);
  EXPECT_FALSE(Enabled("Quit_Func_But"));
  EXPECT_FALSE(Enabled("Verify_Eprom"));
  EXPECT_TRUE(Enabled("Load_But"));
}

TEST_F(RunEndingsTest, AProgrammerLostInTheClosingResetLeavesTheDeviceButtonsOff) {
  Select_With_Fault(k27C256, progsim::Fault::Lose, 4 + 16 + 1);  // 0x1E after the last read
  Blank_ChkClick(*k);
  EXPECT_EQ(Status(), "Device is Erased....");  // the check itself went through
  EXPECT_EQ(k->link.Connection, proglink::connection::None);
  for (const char* b : {"Program_Eprom", "Verify_Eprom", "Blank_Chk", "Quit_Func_But"})
    EXPECT_FALSE(Enabled(b)) << b;
  EXPECT_TRUE(Enabled("Load_But"));
  EXPECT_EQ(k->ui["StaticText3"].colour, proglink::Colour::Red);
}

TEST_F(RunEndingsTest, AReadThatStopsEarlyDoesNotSayTheDeviceWasMoved) {
  // A time-out in the third block read: the buffer holds two blocks of the part.
  Select_With_Fault(k27C256, progsim::Fault::Silent, 4 + 3);
  Move_EpromClick(*k);
  EXPECT_EQ(Status(), "Moving Device to Buffer....");
  EXPECT_EQ(k->ui["StaticText3"].colour, proglink::Colour::Red);
  // Stopped with Quit.
  Select(k27C256);
  host.on_pump = [&](int) {
    if (!sim->Sent().empty() && sim->Sent().back().Code() == 0x20)
      k->link.Stop_Code = proglink::stop::Quit;
  };
  Move_EpromClick(*k);
  EXPECT_EQ(Status(), "Moving Device to Buffer....");
  host.on_pump = nullptr;
  Move_EpromClick(*k);
  EXPECT_EQ(Status(), "Device Has Been Moved to Buffer....");
}

// What each run returns for the command line to decide on: how it ended, and what it found.
TEST_F(RunEndingsTest, TheOutcomeSaysHowTheRunEnded) {
  using proglink::Verdict;
  struct Row {
    const char* what;
    proglink::Outcome (*run)(Kv9&);
    progsim::Fault::Kind fault;
    uint64_t nth;  // 0: no fault
    Verdict verdict;
  };
  using enum progsim::Fault::Kind;
  const Row rows[] = {
      {"blank check of a blank part", Blank_ChkClick, Lose, 0, Verdict::Good},
      {"programming", Program_EpromClick, Lose, 0, Verdict::Good},
      {"a failed block", Program_EpromClick, Fail_Block, 3, Verdict::Device_Failed},
      // The window says the block did not program; the programmer stopped answering.
      {"a block without a reply", Program_EpromClick, Silent, 4 + 3, Verdict::Time_Out},
      {"a programmer lost while programming", Program_EpromClick, Lose, 4 + 3, Verdict::Lost},
      {"a read without a reply", Verify_EpromClick, Silent, 4 + 3, Verdict::Time_Out},
      {"a programmer lost in the closing reset", Blank_ChkClick, Lose, 4 + 16 + 1, Verdict::Lost},
      {"a closing reset without a reply", Blank_ChkClick, Silent, 4 + 16 + 1, Verdict::Time_Out},
      {"a compare that finds a conflict", CompareClick, Lose, 0, Verdict::Device_Failed},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    if (r.nth == 0)
      Select(k27C256);
    else
      Select_With_Fault(k27C256, r.fault, r.nth);
    k->Buffer_Loaded = 1;
    k->Auto_Verify = 0;
    k->Image_Buffer[0x10] = 0x5A;  // programmed over a blank part, or a conflict over 00
    if (r.run == CompareClick) sim->Chip().Poke(0x10, 0x00);
    EXPECT_EQ(r.run(*k).verdict, r.verdict);
  }

  // Quit during a reply wait stops the run; what it found so far is counted.
  Select(k27C256);
  sim->Chip().Poke(0x12, 0x00);
  sim->Chip().Poke(0x900, 0x00);
  host.on_pump = [&](int) {
    if (sim->Sent().size() > 4 + 1) Quit_Func_ButClick(*k);
  };
  proglink::Outcome stopped = Blank_ChkClick(*k);
  EXPECT_EQ(stopped.verdict, Verdict::Stopped);
  host.on_pump = nullptr;
  proglink::Outcome not_blank = Blank_ChkClick(*k);
  EXPECT_EQ(not_blank.verdict, Verdict::Device_Failed);
  EXPECT_EQ(not_blank.count, 2u);
  EXPECT_EQ(not_blank.first_address, 0x12u);
  EXPECT_EQ(Move_EpromClick(*k).checksum, k->Chk_Sum);
}

// A range whose buffer positions run past the 16 MiB buffer is refused before anything is sent:
// no run works on part of it and reports it whole.
TEST_F(RunEndingsTest, ARangePastTheBufferIsRefusedBeforeAnythingIsSent) {
  struct Row {
    const char* what;
    proglink::Outcome (*run)(Kv9&);
  } rows[] = {{"program", Program_EpromClick},
              {"read", Move_EpromClick},
              {"verify", Verify_EpromClick},
              {"compare", CompareClick}};
  struct Setting {
    int32_t buffer_start;
    Program_Type split;
  } settings[] = {{0x800000, Program_Type::Word_Odd_Low}, {0xFFFFFF, Program_Type::Byte}};
  for (const Row& r : rows) {
    for (const Setting& set : settings) {
      SCOPED_TRACE(r.what);
      Select(k27C256);
      k->Buffer_Loaded = 1;
      k->Buf_Start_Add = set.buffer_start;
      k->Prg_Type = set.split;
      sim->Clear_Log();
      EXPECT_EQ(r.run(*k).verdict, proglink::Verdict::Refused);
      EXPECT_TRUE(sim->Sent().empty());
      ASSERT_FALSE(host.Message_Texts().empty());
      EXPECT_NE(host.Message_Texts().back().find("runs past the end of the 16 MiB buffer"),
                std::string::npos);
    }
  }
}

}  // namespace
}  // namespace memprog
