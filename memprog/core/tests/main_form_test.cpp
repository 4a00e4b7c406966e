// Start-up, shut-down and the idle and busy control sets.
#include "kv9_fixture.h"

namespace memprog {
namespace {

using proglink::Colour;

const char* const kDevice_Buttons[] = {"Quit_Func_But", "Read_Time", "Program_Eprom", "Prg_Time",
                                       "Verify_Eprom",  "Security",  "Auto_Verify",   "Protect",
                                       "Erase_But2",    "Prog_ID",   "Move_Eprom",    "Vpp_But",
                                       "Blank_Chk",     "Compare",   "Erase_But",     "Flash"};
const char* const kBuffer_Buttons[] = {"Start_Buf_Add", "File_But", "Prg_Type_But", "End_Add",
                                       "Chk_Sum_But",   "Device",   "Start_Add",    "Help",
                                       "Save_But",      "Edit",     "Load_But",     "Fill"};

TEST_F(Kv9Test, StartWithTheProgrammerEnablesEverythingAndShowsTheVersionInLime) {
  Start();
  for (const char* b : kDevice_Buttons) EXPECT_TRUE(Enabled(b)) << b;
  for (const char* b : kBuffer_Buttons) EXPECT_TRUE(Enabled(b)) << b;
  for (const char* b : {"Start_Hex", "End_Hex", "Offset"}) EXPECT_FALSE(Enabled(b)) << b;
  EXPECT_EQ(ui()["StaticText3"].caption, "Usb Programmer Found - FirmWare Version 3.61");
  EXPECT_EQ(ui()["StaticText3"].colour, Colour::Lime);
  EXPECT_EQ(ui()["Quit_Func_But"].caption, "&Quit = 00000");
  EXPECT_EQ(ui()["Panel7"].height, 28);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(k->link.Memo1().Visible());
}

TEST_F(Kv9Test, StartWithoutAProgrammerLeavesOnlyTheBufferAndFileControls) {
  progsim::Options o;
  o.serials = {};
  Start(o);
  for (const char* b : kDevice_Buttons) EXPECT_FALSE(Enabled(b)) << b;
  for (const char* b : kBuffer_Buttons) EXPECT_TRUE(Enabled(b)) << b;
  EXPECT_EQ(ui()["StaticText3"].caption, "Programmer Not Found or is no longer present....");
  EXPECT_EQ(ui()["StaticText3"].colour, Colour::Red);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "The Quillon Programmer III Could Not Be Found....");
}

TEST_F(Kv9Test, StartWithoutASettingsFileOpensTheDeviceList) {
  Start();
  EXPECT_EQ(ui()["Device"].caption, "No Device");
  EXPECT_TRUE(Visible("Device_Box1"));
}

TEST_F(Kv9Test, StartUpRunsOnceWhateverActivatesTheWindowAgain) {
  Start();
  FormActivate(*k);
  EXPECT_TRUE(sim->Sent().empty());
}

TEST_F(Kv9Test, BusySetDisablesTheControlsAndColoursTheStatusYellow) {
  Start();
  ui().Visible("Pin_28", true);
  k->link.Memo1().Show(true);
  Begin_Busy(*k);
  for (const char* b : kDevice_Buttons) {
    EXPECT_EQ(Enabled(b), std::string(b) == "Flash") << b;  // an update is never stopped
  }
  for (const char* b : kBuffer_Buttons) EXPECT_FALSE(Enabled(b)) << b;
  EXPECT_EQ(ui()["StaticText3"].colour, Colour::Yellow);
  EXPECT_EQ(k->link.Status_Tag, proglink::status_tag::Good);
  EXPECT_FALSE(k->link.Memo1().Visible());
  EXPECT_FALSE(Visible("Pin_28"));
  EXPECT_TRUE(Visible("Panel6"));
  EXPECT_EQ(Codes(), (std::vector<uint8_t>{0x1E, 0x53}));
  End_Busy(*k);
  EXPECT_TRUE(Enabled("Program_Eprom"));
  EXPECT_EQ(ui()["StaticText3"].colour, Colour::Lime);
}

TEST_F(Kv9Test, QuitStopsTheRunAndHidesTheSocketDiagrams) {
  Start();
  for (const char* d : {"Pin_8", "Pin_40A", "A27X00"}) ui().Visible(d, true);
  Quit_Func_ButClick(*k);
  EXPECT_EQ(k->link.Stop_Code, proglink::stop::Quit);
  EXPECT_FALSE(Visible("Pin_8"));
  EXPECT_FALSE(Visible("Pin_40A"));
  EXPECT_TRUE(Visible("A27X00"));  // not one of the ZIF-socket diagrams
}

TEST_F(Kv9Test, ClickOnTheStatusTextFindsALostProgrammerAgain) {
  progsim::Options o;
  o.faults = {{progsim::Fault::Lose, 4}};  // after the search and the reset at start
  Start(o);
  Begin_Busy(*k);
  EXPECT_EQ(k->link.Connection, proglink::connection::None);
  EXPECT_FALSE(Enabled("Program_Eprom"));
  EXPECT_TRUE(Enabled("Load_But"));  // the loss enabled the buffer controls again
  progsim::Install({});              // plugged in again
  StaticText3Click(*k);
  EXPECT_EQ(k->link.Connection, proglink::connection::Ready);
  EXPECT_TRUE(Enabled("Program_Eprom"));
  EXPECT_EQ(ui()["StaticText3"].colour, Colour::Lime);
}

TEST_F(Kv9Test, ClosingResetsTheProgrammerAndClosesTheLink) {
  Start();
  FormCloseQuery(*k);
  EXPECT_EQ(Codes(), (std::vector<uint8_t>{0x1E, 0x53}));
  EXPECT_FALSE(sim->Is_Open());
}

}  // namespace
}  // namespace memprog
