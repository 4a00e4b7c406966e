#include "memprog/catalogue/electronic_id.h"

#include <gtest/gtest.h>

#include "memprog/catalogue/catalogue.h"
#include "memprog/catalogue/device_list.h"

namespace memprog {
namespace {

TEST(Electronic_Id, KnownPairsNameThePartAndTheLineToHighlight) {
  Id_Match m = Look_Up_Id(0x89, 0x8C);
  EXPECT_TRUE(m.mfg_known && m.dev_known);
  EXPECT_EQ(m.mfg_caption, "Mfg. Intel");
  EXPECT_EQ(m.name, "27C256");
  EXPECT_EQ(m.code, 20);
  EXPECT_TRUE(Device_List_Lines()[Find_Line_With_Code(m.code)].starts_with("27C256 "));

  m = Look_Up_Id(0x01, 0xA2);
  EXPECT_EQ(m.name, "28F010A");
  EXPECT_EQ(m.code, 97);
  EXPECT_TRUE(Device_List_Lines()[Find_Line_With_Code(m.code)].starts_with("28F010 "));

  m = Look_Up_Id(0x20, 0xD7);
  EXPECT_EQ(m.name, "29W800T");
  EXPECT_EQ(m.code, 180);
  EXPECT_TRUE(Device_List_Lines()[Find_Line_With_Code(m.code)].starts_with("M29W800 "));

  EXPECT_EQ(Id_Texts(0x89, 0x8C).mfg, "Mfg. Intel");
  EXPECT_EQ(Id_Texts(0x89, 0x8C).dev, "27C256");
}

TEST(Electronic_Id, NamedPartsWithoutAnEntryOrIdentification) {
  Id_Match m = Look_Up_Id(0x1F, 0x21);
  EXPECT_EQ(m.mfg_caption, "Mfg. Atmel Flash");
  EXPECT_EQ(m.name, "49F008T");
  EXPECT_EQ(m.code, kIdCodeNoEntry);
  EXPECT_EQ(Find_Line_With_Code(m.code), -1);

  m = Look_Up_Id(0xBF, 0x5D);
  EXPECT_TRUE(m.dev_known);
  EXPECT_EQ(m.name, "29E/L/VE512");
  EXPECT_EQ(m.code, 0);
  EXPECT_EQ(Id_Texts(0xBF, 0x5D).dev, "29E/L/VE512");

  // Am29LV160 must not lead to the M28F102's 64K x 16 entry.
  EXPECT_EQ(Look_Up_Id(0x01, 0x49).name, "29LV160B");
  EXPECT_EQ(Look_Up_Id(0x01, 0x49).code, kIdCodeNoEntry);
  EXPECT_EQ(Look_Up_Id(0x01, 0xC4).name, "29LV160T");
  EXPECT_EQ(Look_Up_Id(0x01, 0xC4).code, kIdCodeNoEntry);

  // Intel's 94 and 95 are the two 28F001BX versions, whose entry they lead to.
  EXPECT_EQ(Look_Up_Id(0x89, 0x94).name, "28F001BX-T");
  EXPECT_EQ(Look_Up_Id(0x89, 0x95).name, "28F001BX-B");
  EXPECT_EQ(Find_Entry(Look_Up_Id(0x89, 0x95).code)->caption, "28F001BX");
}

TEST(Electronic_Id, UnlistedBytesShowAsHex) {
  Id_Match m = Look_Up_Id(0x37, 0x12);
  EXPECT_FALSE(m.mfg_known || m.dev_known);
  EXPECT_TRUE(m.mfg_caption.empty() && m.name.empty());
  EXPECT_EQ(m.code, 0);
  EXPECT_EQ(Id_Texts(0x37, 0x12).mfg, "Mfg Id - 37");
  EXPECT_EQ(Id_Texts(0x37, 0x12).dev, "Dev Id - 12");
  // A listed maker with an unlisted device byte; an unlisted maker with a byte others list.
  EXPECT_EQ(Id_Texts(0x89, 0x0A).mfg, "Mfg. Intel");
  EXPECT_EQ(Id_Texts(0x89, 0x0A).dev, "Dev Id - 0A");
  EXPECT_EQ(Look_Up_Id(0x89, 0x0A).code, 0);
  EXPECT_EQ(Id_Texts(0x0F, 0x8C).mfg, "Mfg Id - 0F");
  EXPECT_EQ(Id_Texts(0x0F, 0x8C).dev, "Dev Id - 8C");
  EXPECT_EQ(Id_Texts(0xFF, 0xFF).dev, "Dev Id - FF");
}

TEST(Electronic_Id, MakersWithTwoBytesShareOneTable) {
  EXPECT_EQ(Look_Up_Id(0x15, 0x8C).mfg_caption, "Mfg. Atmel");
  EXPECT_EQ(Look_Up_Id(0x1E, 0x8C).mfg_caption, "Mfg. Atmel OTP");
  EXPECT_EQ(Look_Up_Id(0x20, 0x41).mfg_caption, "Mfg. ST");
  EXPECT_EQ(Look_Up_Id(0x21, 0x41).mfg_caption, "Mfg. ST");
  EXPECT_EQ(Look_Up_Id(0x88, 0x8C).mfg_caption, "Mfg. Intel OTP");
  for (int dev = 0; dev < 256; ++dev) {
    const auto d = static_cast<uint8_t>(dev);
    for (auto [a, b] : {std::pair{0x15, 0x1E}, {0x20, 0x21}, {0x88, 0x89}}) {
      Id_Match x = Look_Up_Id(a, d), y = Look_Up_Id(b, d);
      EXPECT_EQ(x.dev_known, y.dev_known);
      EXPECT_EQ(x.name, y.name);
      EXPECT_EQ(x.code, y.code);
    }
  }
}

TEST(Electronic_Id, EveryRowLeadsToALineOrIsMarkedAsLeadingNowhere) {
  int makers = 0, pairs = 0;
  for (int mfg = 0; mfg < 256; ++mfg) {
    makers += Look_Up_Id(static_cast<uint8_t>(mfg), 0).mfg_known;
    for (int dev = 0; dev < 256; ++dev) {
      Id_Match m = Look_Up_Id(static_cast<uint8_t>(mfg), static_cast<uint8_t>(dev));
      if (!m.dev_known) {
        EXPECT_EQ(m.code, 0);
        continue;
      }
      ++pairs;
      EXPECT_TRUE(m.mfg_known);
      EXPECT_FALSE(m.name.empty());
      if (m.code == 0 || m.code == kIdCodeNoEntry) continue;
      EXPECT_NE(Find_Entry(m.code), nullptr) << m.name;
      EXPECT_GE(Find_Line_With_Code(m.code), 1) << m.name;
    }
  }
  EXPECT_EQ(makers, 17);
  // AMD 35, Fujitsu 1, NEC 1, Atmel 7 twice, Atmel Flash 29, ST 22 twice, Microchip 6,
  // Intel 36 twice, National 5, TI 11, Toshiba 2, OKI 4, SST 7, WinBond 8.
  EXPECT_EQ(pairs, 35 + 1 + 1 + 14 + 29 + 44 + 6 + 72 + 5 + 11 + 2 + 4 + 7 + 8);
}

}  // namespace
}  // namespace memprog
