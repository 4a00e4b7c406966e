// The device list and the selection procedure: what a line selects and what the window shows.
#include "mcu9_fixture.h"

namespace picprog {
namespace {

using Strings = std::vector<std::string>;

int Line_With(std::string_view text) {
  for (size_t i = 0; i < Device_Box_Lines.size(); ++i)
    if (Device_Box_Lines[i] == text) return static_cast<int>(i);
  return -1;
}

TEST_F(Mcu9Test, HeaderBlankAndEntryLessLinesSelectNoDeviceAndSayNoDeviceWasSelected) {
  Start();
  const int header = Line_With("******  Mcu 9 Adapter Required  ******");
  const int second_header = Line_With("*******  No Apadter Required  ********  ");
  ASSERT_GE(header, 0);
  ASSERT_GE(second_header, 0);
  for (int line : {header, header + 1, second_header, Line_Of(85) /* 16F818 */}) {
    SCOPED_TRACE(line);
    Pick(97);  // 16F877A first, so that there is a selection to clear
    host.messages.clear();
    Device_BoxClick(*m, line);
    EXPECT_EQ(ui("Device").caption, "No Device");
    EXPECT_EQ(m->Family, 0);
    EXPECT_EQ(host.Message_Texts(), Strings{"No Device Was Selected."});
    EXPECT_FALSE(Visible("Device_Box"));
    EXPECT_FALSE(Visible("Erase_But"));
    EXPECT_FALSE(Visible("Prg_EE"));
    EXPECT_FALSE(Visible("EEprom_End"));
    EXPECT_FALSE(Visible("Pin_40"));
    EXPECT_EQ(ui("StaticText4").height, 25);
    EXPECT_EQ(ui("StaticText5").height, 46);
    EXPECT_EQ(m->Fuse_Word, 0x3FFF);
  }
}

TEST_F(Mcu9Test, Selecting16F877A) {
  Start();
  m->Dev_Start_Add = 0x40;
  Pick(97);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(ui("Device").caption, "16F877A");
  EXPECT_EQ(m->Device_Code, 97);
  EXPECT_EQ(m->Family, 23);
  EXPECT_EQ(m->Prog_End, 0x1FFF);
  EXPECT_EQ(m->Pin_Code, 75);
  EXPECT_EQ(m->EE_Size, 3);
  EXPECT_EQ(m->EE_End, 0x20FF);
  EXPECT_EQ(m->Erase_Flag, 1);
  EXPECT_EQ(m->Dev_Start_Add, 0);
  for (const char* c : {"Erase_But", "Prg_EE", "Verify_EE", "EEprom_Begin", "EEprom_End", "Pin_40"})
    EXPECT_TRUE(Visible(c)) << c;
  EXPECT_FALSE(Visible("Pin_28S"));
  EXPECT_EQ(ui("End_Add").caption, "Device End=1FFF");
  EXPECT_EQ(ui("EEprom_Begin").caption, "EE Start=2000");
  EXPECT_EQ(ui("EEprom_End").caption, "EE End=20FF");
  EXPECT_EQ(ui("StaticText4").height, 46);
  EXPECT_EQ(ui("StaticText5").height, 88);
  EXPECT_EQ(m->Fuse_Blank, 0x3FFF);
  EXPECT_EQ(m->Fuse_Word, 0x3FFF);
  EXPECT_EQ(m->Buf()[kConfig_Word], 0x3FFF);
  EXPECT_EQ(ui("Fuse_Data").caption, "Fuse = 3FFF");
  // Decoded for family 23: the watchdog, brown-out and low-voltage boxes are its own.
  EXPECT_TRUE(ui("WDT").checked);
  EXPECT_TRUE(ui("LVP").enabled);
  EXPECT_FALSE(ui("MCLR").enabled);
  EXPECT_TRUE(Enabled("Erase_But"));  // the enable step ran with the programmer connected
}

TEST_F(Mcu9Test, TheBlankConfigurationWordFollowsTheCoreWidth) {
  Start_With(1);  // 12C508/A
  EXPECT_EQ(m->Fuse_Blank, 0x0FFF);
  EXPECT_EQ(m->Fuse_Word, 0x0FFF);
  EXPECT_EQ(ui("Fuse_Data").caption, "Fuse = 0FFF");
  EXPECT_EQ(ui("Hi_Spd").caption, "Int RC");
  EXPECT_TRUE(Visible("Pin_8"));
  Pick(116);  // 16C505: 12-bit, but its blank word is 3FFF
  EXPECT_EQ(m->Fuse_Blank, 0x3FFF);
  EXPECT_EQ(ui("Fuse_Data").caption, "Fuse = 3FFF");
  EXPECT_EQ(ui("Ext_Clk").caption, "Not Used");
  EXPECT_FALSE(Visible("Pin_8"));
  EXPECT_TRUE(Visible("Pin_18A"));
}

TEST_F(Mcu9Test, The16F84AIsErasedButHasNoEEButtons) {
  Start_With(97);
  Pick(73);
  EXPECT_EQ(ui("Device").caption, "16F84/A");
  EXPECT_TRUE(Visible("Erase_But"));
  EXPECT_EQ(ui("StaticText4").height, 46);
  for (const char* c : {"Prg_EE", "Verify_EE", "EEprom_Begin", "EEprom_End"})
    EXPECT_FALSE(Visible(c)) << c;
  EXPECT_EQ(ui("StaticText5").height, 46);
  EXPECT_EQ(m->EE_End, 0);
}

TEST_F(Mcu9Test, The16C52EndsAt017FAndCannotBeErased) {
  Start_With(11);
  EXPECT_EQ(ui("End_Add").caption, "Device End=017F");
  EXPECT_FALSE(Visible("Erase_But"));
  EXPECT_EQ(ui("StaticText4").height, 25);
  EXPECT_TRUE(Visible("P18"));
}

TEST_F(Mcu9Test, TheDeviceButtonShowsTheListInTheBusyState) {
  Start_With(97);
  DeviceClick(*m);
  EXPECT_TRUE(Visible("Device_Box"));
  EXPECT_FALSE(Enabled("Device"));
  EXPECT_FALSE(Enabled("Program_Eprom"));
  EXPECT_FALSE(Visible("Pin_40"));
  Device_BoxClick(*m, 1000);  // nothing there
  EXPECT_TRUE(Visible("Device_Box"));
  Pick(73);
  EXPECT_TRUE(Enabled("Device"));
  EXPECT_TRUE(Enabled("Program_Eprom"));
}

}  // namespace
}  // namespace picprog
