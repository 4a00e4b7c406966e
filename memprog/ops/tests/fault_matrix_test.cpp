// Faults injected at every packet of a program run, a verify run and a read run of a 27C256: each
// run must end, leave the window idle as the connection allows, stop at the first failure and never
// claim a result that a failed packet stands behind.
#include <algorithm>

#include "memprog/ops/program.h"
#include "memprog/ops/read_ops.h"
#include "ops_fixture.h"

namespace memprog {
namespace {

constexpr int k27C256 = 20;
constexpr uint32_t kSize = 0x8000;
constexpr int kPump_Limit = 1000000;  // far beyond any run: a wait that never ends

const char* const kProgrammed = "Device is Programmed....";
const char* const kNot_Programmed = "Device DID NOT Program....";
const char* const kVerified = "Device Verified to Buffer....";
const char* const kMoved = "Device Has Been Moved to Buffer....";
const char* const kLost = "Programmer no longer present, Click Here to Find Programmer....";

const char* const kDevice_Buttons[] = {"Program_Eprom", "Verify_Eprom", "Move_Eprom",
                                       "Blank_Chk",     "Compare",      "Quit_Func_But",
                                       "Vpp_But",       "Auto_Verify"};
const char* const kBuffer_Buttons[] = {"Load_But", "Save_But",     "Fill",     "Edit",
                                       "Device",   "Start_Add",    "End_Add",  "Chk_Sum_But",
                                       "Help",     "Prg_Type_But", "File_But", "Start_Buf_Add"};

enum class Run_Kind { Program, Verify, Read };

// What the clean run sent: where it starts among the programmer's packets, and its packets.
struct Clean_Run {
  uint64_t first = 0;  // index of the run's first packet (1-based, since the programmer started)
  std::vector<uint8_t> codes;
  uint64_t Last(uint8_t code) const {
    auto it = std::find(codes.rbegin(), codes.rend(), code);
    return it == codes.rend() ? 0 : first + static_cast<uint64_t>(codes.rend() - it) - 1;
  }
  uint64_t End() const { return first + codes.size() - 1; }
};

class FaultMatrixTest : public OpsTest {
 protected:
  void Prepare(Run_Kind run, progsim::Options o = {}) {
    Select(k27C256, o);
    for (uint32_t i = 0; i < kSize; ++i)
      k->Image_Buffer[i] = static_cast<uint8_t>((i * 0x9E3779B1u) >> 24);
    k->Buffer_Loaded = 1;
    if (run != Run_Kind::Program)
      for (uint32_t i = 0; i < kSize; ++i) sim->Chip().Poke(i, k->Image_Buffer[i]);
    if (run == Run_Kind::Read) std::fill_n(k->Image_Buffer.get(), kSize, uint8_t{0});
    captions_before_ = host.Captions_Of("StaticText3").size();
    host.on_pump = [this](int) {
      if (++pumps_ == kPump_Limit) {
        ADD_FAILURE() << "the run does not end";
        k->link.Stop_Code = proglink::stop::Lost;
      }
    };
    pumps_ = 0;
  }
  void Go(Run_Kind run) {
    if (run == Run_Kind::Program)
      Program_EpromClick(*k);
    else if (run == Run_Kind::Verify)
      Verify_EpromClick(*k);
    else
      Move_EpromClick(*k);
  }
  Clean_Run Measure(Run_Kind run) {
    Prepare(run);
    Clean_Run c;
    c.first = sim->Packets_Written() + 1;
    Go(run);
    c.codes = Codes();
    return c;
  }
  // Every status text the run showed.
  std::vector<std::string> Statuses() {
    auto all = host.Captions_Of("StaticText3");
    return {all.begin() + static_cast<std::ptrdiff_t>(captions_before_), all.end()};
  }
  bool Showed(const char* text) {
    auto s = Statuses();
    return std::find(s.begin(), s.end(), text) != s.end();
  }
  bool Chip_Holds_The_Buffer() {
    for (uint32_t i = 0; i < kSize; ++i)
      if (sim->Chip().Read(i) != k->Image_Buffer[i]) return false;
    return true;
  }
  // The state every run must end in, whatever went wrong.
  void Expect_Idle() {
    EXPECT_EQ(k->link.Write_Len, 8u);
    EXPECT_EQ(k->link.Timer_Interval(), 1000);
    EXPECT_FALSE(host.timer_running);
    for (const char* b : kBuffer_Buttons) EXPECT_TRUE(Enabled(b)) << b;
    for (const char* b : kDevice_Buttons)
      EXPECT_EQ(Enabled(b), k->link.Connection == proglink::connection::Ready) << b;
    EXPECT_EQ(k->ui["StaticText3"].colour, k->link.Status_Tag == proglink::status_tag::Good
                                               ? proglink::Colour::Lime
                                               : proglink::Colour::Red);
  }
  // No programming block goes out after one that failed, and no verify follows it.
  void Expect_Nothing_After_Failed_Block(size_t failed_block) {
    auto sent = sim->Sent();
    size_t blocks = 0;
    for (size_t i = 0; i < sent.size(); ++i) {
      if (sent[i].Code() != 0x30 || ++blocks != failed_block) continue;
      for (size_t j = i + 1; j < sent.size(); ++j) {
        EXPECT_NE(sent[j].Code(), 0x30) << "a block after the failed one";
        EXPECT_NE(sent[j].Code(), 0x20) << "a verify after the failed block";
      }
    }
    EXPECT_EQ(Sent_With(0x30).size(), failed_block);
    for (uint32_t a = static_cast<uint32_t>(failed_block - 1) * 2048; a < kSize; a += 0x101)
      EXPECT_EQ(sim->Chip().Read(a), 0xFF) << "programmed after the failed block";
  }
  std::string Log_Line() {
    return k->link.Memo2().Lines().empty() ? "" : k->link.Memo2().Lines().front();
  }

