#include "memprog/catalogue/catalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "memprog/catalogue/device_list.h"
#include "memprog/catalogue/erase_kinds.h"

namespace memprog {
namespace {

// The families the firmware's algorithm table has parts for.
const std::set<int> kFamilies = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16,
                                 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32,
                                 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 45, 46, 47, 49, 50,
                                 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 64, 65, 67, 68,
                                 80, 81, 82, 83, 84, 85, 86, 87, 88, 89, 90, 91, 93, 94, 95, 96};

TEST(Catalogue, CodesAreUniqueAndInRange) {
  std::set<int> codes;
  for (const Catalogue_Entry& e : All_Entries()) {
    EXPECT_TRUE(codes.insert(e.code).second) << "code " << e.code << " twice";
    EXPECT_GE(e.code, 1);
    EXPECT_LE(e.code, 487);
    EXPECT_EQ(Find_Entry(e.code), &e);
    EXPECT_FALSE(e.caption.empty());
  }
  EXPECT_EQ(codes.size(), 342u);
  EXPECT_EQ(Find_Entry(0), nullptr);
  EXPECT_EQ(Find_Entry(-1), nullptr);
  EXPECT_EQ(Find_Entry(228), nullptr);
  EXPECT_EQ(Find_Entry(488), nullptr);
}

TEST(Catalogue, FamiliesAndVppSelectionsAreThoseTheProgrammerKnows) {
  std::set<int> families, vpps;
  for (const Catalogue_Entry& e : All_Entries()) {
    families.insert(e.family);
    vpps.insert(e.vpp);
  }
  EXPECT_EQ(families, kFamilies);
  EXPECT_EQ(vpps, (std::set<int>{1, 2, 3, 4, 5, 6, 8, 10, 11}));
}

TEST(Catalogue, OptionalFieldsHoldOnlyValuesTheOperationsKnow) {
  const std::set<int> pages = {8, 32, 64, 128, 256};
  const std::set<int> erases = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 15, 20, 21};
  for (const Catalogue_Entry& e : All_Entries()) {
    SCOPED_TRACE(std::string(e.caption));
    EXPECT_TRUE(!e.pulse || (*e.pulse >= 1 && *e.pulse <= 7));
    EXPECT_EQ(e.blank.value_or(0), 0);
    EXPECT_TRUE(!e.page || pages.contains(*e.page));
    EXPECT_TRUE(!e.id_last || *e.id_last == 31 || *e.id_last == 63 || *e.id_last == 127);
    if (e.erase != Erase_Type::No_Erase) {
      EXPECT_TRUE(erases.contains(static_cast<int>(e.erase)));
    }
    // Only 8051-family micros have lock bits, and only the flash ones erase from Erase_But2.
    if (e.security != Security_Type::No_Security) {
      EXPECT_TRUE(std::set<int>({88, 89, 90, 91, 93, 94}).contains(e.family));
    }
    if (static_cast<int>(e.erase) > 19) {
      EXPECT_TRUE(std::set<int>({89, 90, 91, 93}).contains(e.family));
    }
    EXPECT_TRUE(e.clock == Clock_Type::No_Clock || (e.family >= 14 && e.family <= 16));
  }
}

// The size a list line states: "32K X 8" is 32768 bytes; x16 parts take two bytes a word, 4-bit
// PROMs one byte a nibble and the 64 X 1 RF/RP5H01 one byte for eight bits.
int32_t Size_Of_Line(const std::string& line) {
  const std::string text = line.substr(0, line.find_last_not_of(' ', 39) + 1);
  const size_t x = text.rfind(" X ");
  if (x == std::string::npos) return 0;
  const size_t count_start = text.rfind(' ', x - 1) + 1;
  const std::string count = text.substr(count_start, x - count_start);
  const size_t digits = count.find_first_not_of("0123456789");
  int32_t words = std::stoi(count);
  const std::string unit = digits == std::string::npos ? "" : count.substr(digits);
  if (unit == "K" || unit == "k") words *= 1024;
  if (unit == "M" || unit == "Meg") words *= 1024 * 1024;
  const int bits = std::stoi(text.substr(x + 3));
  if (bits == 16) return words * 2;
  if (bits == 1) return words / 8;
  return words;  // 8 bits, or a 4-bit PROM's nibble in a byte
}

TEST(Catalogue, LastAddressMatchesTheSizeTheListStates) {
  // Where the entry's size is not the stated organisation: the AT89S8252 has 2K of data EEPROM
  // after its 8K of flash; the 16911 and 16812 entries are half the size their lines state.
  const std::map<int, int32_t> other_size = {
      {472, 0x2800}, {473, 0x2800}, {335, 0x80}, {336, 0x100}};
  for (const std::string& line : Device_List_Lines()) {
    const Catalogue_Entry* e = Find_Entry(Code_Of_Line(line));
    if (!e) continue;
    SCOPED_TRACE(line);
    const int32_t size = e->last + 1;
    EXPECT_GT(size, 0);
    EXPECT_LE(size, 0x1000000);
    EXPECT_TRUE((size & (size - 1)) == 0 || size % 1024 == 0);
    auto other = other_size.find(e->code);
    EXPECT_EQ(size, other != other_size.end() ? other->second : Size_Of_Line(line));
  }
}

