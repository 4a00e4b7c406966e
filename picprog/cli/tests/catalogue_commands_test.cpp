// list, info and socket, and naming the device.
#include "mcu9_fixture.h"
#include "picprog/catalogue/device_box.h"
#include "picprog/cli/device_lookup.h"
#include "picprog/diagrams/diagrams.h"
#include "proglink/testing/name_cases.h"

namespace picprog::cli {
namespace {

// PIC names as people write them.
constexpr proglink::Name_Case kPic_Names[] = {
    {"16F877A", 97, false, 0},    // the caption
    {"PIC16F877A", 97, true, 0},  // with the maker's prefix
    {"pic12f675", 10, true, 0},   // in any case
    {"16F84A", 73, true, 0},      // the caption's alternative: 16F84/A
    {"16f84", 73, true, 0},       // its first name, as the list writes it
    {"16C54C", 14, true, 0},      // a letter ending: 16C54B/C
    {"PIC16C74B", 38, true, 0},   // 16C74A/B
    {"16F87", 0, false, 11},      // no such part: the ones like it are offered
    {"PIC16F877B", 0, false, 1},  // another ending is another part: 16F877 only offered
};

TEST(Mcu9Lookup, PicNamesAsPeopleWriteThem) {
  proglink::Expect_Names(kPic_Names, Find_Device);
}

class Mcu9CatalogueTest : public Mcu9Test {};

TEST_F(Mcu9CatalogueTest, ListShowsTheDeviceListAsTheWindowDoes) {
  EXPECT_EQ(Run({"list"}), 0);
  std::string expected;
  for (std::string_view line : Device_Box_Lines) expected += std::string(line) + "\n";
  EXPECT_EQ(out.str(), expected);
  EXPECT_EQ(Out_Lines().size(), 136u);

  EXPECT_EQ(Run({"list", "877"}), 0);
  EXPECT_EQ(out.str(),
            "16F877   (40 Pin)             8K X 14    96\n"
            "16F877A  (40 Pin)             8K X 14    97\n");
  EXPECT_EQ(Run({"list", "ADAPTER"}), 1);  // the heading holds it, but is no device line
  EXPECT_TRUE(out.str().empty());
  EXPECT_EQ(err.str(), "mcu9: no device line holds 'ADAPTER'\n");
}

TEST_F(Mcu9CatalogueTest, InfoOfAFewParts) {
  ASSERT_EQ(Run({"-d", "16f877a", "info"}), 0);
  EXPECT_EQ(out.str(),
            "Code=97 Caption=16F877A Family=23 End=1FFF Pin=75 EE=3 EEEnd=20FF Erase=1 "
            "FuseBlank=3FFF Socket=Pin_40\n");
  ASSERT_EQ(Run({"-d", "12C508/A", "info"}), 0);
  EXPECT_EQ(out.str(),
            "Code=1 Caption=12C508/A Family=30 End=01FF Pin=77 EE=0 EEEnd=0 Erase=0 "
            "FuseBlank=0FFF Socket=Pin_8\n");
  ASSERT_EQ(Run({"-d", "116", "info"}), 0);  // the 16C505: 12-bit, but its blank word is 3FFF
  EXPECT_EQ(out.str(),
            "Code=116 Caption=16C505 Family=34 End=03FF Pin=79 EE=0 EEEnd=0 Erase=0 "
            "FuseBlank=3FFF Socket=Pin_18A\n");
  ASSERT_EQ(Run({"-d", "16F84/A", "info"}), 0);
  EXPECT_EQ(out.str(),
            "Code=73 Caption=16F84/A Family=5 End=03FF Pin=70 EE=0 EEEnd=0 Erase=1 "
            "FuseBlank=3FFF Socket=Pin_18S\n");
  ASSERT_EQ(Run({"-d", "12CE518", "info"}), 0);  // the list's part name; its caption differs
  EXPECT_EQ(out.str().rfind("Code=3 Caption=12C518 ", 0), 0u);
  EXPECT_TRUE(sim->Sent().empty());
}

TEST_F(Mcu9CatalogueTest, SocketPrintsThePanelTheSelectionShows) {
  ASSERT_EQ(Run({"-d", "12C508/A", "socket"}), 0);
  std::string expected;
  for (const std::string& line : Diagram_Lines("Pin_8")) expected += line + "\n";
  EXPECT_EQ(out.str(), expected);
  ASSERT_EQ(Run({"-d", "16C54", "socket"}), 0);
  EXPECT_NE(out.str().find("Note: Mcu 9 Adpater Required"), std::string::npos);
}

TEST_F(Mcu9CatalogueTest, ADeviceNameThatFitsNoneIsAUsageErrorWithCandidates) {
  EXPECT_EQ(Run({"-d", "16F87", "info"}), 2);
  const auto lines = common::Split_Lines(err.str());
  ASSERT_GT(lines.size(), 12u);
  EXPECT_EQ(lines[0], "mcu9: no device '16F87'; devices whose names are like it:");
  EXPECT_EQ(lines[1], "  16F870   (28 Pin)             2K X 14    87");
  EXPECT_EQ(lines[11], "  16F877A  (40 Pin)             8K X 14    97");
  EXPECT_EQ(lines[12], "mcu9 --help shows the usage");

  // Listed, but the window selects nothing for it.
  EXPECT_EQ(Run({"-d", "16f818", "info"}), 2);
  EXPECT_EQ(err.str(),
            "mcu9: '16f818' is in the device list, but its line selects no device\n"
            "mcu9 --help shows the usage\n");
  EXPECT_EQ(Run({"-d", "85", "blank"}), 2);
  EXPECT_EQ(Run({"-d", "Z80", "info"}), 2);
  EXPECT_EQ(err.str().rfind("mcu9: no device 'Z80' (mcu9 list shows the devices)\n", 0), 0u);
  EXPECT_TRUE(out.str().empty());
  EXPECT_TRUE(sim->Sent().empty());
}

}  // namespace
}  // namespace picprog::cli
