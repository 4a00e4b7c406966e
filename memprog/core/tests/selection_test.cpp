// Choosing a device: what an entry sets, the buttons and diagrams it shows, the voltages it sends.
#include "memprog/core/selection.h"

#include "kv9_fixture.h"
#include "memprog/catalogue/device_list.h"

namespace memprog {
namespace {

using Bytes = std::vector<uint8_t>;

class SelectionTest : public Kv9Test {
 protected:
  void SetUp() override {
    Kv9Test::SetUp();
    Start();
  }
  // Clicks the list line carrying this text.
  void Choose(const std::string& text) {
    const auto& lines = Device_List_Lines();
    for (size_t i = 0; i < lines.size(); ++i)
      if (lines[i].rfind(text, 0) == 0) {
        DeviceClick(*k);
        sim->Clear_Log();
        Device_Box1Click(*k, static_cast<int>(i));
        return;
      }
    FAIL() << "no line " << text;
  }
  Bytes Voltages() {
    for (auto& t : sim->Sent())
      if (t.Code() == 0x10) return {t[1], t[2], t[3]};
    return {};
  }
};

TEST_F(SelectionTest, The2716SetsItsEntryAndNoExtraButtons) {
  Choose("2716   (+5 Only)");
  EXPECT_EQ(ui()["Device"].caption, "2716");
  EXPECT_EQ(k->Family, 1);
  EXPECT_EQ(k->Dev_End_Add, 0x7FF);
  EXPECT_EQ(k->Dev_Last_Add, 0x7FF);
  EXPECT_EQ(ui()["Vpp_But"].caption, "Vpp = 25");
  EXPECT_EQ(k->Prog_Pulse, 7);
  EXPECT_EQ(ui()["Panel7"].height, 28);
  for (const char* b : {"Erase_But", "Erase_But2", "Security", "Prg_Time", "Read_Time"})
    EXPECT_FALSE(Visible(b)) << b;
  EXPECT_TRUE(Visible("Pin_24"));
  EXPECT_FALSE(Visible("Device_Box1"));
  EXPECT_EQ(ui()["End_Add"].caption, "Device End=007FF");
  EXPECT_EQ(Voltages(), (Bytes{0x42, 4, 1}));
}

TEST_F(SelectionTest, EveryLineOfTheTimekeeperGroupSelectsTheSameEntry) {
  for (const char* line : {"M48T08(Y)", "M48T18", "M48T58(Y)"}) {
    Choose(line);
    EXPECT_EQ(k->Device_Code, 211) << line;
    EXPECT_EQ(ui()["Device"].caption, "M48T08/18/58");
    EXPECT_EQ(k->Clock_Type, Clock_Type::Timekeeper_A13_High);
    EXPECT_TRUE(Visible("T_Keeper"));
    EXPECT_TRUE(Visible("Prg_Time"));
    EXPECT_TRUE(Visible("Read_Time"));
    EXPECT_EQ(ui()["Panel7"].height, 68);
  }
}

TEST_F(SelectionTest, AMicroWithLockBitsShowsSecurityAndTheSecondEraseButton) {
  Choose("AT89C51    (12V)");
  EXPECT_TRUE(Visible("Erase_But2"));
  EXPECT_TRUE(Visible("Security"));
  EXPECT_FALSE(Visible("Erase_But"));
  EXPECT_EQ(ui()["Panel7"].height, 68);
  EXPECT_EQ(k->Prog_Pulse, 1);
  EXPECT_TRUE(Visible("A875X"));
}

TEST_F(SelectionTest, PageSizeIsKeptByEntriesThatSetNone) {
  Choose("28(C)010");
  EXPECT_EQ(k->Page_Size, 128);
  Choose("2402 /24C02");
  EXPECT_EQ(k->Page_Size, 128);
  EXPECT_TRUE(Visible("Pin_8"));
  EXPECT_FALSE(Visible("Pin_32"));
}

TEST_F(SelectionTest, BlankValueFollowsTheEntryOrTheReset) {
  Choose("CY27C256");
  EXPECT_EQ(k->Blank_Value, 0);
  EXPECT_FALSE(Visible("Pin_28"));  // the Cypress parts have no diagram
  Choose("27C256               (12.5V)");
  EXPECT_EQ(k->Blank_Value, 255);
}

TEST_F(SelectionTest, AHeadingAfterADeviceSelectsNothingButKeepsWhatStepTwoDoesNotReset) {
  Choose("28(C)010");
  host.messages.clear();
  sim->Clear_Log();
  Device_Box1Click(*k, 0);  // "Eprom's"
  EXPECT_EQ(ui()["Device"].caption, "No Device");
  ASSERT_EQ(host.Message_Texts(), (std::vector<std::string>{"No Device Was Selected."}));
  EXPECT_EQ(k->Family, 0);
  EXPECT_EQ(k->Page_Size, 128);
  EXPECT_EQ(k->Dev_End_Add, 0x1FFFF);
  EXPECT_EQ(k->Dev_Last_Add, 0x1FFFF);
  EXPECT_EQ(k->Vpp_Select, 5);
  EXPECT_EQ(Voltages(), (Bytes{2, 0, 0}));  // still sent, with family 0
  EXPECT_FALSE(Visible("Pin_32"));
}

TEST_F(SelectionTest, TheAm29LV160LineSelectsNoDevice) {
  Choose("Am29LV160 AMD");
  EXPECT_EQ(ui()["Device"].caption, "No Device");
  EXPECT_EQ(host.Message_Texts().back(), "No Device Was Selected.");
}

TEST_F(SelectionTest, ByteOrderIsKeptFromTheRadioButtons) {
  Choose("Am29F400  AMD");
  EXPECT_TRUE(Visible("Pin_40A"));
  EXPECT_TRUE(Visible("Flash_x16"));
  ui().User_Checked("Lo_Hi", false);
  ui().User_Checked("Hi_Lo", true);
  Flash_x16Click(*k);
  EXPECT_EQ(k->Byte_Order, 1);
  EXPECT_FALSE(Visible("Pin_40A"));
  Choose("27C256               (12.5V)");
  EXPECT_EQ(k->Byte_Order, 1);
  EXPECT_FALSE(Visible("Flash_x16"));  // the Device button hid it
}

TEST_F(SelectionTest, VppPacketsOfSelectionAndOperations) {
  Choose("2732A");
  EXPECT_EQ(ui()["Vpp_But"].caption, "Vpp = 21");
  EXPECT_EQ(Voltages(), (Bytes{0x42, 3, 2}));
  Choose("27C256               (12.5V)");
  EXPECT_EQ(Voltages(), (Bytes{2, 2, 4}));
  sim->Clear_Log();
  k->link.Op_Kind = proglink::op_kind::Programming;
  k->link.Begin_Operation();
  EXPECT_EQ(Voltages(), (Bytes{0x42, 2, 4}));
  sim->Clear_Log();
  k->link.Op_Kind = proglink::op_kind::Reading;
  k->link.Begin_Operation();
  EXPECT_EQ(Voltages(), (Bytes{2, 2, 4}));
}

TEST_F(SelectionTest, VppButtonCyclesTheEpromVoltagesWithoutSending) {
  Choose("2716   (+5 Only)");
  sim->Clear_Log();
  Vpp_ButClick(*k);
  EXPECT_EQ(k->Vpp_Select, 2);
  EXPECT_EQ(ui()["Vpp_But"].caption, "Vpp = 25");  // until the next operation
  EXPECT_TRUE(sim->Sent().empty());
  k->link.Op_Kind = proglink::op_kind::Programming;
  k->link.Set_Vpp();
  EXPECT_EQ(ui()["Vpp_But"].caption, "Vpp = 21");
  EXPECT_EQ(Voltages(), (Bytes{0x42, 3, 1}));
  Vpp_ButClick(*k);
  Vpp_ButClick(*k);
  EXPECT_EQ(k->Vpp_Select, 1);
  Choose("27C64");
  Vpp_ButClick(*k);
  EXPECT_EQ(k->Vpp_Select, 1);
  Choose("AT29C010");
  Vpp_ButClick(*k);
  EXPECT_EQ(k->Vpp_Select, 5);
}

TEST_F(SelectionTest, ProgramTypeListSetsTheSplitAndItsCaption) {
  Prg_Type_ButClick(*k);
  EXPECT_TRUE(Visible("Prg_Type"));
  EXPECT_FALSE(Enabled("Device"));
  Prg_TypeClick(*k, 2);
  EXPECT_EQ(k->Prg_Type, Program_Type::Word_Odd_Low);
  EXPECT_EQ(ui()["Prg_Type_But"].caption, "Word Odd/Low");
  EXPECT_FALSE(Visible("Prg_Type"));
  EXPECT_TRUE(Enabled("Device"));
}

TEST_F(SelectionTest, EveryListLineSelectsWithoutHarm) {
  const auto& lines = Device_List_Lines();
  for (size_t i = 0; i < lines.size(); ++i) {
    Device_Box1Click(*k, static_cast<int>(i));
    EXPECT_LE(k->Dev_End_Add, 0xFFFFFF) << lines[i];
    EXPECT_EQ(k->Dev_Last_Add, k->Dev_End_Add) << lines[i];
    int shown = 0;
    for (std::string_view d : {"Pin_24", "Pin_28", "Pin_28A", "Pin_32", "Pin_40", "Pin_40A",
                               "Pin_40B", "A27X00", "A2708", "Pin_8", "Plc_20", "Pin_8B", "Pin_Dn",
                               "Pin_Up", "Page_1", "Page_2", "A874X", "A875X"})
      shown += Visible(std::string(d).c_str());
    EXPECT_LE(shown, 1) << lines[i];
  }
}

}  // namespace
}  // namespace memprog
