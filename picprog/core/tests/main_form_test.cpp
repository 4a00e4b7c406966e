// Win_Mcu9's window logic: start with and without a programmer, the busy state and the enable
// step, the search on the status text, the firmware-update key and the fuse editor's clicks.
#include "mcu9_fixture.h"
#include "picprog/core/form.h"
#include "picprog/core/fuse_panel.h"

namespace picprog {
namespace {

using Strings = std::vector<std::string>;

const char* const kAlways[] = {"Osc_Settings", "Fuse_Settings", "Chk_Sum_But", "Start_Add",
                               "Save_But",     "Load_But",      "File_But",    "V_Verify",
                               "End_Add",      "Device",        "Edit",        "Fill"};
const char* const kOperations[] = {"Program_Eprom", "Verify_Eprom", "Move_Eprom", "Blank_Chk",
                                   "Erase_But"};

TEST_F(Mcu9Test, StartWithTheProgrammerEnablesTheOperations) {
  Start();
  for (const char* c : kOperations) EXPECT_TRUE(Enabled(c)) << c;
  for (const char* c : kAlways) EXPECT_TRUE(Enabled(c)) << c;
  EXPECT_EQ(ui("StaticText3").colour, proglink::Colour::Lime);
  EXPECT_FALSE(m->link.Memo1().Visible());
  EXPECT_EQ(host.timer_interval, 1000);
  EXPECT_EQ(host.questions.size(), 0u);  // 3.61 is newer than the 3.22 required
}

TEST_F(Mcu9Test, StartWithoutTheProgrammerLeavesOnlyTheBufferAndFiles) {
  progsim::Options o;
  o.serials = {};
  Start(o);
  for (const char* c : kOperations) EXPECT_FALSE(Enabled(c)) << c;
  for (const char* c : kAlways) EXPECT_TRUE(Enabled(c)) << c;
  EXPECT_EQ(ui("StaticText3").caption, "Programmer Not Found or is no longer present....");
  EXPECT_EQ(ui("StaticText3").colour, proglink::Colour::Red);
  EXPECT_EQ(host.Message_Texts(), Strings{"The Quillon Programmer III Could Not Be Found...."});
  EXPECT_TRUE(Visible("Device_Box"));
}

TEST_F(Mcu9Test, AnOldFirmwareIsOfferedTheUpdate) {
  progsim::Options o;
  o.fw_minor = 21;
  Start(o);
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0].text,
            "This Software Requires Firmware Version - 3.22\r\nDo You Want to Flash Update the "
            "Programmer ?");
}

TEST_F(Mcu9Test, TheBusyStateAndTheEnableStep) {
  Start_With(97);
  m->link.Memo1().Show(true);
  Busy_State(*m);
  for (const char* c : kOperations) EXPECT_FALSE(Enabled(c)) << c;
  for (const char* c : kAlways) EXPECT_FALSE(Enabled(c)) << c;
  for (const char* c : {"Prg_EE", "Verify_EE", "EEprom_Begin", "EEprom_End"})
    EXPECT_FALSE(Enabled(c)) << c;
  EXPECT_TRUE(Enabled("Quit_Add"));
  EXPECT_FALSE(Visible("Pin_40"));
  EXPECT_FALSE(m->link.Memo1().Visible());
  EXPECT_EQ(ui("StaticText3").colour, proglink::Colour::Yellow);
  EXPECT_EQ(Codes(), (std::vector<uint8_t>{0x1E, 0x53}));

  m->ui.Visible("FillBox", true);
  m->ui.Visible("StaticText2", true);
  Enable_Step(*m);
  for (const char* c : kOperations) EXPECT_TRUE(Enabled(c)) << c;
  for (const char* c : kAlways) EXPECT_TRUE(Enabled(c)) << c;
  EXPECT_FALSE(Visible("FillBox"));
  EXPECT_FALSE(Visible("StaticText2"));
  EXPECT_EQ(ui("StaticText3").colour, proglink::Colour::Lime);
}

TEST_F(Mcu9Test, AClickOnTheStatusTextSearchesAgainButNotDuringAnOperation) {
  progsim::Options o;
  o.serials = {};
  Start(o);
  sim = &progsim::Install({});  // the programmer is plugged in
  Busy_State(*m);
  StaticText3Click(*m);
  EXPECT_TRUE(sim->Sent().empty());
  Enable_Step(*m);
  StaticText3Click(*m);
  EXPECT_EQ(ui("StaticText3").caption, "Usb Programmer Found - FirmWare Version 3.61");
  EXPECT_EQ(ui("StaticText3").colour, proglink::Colour::Lime);
  for (const char* c : kOperations) EXPECT_TRUE(Enabled(c)) << c;
}

