// Naming the device: by code, by caption in any case, by a part name of the list, and what a
// name that fits several devices or none tells the user.
#include "memprog/cli/device_lookup.h"

#include "cli_fixture.h"

namespace memprog::cli {
namespace {

TEST(DeviceLookup, ByCodeOrCaptionInAnyCase) {
  EXPECT_EQ(Find_Device("20").code, 20);
  EXPECT_EQ(Find_Device("27C256").code, 20);
  EXPECT_EQ(Find_Device("27c256").code, 20);
  EXPECT_EQ(Find_Device("m48t08/18/58").code, 211);
  EXPECT_EQ(Find_Device("2716").code, 1);   // a caption of digits is no code: no code is 2716
  EXPECT_EQ(Find_Device("27C32").code, 8);  // the caption, not the "27C32 National" line's part
}

TEST(DeviceLookup, ByAPartNameOfTheListWhenNoCaptionFits) {
  EXPECT_EQ(Find_Device("M48T18").code, 211);
  EXPECT_EQ(Find_Device("28(c)010").code, 87);
}

TEST(DeviceLookup, ANameOfSeveralDevicesListsThem) {
  Device_Match m = Find_Device("29F040");
  EXPECT_EQ(m.code, 0);
  EXPECT_EQ(m.problem, "'29F040' names several devices; give the code of one of them:");
  ASSERT_EQ(m.candidates.size(), 2u);
  EXPECT_EQ(m.candidates[0].substr(40), "144");
  EXPECT_EQ(m.candidates[1].substr(40), "165");
}

TEST(DeviceLookup, AnUnknownNameListsTheDevicesThatHoldIt) {
  Device_Match m = Find_Device("t08");
  EXPECT_EQ(m.code, 0);
  EXPECT_EQ(m.problem, "no device 't08'; devices whose names are like it:");
  ASSERT_EQ(m.candidates.size(), 1u);
  EXPECT_EQ(m.candidates[0].rfind("M48T08(Y)", 0), 0u);

  m = Find_Device("27c");  // hundreds: the list is cut
  ASSERT_EQ(m.candidates.size(), 11u);
  EXPECT_EQ(m.candidates.back().rfind("... and ", 0), 0u);

  m = Find_Device("Q-NONE");
  EXPECT_EQ(m.problem, "no device 'Q-NONE' (kv9 list shows the devices)");
  EXPECT_TRUE(m.candidates.empty());
  EXPECT_EQ(Find_Device("0").code, 0);    // code 0 is no device
  EXPECT_EQ(Find_Device("104").code, 0);  // a list code without a catalogue entry
}

class LookupCliTest : public CliTest {};

TEST_F(LookupCliTest, AnAmbiguousOrUnknownDeviceIsAUsageError) {
  EXPECT_EQ(Run({"-d", "29f040", "info"}), 2);
  EXPECT_EQ(err.str().rfind("kv9: '29f040' names several devices; give the code of one of them:\n"
                            "  29F040    MXIC       (5V)     512K X 8  144\n"
                            "  29F040    Winbond    (5V)     512K X 8  165\n",
                            0),
            0u);
  EXPECT_EQ(Run({"-d", "99999", "info"}), 2);
  EXPECT_TRUE(out.str().empty());
}

}  // namespace
}  // namespace memprog::cli