  size_t captions_before_ = 0;
  int pumps_ = 0;
};

const progsim::Fault::Kind kPacket_Faults[] = {progsim::Fault::Lose, progsim::Fault::Silent,
                                               progsim::Fault::Short_Write};

const char* Name(progsim::Fault::Kind kind) {
  switch (kind) {
    case progsim::Fault::Lose:
      return "lose";
    case progsim::Fault::Silent:
      return "silent";
    case progsim::Fault::Short_Write:
      return "shortwrite";
    default:
      return "failblock";
  }
}

TEST_F(FaultMatrixTest, TheCleanRunsAreWhatTheMatrixAssumes) {
  Clean_Run p = Measure(Run_Kind::Program);
  EXPECT_EQ(std::count(p.codes.begin(), p.codes.end(), 0x30), 16);
  EXPECT_EQ(std::count(p.codes.begin(), p.codes.end(), 0x20), 16);  // auto-verify
  EXPECT_EQ(Status(), kVerified);
  Clean_Run v = Measure(Run_Kind::Verify);
  EXPECT_EQ(std::count(v.codes.begin(), v.codes.end(), 0x20), 16);
  EXPECT_EQ(Status(), kVerified);
  Clean_Run r = Measure(Run_Kind::Read);
  EXPECT_EQ(std::count(r.codes.begin(), r.codes.end(), 0x20), 16);
  EXPECT_EQ(Status(), kMoved);
  EXPECT_TRUE(Chip_Holds_The_Buffer());
}

TEST_F(FaultMatrixTest, APacketFaultAnywhereInAProgramRun) {
  const Clean_Run clean = Measure(Run_Kind::Program);
  const uint64_t last_block = clean.Last(0x30), last_read = clean.Last(0x20);
  for (auto kind : kPacket_Faults) {
    for (uint64_t at = clean.first; at <= clean.End() + 1; ++at) {
      SCOPED_TRACE(std::string(Name(kind)) + "@" + std::to_string(at) + " (packet " +
                   std::to_string(at - clean.first + 1) + " of the run)");
      progsim::Options o;
      o.faults = {{kind, at}};
      Prepare(Run_Kind::Program, o);
      Go(Run_Kind::Program);
      Expect_Idle();
      bool in_run = at <= clean.End();
      uint8_t code = in_run ? clean.codes[at - clean.first] : 0;
      // A fault up to the last block costs the programming; up to the last read, the verify.
      if (at <= last_block) {
        EXPECT_FALSE(Showed(kProgrammed));
        EXPECT_TRUE(Showed(kNot_Programmed));
        EXPECT_EQ(host.Message_Texts(), std::vector<std::string>{kNot_Programmed});
        EXPECT_TRUE(Sent_With(0x20).empty()) << "verified after a failed programming";
      } else {
        EXPECT_TRUE(Showed(kProgrammed));
        EXPECT_TRUE(host.messages.empty());
      }
      if (at <= last_read) {
        EXPECT_FALSE(Showed(kVerified));
      }
      if (Showed(kVerified)) {
        EXPECT_TRUE(Chip_Holds_The_Buffer());
      }
      if (code == 0x30) {
        size_t block = static_cast<size_t>(
            std::count(clean.codes.begin(), clean.codes.begin() + (at - clean.first + 1), 0x30));
        if (kind == progsim::Fault::Lose) --block;  // never got out
        EXPECT_EQ(Sent_With(0x30).size(), block);
      }
      // What the user is told about the link.
      bool lost = in_run && (kind == progsim::Fault::Lose ||
                             (kind == progsim::Fault::Short_Write && code != 0x30));
      EXPECT_EQ(k->link.Connection,
                lost ? proglink::connection::None : proglink::connection::Ready);
      if (lost && at <= last_read) {
        EXPECT_EQ(Status(), kLost);
      }
      if (in_run && kind == progsim::Fault::Silent) {
        EXPECT_EQ(Log_Line().rfind("Programmer no longer present... PortStatus-0 USB-6", 0), 0u)
            << Log_Line();
      }
      // A block's write goes unanswered when the programmer is gone: the wait's queue query
      // fails and says so with the driver's status.
      if (kind == progsim::Fault::Lose && code == 0x30) {
        EXPECT_EQ(Log_Line().rfind("Programmer no longer present... PortStatus-", 0), 0u);
        EXPECT_EQ(Log_Line().find("PortStatus-0 "), std::string::npos) << Log_Line();
      }
      // A loss before the verdict is in the status text; the verify's start clears Memo1.
      if (in_run && kind != progsim::Fault::Silent && (!lost || at > last_read)) {
        EXPECT_NE(std::find(Memo().begin(), Memo().end(), "USB Device Write TimeOut ..."),
                  Memo().end());
      }
    }
  }
}

TEST_F(FaultMatrixTest, AFailedBlockAnywhereInAProgramRun) {
  for (size_t n = 1; n <= 17; ++n) {
    SCOPED_TRACE("failblock@" + std::to_string(n));
    progsim::Options o;
    o.faults = {{progsim::Fault::Fail_Block, n}};
    Prepare(Run_Kind::Program, o);
    Go(Run_Kind::Program);
    Expect_Idle();
    EXPECT_EQ(k->link.Connection, proglink::connection::Ready);
    if (n > 16) {
      EXPECT_EQ(Status(), kVerified);
      EXPECT_TRUE(Chip_Holds_The_Buffer());
      continue;
    }
    EXPECT_EQ(Status(), kNot_Programmed);
    EXPECT_FALSE(Showed(kProgrammed));
    EXPECT_FALSE(Showed(kVerified));
    EXPECT_EQ(host.Message_Texts(), std::vector<std::string>{kNot_Programmed});
    Expect_Nothing_After_Failed_Block(n);
  }
}

TEST_F(FaultMatrixTest, APacketFaultAnywhereInAVerifyRun) {
  const Clean_Run clean = Measure(Run_Kind::Verify);
  const uint64_t last_read = clean.Last(0x20);
  for (auto kind : kPacket_Faults) {
    for (uint64_t at = clean.first; at <= clean.End() + 1; ++at) {
      SCOPED_TRACE(std::string(Name(kind)) + "@" + std::to_string(at) + " (packet " +
                   std::to_string(at - clean.first + 1) + " of the run)");
      progsim::Options o;
      o.faults = {{kind, at}};
      Prepare(Run_Kind::Verify, o);
      Go(Run_Kind::Verify);
      Expect_Idle();
      bool in_run = at <= clean.End();
      EXPECT_EQ(Showed(kVerified), at > last_read);
      EXPECT_FALSE(Showed("Device Did NOT Verify to Buffer...."));  // nothing differs
      bool lost = in_run && kind != progsim::Fault::Silent;
      EXPECT_EQ(k->link.Connection,
                lost ? proglink::connection::None : proglink::connection::Ready);
      if (lost && at <= last_read) {
        EXPECT_EQ(Status(), kLost);
      }
      if (in_run && kind == progsim::Fault::Silent && at <= last_read) {
        EXPECT_EQ(Status(), "Verifying Device to Buffer....");
      }
      EXPECT_TRUE(host.messages.empty());
    }
  }
}

TEST_F(FaultMatrixTest, APacketFaultAnywhereInAReadRun) {
  const Clean_Run clean = Measure(Run_Kind::Read);
  const uint64_t last_read = clean.Last(0x20);
  for (auto kind : kPacket_Faults) {
    for (uint64_t at = clean.first; at <= clean.End() + 1; ++at) {
      SCOPED_TRACE(std::string(Name(kind)) + "@" + std::to_string(at) + " (packet " +
                   std::to_string(at - clean.first + 1) + " of the run)");
      progsim::Options o;
      o.faults = {{kind, at}};
      Prepare(Run_Kind::Read, o);
      Go(Run_Kind::Read);
      Expect_Idle();
      bool in_run = at <= clean.End();
      // Only a read that got every block may say the device is in the buffer.
      EXPECT_EQ(Showed(kMoved), at > last_read);
      if (Showed(kMoved)) {
        EXPECT_TRUE(Chip_Holds_The_Buffer());
      }
      bool lost = in_run && kind != progsim::Fault::Silent;
      EXPECT_EQ(k->link.Connection,
                lost ? proglink::connection::None : proglink::connection::Ready);
      if (lost && at <= last_read) {
        EXPECT_EQ(Status(), kLost);
      }
    }
  }
}

TEST_F(FaultMatrixTest, FailedBlocksDoNotTouchAVerifyRun) {
  for (uint64_t n = 1; n <= 17; ++n) {
    SCOPED_TRACE("failblock@" + std::to_string(n));
    progsim::Options o;
    o.faults = {{progsim::Fault::Fail_Block, n}};
    Prepare(Run_Kind::Verify, o);
    Go(Run_Kind::Verify);
    Expect_Idle();
    EXPECT_EQ(Status(), kVerified);
    EXPECT_TRUE(Sent_With(0x30).empty());
  }
}

}  // namespace
}  // namespace memprog
