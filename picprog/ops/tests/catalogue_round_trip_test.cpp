// The routine table against the catalogue's families, and every part of the catalogue end to end on
// the simulated programmer: blank check, erase where the part can be erased, program a pattern,
// verify, read back and compare.
#include <gtest/gtest.h>

#include "common/hex.h"
#include "pic_ops_fixture.h"
#include "picprog/ops/routine_table.h"

namespace picprog {
namespace {

class PicRoundTrip : public PicOpsTest {
 protected:
  void Round_Trip(const Pic_Device& d) {
    Socket(d.code);
    const Family_Routines* routines = Find_Routines(d.family);
    ASSERT_NE(routines, nullptr);
    const uint16_t mask = Word_Mask(routines->core);
    const bool fourteen = routines->core == Core::Serial14;
    // The 16F7x and 16F87xA take program memory only: their ID words and configuration word
    // cannot be written by programming, so the buffer keeps what the part holds there.
    const bool program_only = routines->program == Program_Routine::P_row;

    // What the part holds as it comes: its calibration word, device ID and band-gap bits.
    Move_EpromClick(*m);
    ASSERT_EQ(Status(), "Device Has Been Moved to Buffer...");
    const uint16_t last = Buf()[d.prog_end];
    const bool calibrated = last != mask;
    if (m->Erase_Flag == 1) {
      Erase_ButClick(*m);
      EXPECT_TRUE(host.questions.empty());
      EXPECT_TRUE(host.messages.empty());
    }
    Blank_ChkClick(*m);
    if (calibrated) {
      EXPECT_EQ(Memo(), (std::deque<std::string>{common::Hex(d.prog_end, 4) + "  EXPECTED-" +
                                                 common::Hex(mask, 4) + "  FOUND-" +
                                                 common::Hex(last, 4)}));
    } else {
      EXPECT_EQ(Status(), "Device is Erased...");
    }

    Pattern(0, d.prog_end, mask, static_cast<unsigned>(d.code));
    if (calibrated) Buf()[d.prog_end] = last;
    if (!program_only) {
      Pattern(0x2100, 0x2103, mask, static_cast<unsigned>(d.code) + 1);
      // Another oscillator; the protection bits stay set, so the part stays readable.
      Buf()[kConfig_Word] &= static_cast<uint16_t>(~0x0003);
    }
    const uint16_t ee = EE_End(d.ee_size) >= 0x2000 ? EE_End(d.ee_size) - 0x1FFF : 0;
    for (uint16_t i = 0; i < ee; ++i)
      Buf()[0x2000 + i] = static_cast<uint16_t>((i * 13 + d.code) & 0xFF);
    const Pic_Buf written = Buf();

    Program_EpromClick(*m);
    EXPECT_EQ(Status(), "Device is Programmed...");
    if (ee) {
      Prg_EEClick(*m);
      EXPECT_EQ(Status(), "EEprom Programmed....");
      Verify_EEClick(*m);
      EXPECT_EQ(Status(), "EEprom Verified to Buffer....");
    }
    Verify_EpromClick(*m);
    EXPECT_EQ(Status(), "Device Verified to Buffer...");
    EXPECT_TRUE(Memo().empty()) << Memo().front();

    Buf().fill(0x2AAA);
    Move_EpromClick(*m);
    EXPECT_EQ(Status(), "Device Has Been Moved to Buffer...");
    for (unsigned a = 0; a <= d.prog_end; ++a) ASSERT_EQ(Buf()[a], written[a]) << a;
    for (unsigned i = 0; i < ee; ++i) ASSERT_EQ(Buf()[0x2000 + i], written[0x2000 + i]) << i;
    // The 12-bit parts have their ID words and configuration word only.
    for (unsigned a = 0x2100; a <= 0x2107; ++a) {
      if (!fourteen && a > 0x2103 && a != kConfig_Word) continue;
      EXPECT_EQ(Buf()[a], written[a]) << a;
    }
    EXPECT_EQ(m->Fuse_Word, written[kConfig_Word]);
    EXPECT_EQ(Chip().Word(Chip().Config_Address()), written[kConfig_Word]);
    EXPECT_EQ(Refused(), 0u);
  }
};

TEST(PicRoutineTable, EveryFamilyHasItsRoutinesAndAnEraseWhereTheButtonIsShown) {
  for (const Pic_Family& f : Pic_Families) {
    const Family_Routines* r = Find_Routines(f.family);
    ASSERT_NE(r, nullptr) << f.family;
    EXPECT_EQ(r->erase != Erase_Routine::None, f.erase) << f.family;
    const bool twelve_bit = Fuse_Blank(f.family) == 0x0FFF || f.family == 34;  // 16C505
    EXPECT_EQ(Word_Mask(r->core) == 0x0FFF, twelve_bit) << f.family;
  }
  EXPECT_EQ(Find_Routines(0), nullptr);
  EXPECT_EQ(Find_Routines(4), nullptr);
}

TEST_F(PicRoundTrip, EveryCatalogueEntryProgramsVerifiesAndReadsBack) {
  for (const Pic_Device& d : Pic_Devices) {
    SCOPED_TRACE(std::string(d.caption));
    Round_Trip(d);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace picprog
