// The timekeeper clock: Program Time and Read Time by clock type and device size.
#include "memprog/ops/clock.h"

#include <cstring>

#include "memprog/ops/read_ops.h"
#include "ops_fixture.h"

namespace memprog {
namespace {

constexpr int kM48T02 = 210, kM48T08 = 211, kM48T59 = 212, kM48T512Y = 216;

const char* const kFields[9] = {"Time_1", "Time_2", "Time_3", "Time_4", "Time_5",
                                "Time_6", "Time_7", "Time_8", "Time_9"};

class ClockTest : public OpsTest {
 protected:
  std::vector<std::string> Fields() {
    std::vector<std::string> out;
    for (const char* f : kFields) out.push_back(k->ui[f].caption);
    return out;
  }
  static uint32_t Address24(const progsim::Transfer& t) { return t[2] << 16 | t[3] << 8 | t[4]; }
};

TEST_F(ClockTest, ProgramTimeSendsTheNineFieldsAfterTheBlock) {
  Select(kM48T02);
  Prg_TimeClick(*k);
  EXPECT_EQ(Codes(), (std::vector<uint8_t>{0x1E, 0x53, 0x10, 0x1C, 0x3E, 0x1E, 0x53}));
  EXPECT_EQ(Sent_With(0x1C).at(0)[1], 2);
  auto t = Sent_With(0x3E).at(0);
  EXPECT_EQ(t[1], 0);
  EXPECT_EQ(Address24(t), 0x0007F8u);
  EXPECT_EQ(t[5], 0);
  EXPECT_EQ(t[6], 7);
  ASSERT_EQ(t.data.size(), 2049u);
  std::vector<uint8_t> clock(t.data.begin() + 2040, t.data.end());
  EXPECT_EQ(clock, (std::vector<uint8_t>{0x00, 0x00, 0x45, 0x17, 0x07, 0x23, 0x12, 0x07, 0x20}));
  EXPECT_EQ(sim->Chip().Read(0x7FB), 0x17);  // hours
  EXPECT_EQ(sim->Chip().Read(0x7F1), 0x20);  // the century, below the registers
  EXPECT_EQ(Status(), "Programming Time....");
  EXPECT_EQ(k->link.Write_Len, 8u);
}

TEST_F(ClockTest, ReadTimeTakesTheRegistersAndTheCenturyOfTheTopBlock) {
  Select(kM48T02);
  const uint8_t regs[8] = {0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88};
  for (uint32_t i = 0; i < 8; ++i) sim->Chip().Poke(0x7F8 + i, regs[i]);
  sim->Chip().Poke(0x7F1, 0x19);
  Read_TimeClick(*k);
  auto reads = Sent_With(0x20);
  ASSERT_EQ(reads.size(), 1u);
  EXPECT_EQ(Address(reads[0]), 0u);
  EXPECT_EQ(Count(reads[0]), 2048u);
  EXPECT_EQ(Sent_With(0x1C).at(0)[1], 1);
  EXPECT_EQ(Fields(),
            (std::vector<std::string>{"11", "22", "33", "44", "55", "66", "77", "88", "19"}));
  EXPECT_EQ(Status(), "Clock Read....");
}

TEST_F(ClockTest, TheClockIsAddressedFromTheTopOfEachPart) {
  struct Case {
    int code;
    uint32_t program_at;  // bytes 2-4 of 0x3E
    uint32_t read_at;     // the block of 0x20
  };
  for (Case c : {Case{kM48T59, 0x001FF8, 0x1800}, Case{kM48T08, 0x003FF8, 0x3800},
                 Case{kM48T512Y, 0x07FFF8, 0x7F800}}) {
    Select(c.code);
    k->ui.User_Caption("Time_4", "09");
    Prg_TimeClick(*k);
    EXPECT_EQ(Address24(Sent_With(0x3E).at(0)), c.program_at) << c.code;
    k->ui.User_Caption("Time_4", "00");
    Read_TimeClick(*k);
    EXPECT_EQ(Address(Sent_With(0x20).at(0)), c.read_at) << c.code;
    EXPECT_EQ(k->ui["Time_4"].caption, "09") << c.code;  // what was written reads back
    EXPECT_EQ(k->ui["Time_9"].caption, "20") << c.code;
  }
}

TEST_F(ClockTest, TheClockStaysAtTheTopOfThePartWhenTheRangeIsNarrowed) {
  Select(kM48T59);
  k->Dev_End_Add = 0x0FFF;  // the user works on the lower half only
  for (uint32_t a = 0xFF0; a <= 0xFFF; ++a) sim->Chip().Poke(a, 0xA5);
  Prg_TimeClick(*k);
  EXPECT_EQ(Address24(Sent_With(0x3E).at(0)), 0x001FF8u);
  for (uint32_t a = 0xFF0; a <= 0xFFF; ++a) EXPECT_EQ(sim->Chip().Read(a), 0xA5) << a;
  EXPECT_EQ(sim->Chip().Read(0x1FFB), 0x17);
  k->ui.User_Caption("Time_4", "00");
  Read_TimeClick(*k);
  auto read = Sent_With(0x20).at(0);
  EXPECT_EQ(Address(read), 0x1800u);
  EXPECT_EQ(Count(read), 2048u);
  EXPECT_EQ(k->ui["Time_4"].caption, "17");
  EXPECT_EQ(k->Dev_End_Add, 0x0FFF);  // the range is the user's still
}

TEST_F(ClockTest, VerifyOfANarrowedRangeChecksItsLastBytes) {
  Select(kM48T59);
  k->Dev_End_Add = 0x0FFF;
  std::memset(k->Image_Buffer.get(), 0xFF, 0x2000);
  sim->Chip().Poke(0xFFD, 0x00);  // ordinary memory, not the clock
  Verify_EpromClick(*k);
  EXPECT_EQ(Status(), "Device Did NOT Verify to Buffer....");
  EXPECT_EQ(Memo().at(1), "00FFD  EXPECTED-FF FOUND-00");
}

TEST_F(ClockTest, AFieldThatIsNotHexSendsNothing) {
  Select(kM48T02);
  k->ui.User_Caption("Time_3", "1G");
  Prg_TimeClick(*k);
  EXPECT_TRUE(sim->Sent().empty());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].kind, proglink::Box::Error);
  EXPECT_NE(host.messages[0].text.find("1G"), std::string::npos);
  EXPECT_TRUE(Enabled("Prg_Time"));  // nothing started, nothing left disabled
  EXPECT_TRUE(Enabled("Load_But"));
}

TEST_F(ClockTest, AReadThatFailsLeavesTheFieldsAsTheyWere) {
  progsim::Options o;
  Select(kM48T02);
  o.faults = {{progsim::Fault::Silent, sim->Packets_Written() + 5}};  // resets, 0x10, 0x1C, 0x20
  Select(kM48T02, o);
  auto before = Fields();
  Read_TimeClick(*k);
  ASSERT_EQ(Sent_With(0x20).size(), 1u);
  EXPECT_EQ(Fields(), before);
  EXPECT_EQ(Status(), "Programmer no longer present, Click Here to Find Programmer....");
}

TEST_F(ClockTest, ALostProgrammerIsReported) {
  progsim::Options o;
  Select(kM48T02);
  o.faults = {{progsim::Fault::Lose, sim->Packets_Written() + 5}};
  Select(kM48T02, o);
  Prg_TimeClick(*k);
  EXPECT_EQ(Status(), "Programmer no longer present, Click Here to Find Programmer....");
  EXPECT_EQ(k->link.Connection, proglink::connection::None);
  EXPECT_EQ(k->link.Write_Len, 8u);
  EXPECT_FALSE(Enabled("Prg_Time"));
}

}  // namespace
}  // namespace memprog
