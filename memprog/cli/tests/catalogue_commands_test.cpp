// list, info and socket.
#include "cli_fixture.h"
#include "memprog/catalogue/device_list.h"
#include "memprog/diagrams/diagrams.h"

namespace memprog::cli {
namespace {

class CatalogueCommandsTest : public CliTest {};

TEST_F(CatalogueCommandsTest, ListShowsTheWholeDeviceListAsTheWindowDoes) {
  EXPECT_EQ(Run({"list"}), 0);
  std::string expected;
  for (const std::string& line : Device_List_Lines()) expected += line + "\n";
  EXPECT_EQ(out.str(), expected);
  EXPECT_EQ(Out_Lines().size(), 464u);
}

TEST_F(CatalogueCommandsTest, ListWithTextShowsTheDeviceLinesHoldingItInAnyCase) {
  EXPECT_EQ(Run({"list", "m48t08"}), 0);
  EXPECT_EQ(out.str(), "M48T08(Y)    ST      (5V)       8K X 8  211\n");
  EXPECT_EQ(Run({"list", "Eprom"}), 1);  // headings are no device lines
  EXPECT_TRUE(out.str().empty());
  EXPECT_EQ(Run({"list", "at89c51"}), 0);
  EXPECT_EQ(Out_Lines().size(), 2u);  // AT89C51 and AT89C51RC
  EXPECT_EQ(Run({"list", "no such part"}), 1);
  EXPECT_TRUE(out.str().empty());
  EXPECT_EQ(err.str(), "kv9: no device line holds 'no such part'\n");
}

TEST_F(CatalogueCommandsTest, InfoOfAFewDevices) {
  ASSERT_EQ(Run({"-d", "27C256", "info"}), 0);
  EXPECT_EQ(out.str(),
            "Code=20 Caption=27C256 Family=4 Last=07FFF Vpp=6 VppCaption=\"Vpp = 12.75\" Pulse=3 "
            "Blank=FF IdLast=0 Erase=0 Security=0 Protect=0 Clock=0 Socket=Pin_28\n");
  ASSERT_EQ(Run({"-d", "28c010", "info"}), 0);
  EXPECT_EQ(out.str(),
            "Code=87 Caption=28C010 Family=22 Last=1FFFF Vpp=5 VppCaption=\"Vpp = 5\" Pulse=3 "
            "Blank=FF Page=128 IdLast=127 Erase=0 Security=0 Protect=0 Clock=0 Socket=Pin_32\n");
  ASSERT_EQ(Run({"-d", "M48T08/18/58", "info"}), 0);
  EXPECT_EQ(out.str(),
            "Code=211 Caption=M48T08/18/58 Family=15 Last=01FFF Vpp=5 VppCaption=\"Vpp = 5\" "
            "Pulse=3 Blank=FF IdLast=0 Erase=0 Security=0 Protect=0 Clock=2 Socket=Pin_28\n");
  ASSERT_EQ(Run({"-d", "464", "info"}), 0);
  EXPECT_EQ(out.str(),
            "Code=464 Caption=AT89C51 Family=89 Last=00FFF Vpp=4 VppCaption=\"Vpp = 12\" Pulse=1 "
            "Blank=FF IdLast=0 Erase=20 Security=1 Protect=0 Clock=0 Socket=A875X\n");
  ASSERT_EQ(Run({"-d", "27C32 National", "info"}), 0);  // a caption with a blank is quoted
  EXPECT_EQ(out.str().rfind("Code=226 Caption=\"27C32 National\" Family=95 ", 0), 0u);
  EXPECT_NE(out.str().find(" Socket=none\n"), std::string::npos);
  EXPECT_TRUE(sim->Sent().empty());  // nothing needed the programmer
}

TEST_F(CatalogueCommandsTest, SocketPrintsTheDiagramOfTheFamily) {
  ASSERT_EQ(Run({"-d", "27C256", "socket"}), 0);
  std::string expected;
  for (const std::string& line : Diagram_Lines("Pin_28")) expected += line + "\n";
  EXPECT_EQ(out.str(), expected);
  ASSERT_EQ(Run({"-d", "226", "socket"}), 0);  // family 95 has none
  EXPECT_TRUE(out.str().empty());
  EXPECT_EQ(err.str(), "kv9: the window shows no socket diagram for the 27C32 National\n");
}

}  // namespace
}  // namespace memprog::cli
