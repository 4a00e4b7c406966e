#include "picprog/fuse/fuse_editor.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "picprog/catalogue/catalogue.h"

namespace picprog {
namespace {

class FuseEditor : public ::testing::Test {
 protected:
  // Selecting a device: the blank word, decoded.
  void Select(int family) { ed.Decode(Fuse_Blank(family) & 0x3FFF, family); }

  std::set<std::string> Enabled_Boxes() const {
    std::set<std::string> on;
    for (size_t i = 0; i < kCheck_Boxes; ++i)
      if (ed.Box(static_cast<Check_Box>(i)).enabled) on.insert(std::string(Check_Box_Names[i]));
    return on;
  }
  std::set<std::string> Enabled_Radios() const {
    std::set<std::string> on;
    for (size_t i = 0; i < kOsc_Radios; ++i)
      if (ed.Radio(static_cast<Osc>(i)).enabled) on.insert(std::string(Osc_Names[i]));
    return on;
  }
  std::vector<Osc> Checked_Radios() const {
    std::vector<Osc> on;
    for (size_t i = 0; i < kOsc_Radios; ++i)
      if (ed.Radio(static_cast<Osc>(i)).checked) on.push_back(static_cast<Osc>(i));
    return on;
  }

  uint16_t fuse_word = 0x3FFF;
  uint16_t buffer_copy = 0;
  Fuse_Editor ed{fuse_word, buffer_copy};
};

TEST_F(FuseEditor, StartsAsCreated) {
  EXPECT_EQ(ed.Fuse_Data(), "Fuse = 3FFF");
  EXPECT_EQ(ed.Box(Check_Box::LVP).caption, "Lo Volt Progam On");
  EXPECT_EQ(ed.Box(Check_Box::Cal_Byte).caption, "Program Cal. Byte");
  EXPECT_EQ(ed.Radio(Osc::Ext_Clk).caption, "External RC");
  EXPECT_EQ(Enabled_Boxes(), std::set<std::string>{"Protec"});
  EXPECT_TRUE(Enabled_Radios().empty());
  EXPECT_TRUE(Checked_Radios().empty());
  EXPECT_FALSE(ed.Group(Bor_Group::BORV2).visible);
  EXPECT_FALSE(ed.Encoding_Suppressed());
}

TEST_F(FuseEditor, TwelveBitEightPinWithXtalWatchdogNoProtectionExternalMclr) {
  Select(30);
  ed.Choose_Radio(Osc::Xtal, 30);
  ed.Set_Check(Check_Box::WDT, true, 30);
  ed.Set_Check(Check_Box::Protec, false, 30);
  ed.Set_Check(Check_Box::MCLR, false, 30);
  EXPECT_EQ(fuse_word, 0x001D);
  EXPECT_EQ(buffer_copy, 0x001D);
  EXPECT_EQ(ed.Fuse_Data(), "Fuse = 001D");
}

TEST_F(FuseEditor, SixteenC5xLowPowerNoWatchdogProtected) {
  Select(2);
  ed.Choose_Radio(Osc::LP_Osc, 2);
  ed.Set_Check(Check_Box::WDT, false, 2);
  ed.Set_Check(Check_Box::Protec, true, 2);
  EXPECT_EQ(fuse_word, 0x0FF0);
  EXPECT_EQ(ed.Fuse_Data(), "Fuse = 0FF0");
}

TEST_F(FuseEditor, SixteenF87xHighSpeedEverythingOff) {
  Select(22);
  ed.Choose_Radio(Osc::Hi_Spd, 22);
  for (Check_Box b : {Check_Box::Protec, Check_Box::WDT, Check_Box::PUT, Check_Box::BOR,
                      Check_Box::LVP, Check_Box::CPEE})
    ed.Set_Check(b, false, 22);
  EXPECT_EQ(fuse_word, 0x3F3A);  // 0E00 | 0002 | 0008 | 0100 | 3E30
  EXPECT_EQ(buffer_copy, 0x3F3A);
}

TEST_F(FuseEditor, TwelveF683InternalOscillatorBrownOutItem) {
  Select(32);
  ed.Choose_Item(Bor_Group::BORV3, 2, 32);
  ed.Choose_Radio(Osc::Int_RC_IO, 32);
  ed.Set_Check(Check_Box::WDT, false, 32);
  ed.Set_Check(Check_Box::PUT, true, 32);
  ed.Set_Check(Check_Box::MCLR, false, 32);
  ed.Set_Check(Check_Box::Protec, false, 32);
  ed.Set_Check(Check_Box::CPEE, false, 32);
  ed.Set_Check(Check_Box::IESO, false, 32);
  ed.Set_Check(Check_Box::FCMEN, false, 32);
  EXPECT_EQ(fuse_word, 0x32E4);
  EXPECT_EQ(ed.Group(Bor_Group::BORV3).item_index, 2);
}

TEST_F(FuseEditor, Blank16F628ShowsExternalRcClockOutAndWhatItsBitsSay) {
  ed.Decode(0x3FFF, 14);
  EXPECT_EQ(Checked_Radios(), std::vector<Osc>{Osc::Ext_R_Clk});
  for (Check_Box b : {Check_Box::WDT, Check_Box::BOR, Check_Box::LVP})
    EXPECT_TRUE(ed.Box(b).checked) << Check_Box_Names[static_cast<size_t>(b)];
  for (Check_Box b : {Check_Box::PUT, Check_Box::MCLR, Check_Box::CPEE, Check_Box::Protec})
    EXPECT_FALSE(ed.Box(b).checked) << Check_Box_Names[static_cast<size_t>(b)];
}

TEST_F(FuseEditor, SetBit4WithLowBitsClearIsInternalRcNotLowPower) {
  ed.Decode(0x3FFC, 12);  // bit 4 set, bits 1..0 = 00
  EXPECT_EQ(Checked_Radios(), std::vector<Osc>{Osc::Int_RC_IO});
  ed.Decode(0x3FEC, 12);  // bit 4 clear
  EXPECT_EQ(Checked_Radios(), std::vector<Osc>{Osc::LP_Osc});
}

TEST_F(FuseEditor, SixteenC717WatchdogFromBit3BrownOutFromBit6) {
  ed.Decode(0x3FF4, 19);  // oscillator 100, bit 3 clear, bit 6 set
  EXPECT_EQ(Checked_Radios(), std::vector<Osc>{Osc::Int_RC_IO});
  EXPECT_FALSE(ed.Box(Check_Box::WDT).checked);
  EXPECT_TRUE(ed.Box(Check_Box::BOR).checked);
  ed.Decode(0x3FB8, 19);  // oscillator 000, bit 3 set, bit 6 clear
  EXPECT_EQ(Checked_Radios(), std::vector<Osc>{Osc::LP_Osc});
  EXPECT_TRUE(ed.Box(Check_Box::WDT).checked);
  EXPECT_FALSE(ed.Box(Check_Box::BOR).checked);
}

TEST_F(FuseEditor, BrownOutVoltageFollowsTheBrownOutBox) {
  for (int family : {19, 20}) {
    ed.Decode(0x3FFF & ~0x0800, family);  // BORV index 01, BOR on
    EXPECT_TRUE(ed.Group(Bor_Group::BORV2).visible);
    EXPECT_FALSE(ed.Group(Bor_Group::BORV3).visible);
    EXPECT_EQ(ed.Group(Bor_Group::BORV2).item_index, 1);
    EXPECT_TRUE(ed.Group(Bor_Group::BORV2).enabled);
    ed.Set_Check(Check_Box::BOR, false, family);
    EXPECT_FALSE(ed.Group(Bor_Group::BORV2).enabled);
    uint16_t before = fuse_word;
    ed.Choose_Item(Bor_Group::BORV2, 3, family);  // a disabled group does not respond
    EXPECT_EQ(fuse_word, before);
    ed.Set_Check(Check_Box::BOR, true, family);
    ed.Choose_Item(Bor_Group::BORV2, 3, family);
    EXPECT_EQ(fuse_word & 0x0C40, 0x0C40);
    ed.Decode(0x3FFF & ~0x0040, family);  // BOR off: the group shows, disabled
    EXPECT_FALSE(ed.Group(Bor_Group::BORV2).enabled);
  }
  ed.Decode(0x3FFF & ~0x0100, 32);
  EXPECT_EQ(ed.Group(Bor_Group::BORV3).item_index, 2);
  ed.Choose_Item(Bor_Group::BORV3, 4, 32);  // no such item
  ed.Choose_Item(Bor_Group::BORV3, -1, 32);
  EXPECT_EQ(ed.Group(Bor_Group::BORV3).item_index, 2);
  EXPECT_EQ(fuse_word & 0x0300, 0x0200);
  EXPECT_FALSE(ed.Group(Bor_Group::BORV2).visible);
  EXPECT_FALSE(ed.Group(Bor_Group::BORV1).visible);
}

TEST_F(FuseEditor, SixteenC773ProtectionOffLeavesBothCodeProtectPairsErased) {
  Select(20);
  ed.Set_Check(Check_Box::Protec, true, 20);
  ed.Set_Check(Check_Box::Protec, false, 20);
  EXPECT_EQ(fuse_word & 0x3330, 0x3330);
  EXPECT_EQ(fuse_word & ~0x3FFF, 0);
}

TEST_F(FuseEditor, TwelveF675KeepsItsCalibrationBits) {
  ed.Decode(0x11FF, 27);  // bits 13..12 = 01, as read from the part
  ed.Set_Check(Check_Box::WDT, false, 27);
  EXPECT_EQ(fuse_word & 0x3000, 0x1000);
  ed.Decode(0x21FF, 27);
  ed.Choose_Radio(Osc::Xtal, 27);
  EXPECT_EQ(fuse_word & 0x3007, 0x2001);
}

TEST_F(FuseEditor, UnusedOscillatorValueLeavesThePreviousRadio) {
  for (int family : {26, 34}) {
    ed.Decode(0x3FFE, family);  // Ext_R_IO
    ed.Decode(0x3FFB, family);  // 011: no radio of these parts
    EXPECT_EQ(Checked_Radios(), std::vector<Osc>{Osc::Ext_R_IO}) << family;
    EXPECT_EQ(fuse_word, 0x3FFB);
    ed.Encode(family);
    EXPECT_EQ(fuse_word & 7, 6) << family;
  }
}

TEST_F(FuseEditor, ExternalClockOf12F6xxPartsDecodesFrom011) {
  for (int family : {27, 32, 33}) {
    ed.Decode(0x3FFC, family);  // Int_RC_IO
    ed.Decode(0x3FFB, family);  // 011: EC
    EXPECT_EQ(Checked_Radios(), std::vector<Osc>{Osc::Ext_Clk}) << family;
    ed.Set_Check(Check_Box::WDT, false, family);
    EXPECT_EQ(fuse_word & 7, 3) << family;
  }
}

TEST_F(FuseEditor, CaptionsChangePerFamilyAndComeBack) {
  using Captions = std::array<std::string_view, 4>;
  const Captions plain = {"Low Power", "Xtal", "Hi Speed", "External RC"};
  const std::map<int, Captions> changed = {
      {11, {"Hi Speed", "Ext Clk", "HS PLL", "Ext Clk PLL"}},
      {12, {"Low Power", "Xtal", "Hi Speed", "Ext Clk"}},
      {14, {"Low Power", "Xtal", "Hi Speed", "Ext Clk"}},
      {19, {"Low Power", "Xtal", "Hi Speed", "Ext Clk"}},
      {27, {"Low Power", "Xtal", "Hi Speed", "Ext Clk"}},
      {30, {"Low Power", "Xtal", "Int RC", "External RC"}},
      {31, {"Low Power", "Xtal", "Int RC", "External RC"}},
      {32, {"Low Power", "Xtal", "Hi Speed", "EC"}},
      {33, {"Low Power", "Xtal", "Hi Speed", "EC"}},
      {34, {"Low Power", "Xtal", "Hi Speed", "Not Used"}},
  };
  for (const Pic_Family& f : Pic_Families) {
    Select(11);  // leave changed captions behind
    Select(f.family);
    auto it = changed.find(f.family);
    const Captions& want = it == changed.end() ? plain : it->second;
    for (size_t i = 0; i < 4; ++i)
      EXPECT_EQ(ed.Radio(static_cast<Osc>(i)).caption, want[i]) << f.family;
    for (size_t i = 4; i < kOsc_Radios; ++i)
      EXPECT_EQ(ed.Radio(static_cast<Osc>(i)).caption, Osc_Captions[i]);
    for (size_t i = 0; i < kCheck_Boxes; ++i)
      EXPECT_EQ(ed.Box(static_cast<Check_Box>(i)).caption, Check_Box_Captions[i]);
  }
}

TEST_F(FuseEditor, EachFamilyEnablesOnlyWhatItsPartsHave) {
  using Names = std::set<std::string>;
  const Names four = {"LP_Osc", "Xtal", "Hi_Spd", "Ext_Clk"};
  const Names eight = {"LP_Osc",    "Xtal",       "Hi_Spd",   "Ext_Clk",
                       "Int_RC_IO", "Int_RC_Clk", "Ext_R_IO", "Ext_R_Clk"};
  Names seven = eight;
  seven.erase("Ext_Clk");
  struct Expect {
    int family;
    Names boxes;
    Names radios;
  };
  const std::vector<Expect> expect = {
      {1, {"Protec", "WDT"}, {"Xtal", "Ext_Clk"}},
      {2, {"Protec", "WDT"}, four},
      {6, {"Protec", "WDT", "PUT"}, four},
      {8, {"Protec", "WDT", "PUT", "BOR"}, four},
      {14, {"Protec", "WDT", "PUT", "MCLR", "BOR", "LVP", "CPEE"}, eight},
      {19, {"Protec", "WDT", "PUT", "MCLR", "BOR"}, eight},
      {22, {"Protec", "WDT", "PUT", "BOR", "LVP", "CPEE"}, four},
      {26, {"Protec", "WDT", "PUT", "MCLR"}, seven},
      {27, {"Protec", "WDT", "PUT", "MCLR", "BOR", "CPEE"}, eight},
      {30, {"Protec", "WDT", "MCLR"}, four},
      {32, {"Protec", "WDT", "PUT", "MCLR", "CPEE", "IESO", "FCMEN"}, eight},
      {33, {"Protec", "WDT", "PUT", "MCLR", "CPEE", "IESO", "FCMEN", "WURE"}, eight},
      {34, {"Protec", "WDT", "MCLR"}, seven},
      {0, {"Protec"}, {}},
  };
  for (const Expect& e : expect) {
    Select(33);  // everything on before
    Select(e.family);
    EXPECT_EQ(Enabled_Boxes(), e.boxes) << e.family;
    EXPECT_EQ(Enabled_Radios(), e.radios) << e.family;
  }
}

TEST_F(FuseEditor, DecodeShowsTheWordAndMakesItTheOneProgrammed) {
  buffer_copy = 0x0000;  // e.g. left by an earlier file
  ed.Decode(0x3F72, 22);
  EXPECT_EQ(fuse_word, 0x3F72);
  EXPECT_EQ(buffer_copy, 0x3F72);
  EXPECT_EQ(ed.Fuse_Data(), "Fuse = 3F72");
}

TEST_F(FuseEditor, NoDeviceLeavesTheWordAndTheBufferAlone) {
  ed.Decode(0x3FFF, 0);
  buffer_copy = 0x1234;  // a file loaded since
  ed.Set_Check(Check_Box::Protec, true, 0);
  EXPECT_TRUE(ed.Box(Check_Box::Protec).checked);
  EXPECT_EQ(fuse_word, 0x3FFF);
  EXPECT_EQ(buffer_copy, 0x1234);
  EXPECT_EQ(ed.Fuse_Data(), "Fuse = 3FFF");
}

TEST_F(FuseEditor, DisabledControlsDoNotRespond) {
  Select(2);
  uint16_t before = fuse_word;
  ed.Set_Check(Check_Box::MCLR, true, 2);
  ed.Set_Check(Check_Box::Cal_Byte, true, 2);
  ed.Choose_Radio(Osc::Int_RC_IO, 2);
  ed.Choose_Item(Bor_Group::BORV3, 1, 2);  // hidden
  EXPECT_FALSE(ed.Box(Check_Box::MCLR).checked);
  EXPECT_FALSE(ed.Box(Check_Box::Cal_Byte).checked);
  EXPECT_FALSE(ed.Radio(Osc::Int_RC_IO).checked);
  EXPECT_EQ(fuse_word, before);
  Select(1);
  ed.Choose_Radio(Osc::LP_Osc, 1);  // 16C52: no low-power oscillator
  EXPECT_FALSE(ed.Radio(Osc::LP_Osc).checked);
}

TEST_F(FuseEditor, RadiosAreExclusive) {
  Select(32);
  ed.Choose_Radio(Osc::Xtal, 32);
  ed.Choose_Radio(Osc::Ext_R_IO, 32);
  EXPECT_EQ(Checked_Radios(), std::vector<Osc>{Osc::Ext_R_IO});
  EXPECT_EQ(fuse_word & 7, 6);
}

}  // namespace
}  // namespace picprog