TEST_F(Mcu9Test, TheFirmwareUpdateKeyOnStartAdd) {
  Start();
  EXPECT_FALSE(Start_AddKeyPress(*m, 'g'));
  EXPECT_TRUE(host.dialogs.empty());
  EXPECT_TRUE(Start_AddKeyPress(*m, 'f'));
  EXPECT_TRUE(Start_AddKeyPress(*m, 'F'));
  EXPECT_EQ(host.dialogs.size(), 2u);  // the update file's dialog, cancelled
  EXPECT_EQ(ui("StaticText3").caption, "Updating Programmer Flash Code....");
  EXPECT_TRUE(Enabled("MainForm"));
}

TEST_F(Mcu9Test, TheUpdateFileNeverBecomesTheLastBufferFile) {
  Write("update.bin", "not an update file");
  Start();
  host.files.push_back("update.bin");
  Start_AddKeyPress(*m, 'f');
  EXPECT_EQ(host.Message_Texts(),
            Strings{"Invalid File Type...\r\nCan Not Update Units With This File......"});
  EXPECT_EQ(m->Open_File_Name, "");
}

TEST_F(Mcu9Test, NoUpdateWithoutAProgrammer) {
  progsim::Options o;
  o.serials = {};
  Start(o);
  EXPECT_TRUE(Start_AddKeyPress(*m, 'f'));
  EXPECT_TRUE(host.dialogs.empty());
}

TEST_F(Mcu9Test, TheReplyTimerStopsWithCodeFive) {
  Start();
  host.Timer_Event();
  EXPECT_EQ(m->link.Stop_Code, proglink::stop::Quit);
}

TEST_F(Mcu9Test, AClickOnTheWindowHidesThePanelAndTheMessageArea) {
  Start_With(97);
  m->link.Memo1().Show(true);
  FormClick(*m);
  EXPECT_FALSE(Visible("Pin_40"));
  EXPECT_FALSE(m->link.Memo1().Visible());
}

TEST_F(Mcu9Test, TheFuseEditorsClicksEncodeTheWord) {
  Start_With(1);  // 12C508/A, family 30
  // Xtal, the watchdog on, protection off and MCLR unchecked: 001D.
  Osc_SettingsClick(*m, "Xtal");
  EXPECT_EQ(m->Fuse_Word, 0x001D);
  EXPECT_EQ(m->Buf()[kConfig_Word], 0x001D);
  EXPECT_EQ(ui("Fuse_Data").caption, "Fuse = 001D");
  EXPECT_TRUE(ui("Xtal").checked);
  EXPECT_FALSE(ui("Ext_Clk").checked);

  Pick(106);  // 16F684, family 32
  EXPECT_TRUE(Visible("BORV3"));
  for (const char* box : {"WDT", "IESO", "FCMEN"}) {
    m->ui.User_Checked(box, false);
    Osc_SettingsClick(*m, box);
  }
  m->ui.User_Checked("PUT", true);
  Osc_SettingsClick(*m, "PUT");
  m->ui.User_Item_Index("BORV3", 2);
  Osc_SettingsClick(*m, "BORV3");
  Osc_SettingsClick(*m, "Int_RC_IO");
  EXPECT_EQ(m->Fuse_Word, 0x32E4);
  EXPECT_EQ(ui("BORV3").item_index, 2);
  EXPECT_EQ(ui("Fuse_Data").caption, "Fuse = 32E4");
}

TEST_F(Mcu9Test, PartialCodeProtectionIsShownUntilAClickWritesItWhole) {
  Start_With(78);  // 16F628, family 14: code-protect pairs in bits 13..12 and 11..10
  EXPECT_FALSE(Visible("Partial_Protect"));
  m->Buf()[kConfig_Word] = 0x17FF;  // the upper three quarters protected
  Show_Config_Word(*m);
  EXPECT_TRUE(ui("Protec").checked);
  EXPECT_TRUE(Visible("Partial_Protect"));
  EXPECT_EQ(ui("Fuse_Data").caption, "Fuse = 17FF");
  m->ui.User_Checked("WDT", false);
  Osc_SettingsClick(*m, "WDT");
  EXPECT_EQ(m->Fuse_Word & 0x3C00, 0);
  EXPECT_FALSE(Visible("Partial_Protect"));
}

TEST_F(Mcu9Test, AClickOnADisabledControlIsUndoneOnTheWindow) {
  Start_With(1);
  m->ui.User_Checked("LVP", true);  // family 30 has no low-voltage bit
  Osc_SettingsClick(*m, "LVP");
  EXPECT_FALSE(ui("LVP").checked);
  EXPECT_EQ(m->Fuse_Word, 0x0FFF);
}

TEST_F(Mcu9Test, TheFormNamesTheProgramAndItsVersion) {
  std::string title = Mcu9_Form().title;
  EXPECT_NE(title.find("Win_Mcu9"), std::string::npos);
  EXPECT_NE(title.find("3.10"), std::string::npos);
}

}  // namespace
}  // namespace picprog
