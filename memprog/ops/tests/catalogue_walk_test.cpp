// Every catalogue entry end to end on the simulated programmer: chosen from the list, erased
// where it erases (else blank-checked), programmed with a pseudo-random pattern it can take,
// verified, compared, read back and checked byte by byte in the chip.
#include <cstring>

#include "memprog/catalogue/catalogue.h"
#include "memprog/catalogue/device_list.h"
#include "memprog/core/ranges.h"
#include "memprog/ops/erase.h"
#include "memprog/ops/program.h"
#include "memprog/ops/read_ops.h"
#include "ops_fixture.h"

namespace memprog {
namespace {

// The 4-bit PROMs hold one nibble per byte.
bool Nibble_Wide(const Catalogue_Entry& e) {
  return e.family == 81 || e.family == 85;
}

// The address the chip sees for device address `a`: the M48T08 group holds A13 high, the
// 52B33H A13 and A14.
uint32_t Chip_Address(const Catalogue_Entry& e, uint32_t a) {
  if (e.code == 227) return a | 0x6000;
  if (e.clock == Clock_Type::Timekeeper_A13_High) return a | 0x2000;
  return a;
}

class CatalogueWalkTest : public OpsTest {
 protected:
  void Choose(const Catalogue_Entry& e) {
    progsim::Options o;
    o.keep_log = false;  // megabytes per part; the walk looks at the chip, not at the packets
    Start(o);
    int line = Find_Line_With_Code(e.code);
    ASSERT_GE(line, 0);
    Device_Box1Click(*k, line);
    ASSERT_EQ(k->ui["Device"].caption, e.caption);
    ASSERT_EQ(k->Dev_End_Add, e.last);
    host.messages.clear();
  }
  // Leaves programmed bytes where an erase must clear them.
  void Dirty(const Catalogue_Entry& e) {
    for (uint32_t a = 0; a <= uint32_t(e.last); a += 0x3FF)
      sim->Chip().Poke(Chip_Address(e, a), static_cast<uint8_t>(k->Blank_Value ^ 0x5A));
  }
  void Fill(const Catalogue_Entry& e, uint32_t seed) {
    uint32_t x = seed * 2654435761u + 1;
    for (uint32_t i = 0; i <= uint32_t(e.last); ++i) {
      x ^= x << 13, x ^= x >> 17, x ^= x << 5;
      k->Image_Buffer[i] = static_cast<uint8_t>(Nibble_Wide(e) ? x & 0x0F : x);
    }
  }
  // The first address whose chip byte is not the buffer's; -1 when all are.
  int64_t First_Chip_Difference(const Catalogue_Entry& e, const uint8_t* want) {
    for (uint32_t a = 0; a <= uint32_t(e.last); ++a)
      if (sim->Chip().Read(Chip_Address(e, a)) != want[a]) return a;
    return -1;
  }
  void Walk(const Catalogue_Entry& e) {
    Choose(e);
    if (e.erase != Erase_Type::No_Erase) {
      Dirty(e);
      Erase_ButClick(*k);
      ASSERT_EQ(Status(), "Device is Erased....");
    }
    Blank_ChkClick(*k);
    ASSERT_EQ(Status(), "Device is Erased....") << Memo().front();

    Fill(e, static_cast<uint32_t>(e.code));
    Checksum(*k);  // as after a load: the buffer counts as loaded
    std::vector<uint8_t> pattern(k->Image_Buffer.get(), k->Image_Buffer.get() + e.last + 1);
    Program_EpromClick(*k);
    ASSERT_EQ(Status(), "Device Verified to Buffer....") << (Memo().empty() ? "" : Memo()[0]);
    EXPECT_TRUE(host.questions.empty());
    EXPECT_TRUE(host.messages.empty());
    ASSERT_EQ(First_Chip_Difference(e, pattern.data()), -1);

    CompareClick(*k);
    EXPECT_EQ(Status(), "Device Can be Reprogrammed....");

    for (uint32_t i = 0; i <= uint32_t(e.last); ++i) k->Image_Buffer[i] = ~pattern[i];
    Move_EpromClick(*k);
    EXPECT_EQ(Status(), "Device Has Been Moved to Buffer....");
    ASSERT_EQ(std::memcmp(k->Image_Buffer.get(), pattern.data(), pattern.size()), 0);
    EXPECT_EQ(k->link.Connection, proglink::connection::Ready);
  }
};

TEST_F(CatalogueWalkTest, EveryEntryProgramsVerifiesAndReadsBack) {
  ASSERT_EQ(All_Entries().size(), 342u);
  int walked = 0;
  for (const Catalogue_Entry& e : All_Entries()) {
    SCOPED_TRACE(std::to_string(e.code) + " " + std::string(e.caption));
    Walk(e);
    if (HasFailure()) break;  // one part's story is enough to read
    ++walked;
  }
  EXPECT_EQ(walked, 342);
}

}  // namespace
}  // namespace memprog