TEST(Catalogue, PageModeFamiliesSetAPageSizeAndTheOthersNone) {
  const std::set<int> paged = {13, 21, 22, 27, 51, 52, 53, 61, 62, 64, 65, 68};
  for (const Catalogue_Entry& e : All_Entries()) {
    EXPECT_EQ(e.page.has_value(), paged.contains(e.family)) << e.caption;
  }
}

TEST(Catalogue, RowsAsSelectionsSetThem) {
  const Catalogue_Entry* e = Find_Entry(1);
  ASSERT_TRUE(e);
  EXPECT_EQ(e->caption, "2716");
  EXPECT_EQ(e->family, 1);
  EXPECT_EQ(e->last, 0x7FF);
  EXPECT_EQ(e->vpp, 1);
  EXPECT_EQ(e->pulse, 7);
  EXPECT_FALSE(e->blank || e->page || e->id_last);
  EXPECT_EQ(e->erase, Erase_Type::No_Erase);
  EXPECT_EQ(e->security, Security_Type::No_Security);
  EXPECT_EQ(e->protect, Protect_Type::No_Protect);
  EXPECT_EQ(e->clock, Clock_Type::No_Clock);

  e = Find_Entry(211);
  ASSERT_TRUE(e);
  EXPECT_EQ(e->caption, "M48T08/18/58");
  EXPECT_EQ(e->family, 15);
  EXPECT_EQ(e->last, 0x1FFF);
  EXPECT_EQ(e->clock, Clock_Type::Timekeeper_A13_High);
  EXPECT_EQ(Find_Entry(212)->clock, Clock_Type::Timekeeper);

  e = Find_Entry(464);
  ASSERT_TRUE(e);
  EXPECT_EQ(e->caption, "AT89C51");
  EXPECT_EQ(e->family, 89);
  EXPECT_EQ(e->last, 0xFFF);
  EXPECT_EQ(e->vpp, 4);
  EXPECT_EQ(e->pulse, 1);
  EXPECT_EQ(e->erase, Erase_Type::Vpp_Atmel_Micro);
  EXPECT_EQ(e->security, Security_Type::Lock_87C5x);

  e = Find_Entry(87);
  ASSERT_TRUE(e);
  EXPECT_EQ(e->caption, "28C010");
  EXPECT_EQ(e->family, 22);
  EXPECT_EQ(e->last, 0x1FFFF);
  EXPECT_EQ(e->page, 128);
  EXPECT_EQ(e->id_last, 127);

  EXPECT_FALSE(Find_Entry(301)->page);  // 24(LC)02 keeps the page size it finds
  EXPECT_EQ(Find_Entry(25)->blank, 0);  // CY27C256
  EXPECT_FALSE(Find_Entry(20)->blank);  // 27C256: back to the reset value
  EXPECT_EQ(Find_Entry(108)->protect, Protect_Type::Protect_Command);  // AT29C010
  EXPECT_EQ(Find_Entry(181)->family, 43);                              // M28F102
  EXPECT_EQ(Find_Entry(181)->last, 0x1FFFF);
  EXPECT_EQ(Find_Entry(474)->vpp, 8);  // AT89C51RC
  EXPECT_EQ(Find_Entry(486)->security, Security_Type::Lock_P89);
}

// A kind an entry names without a row in its table would leave the operation without a procedure.
TEST(Catalogue, EveryEraseKindHasItsProcedureAndEveryClockAddressItsFlags) {
  for (const Catalogue_Entry& e : All_Entries()) {
    SCOPED_TRACE(std::string(e.caption));
    const Erase_Kind* kind = Find_Erase_Kind(e.erase);
    ASSERT_NE(kind, nullptr);
    EXPECT_EQ(kind->type, e.erase);
    EXPECT_EQ(kind->second_button, static_cast<int>(e.erase) > 19);
    EXPECT_EQ(kind->procedure == Erase_Procedure::Sector_List, !kind->sectors.empty());
    EXPECT_EQ(e.clock == Clock_Type::Timekeeper_A13_High, e.address == Address_Flags::A13_High);
    EXPECT_EQ(e.code == 227, e.address == Address_Flags::A13_A14_High);
  }
  for (int type = 0; type <= 21; ++type)
    EXPECT_NE(Find_Erase_Kind(static_cast<Erase_Type>(type)), nullptr) << type;
  EXPECT_EQ(Find_Erase_Kind(static_cast<Erase_Type>(22)), nullptr);
  EXPECT_EQ(Find_Erase_Kind(Erase_Type::Sectors_28F001BX)->sectors.size(), 7u);
}

TEST(Catalogue, CaptionsDifferFromListTextWhereThePartIsKnownByAnotherName) {
  EXPECT_EQ(Find_Entry(24)->caption, "87C256");  // 87C257 line
  EXPECT_EQ(Find_Entry(34)->caption, "27V010");  // 27V101 line
  EXPECT_EQ(Find_Entry(40)->caption, "271000 Nec");
  EXPECT_EQ(Find_Entry(41)->caption, "27(C)011");
  EXPECT_EQ(Find_Entry(136)->caption, "A29002/0021");
  EXPECT_EQ(Find_Entry(206)->caption, "M48Z512A(Y)");  // M48Z5129A(Y) line
  EXPECT_EQ(Find_Entry(331)->caption, "85C72");        // 87C52 serial line
  EXPECT_EQ(Find_Entry(425)->caption, "74S472(A/B)");
}

}  // namespace
}  // namespace memprog
