#include "memprog/core/form.h"

#include <string>
#include <tuple>

#include "memprog/core/version.h"
#include "memprog/diagrams/diagrams.h"
#include "proglink/form_builder.h"

namespace memprog {

using proglink::Colour;
using proglink::Font;
using proglink::Kind;

namespace {

proglink::Form_Design Make() {
  // The device buttons come alive only once a programmer has been found.
  static const std::string title = std::string("Quillon Programmer III - Win_KV9 V") + kVersion;
  proglink::Form_Builder f(
      title.c_str(), 695, 480,
      {"Quit_Func_But", "Read_Time", "Program_Eprom", "Prg_Time", "Verify_Eprom", "Security",
       "Auto_Verify", "Protect", "Erase_But2", "Prog_ID", "Move_Eprom", "Vpp_But", "Blank_Chk",
       "Compare", "Erase_But", "Flash"},
      /*button_height=*/20);

  // Status, file name and the two message areas.
  f.Add({.name = "StaticText3",
         .kind = Kind::Label,
         .x = 248,
         .y = 8,
         .w = 380,
         .h = 17,
         .caption = "Looking For Programmer",
         .colour = Colour::Yellow,
         .font = Font::Bold});
  f.Add({.name = "StaticText4",
         .kind = Kind::Label,
         .x = 8,
         .y = 458,
         .w = 680,
         .h = 17,
         .caption = "Last File Loaded in Buffer=No File Loaded"});
  f.Add({.name = "Memo1",
         .kind = Kind::Memo,
         .x = 432,
         .y = 30,
         .w = 253,
         .h = 284,
         .visible = false,
         .font = Font::Fixed});
  f.Add({.name = "Memo2", .kind = Kind::Memo, .x = 8, .y = 480, .w = 680, .h = 120});

  // The left column: device, voltage, split and the read-type operations.
  f.Button("Device", nullptr, 8, 8, 112, "No Device", "Selects the Device Type...");
  f.Button("Vpp_But", nullptr, 8, 32, 112, "Vpp = 25", "Sets the Program Voltage...");
  f.Button("Prg_Type_But", nullptr, 8, 56, 112, "Byte Program", "Selects 8 or 16 Bit Splits...");
  f.Add({.name = "Panel7",
         .kind = Kind::Panel,
         .x = 8,
         .y = 80,
         .w = 112,
         .h = 28,
         .colour = Colour::Red});
  f.Button("Program_Eprom", "Panel7", 2, 4, 108, "&Program Device",
           "Programs the Device from the Buffer...");
  f.Button("Security", "Panel7", 2, 25, 108, "Program Security", "", false);
  f.Button("Erase_But", "Panel7", 2, 25, 108, "&Erase Device", "Clears a Flash Part...", false);
  f.Button("Prg_Time", "Panel7", 2, 25, 108, "Program Time", "Programs the Clock in TimeKeepers..",
           false);
  f.Button("Erase_But2", "Panel7", 2, 46, 108, "Erase Device", "", false);
  f.Button("Read_Time", "Panel7", 2, 46, 108, "Read Time", "Reads the Clock in TimeKeepers..",
           false);
  f.Button("Protect", "Panel7", 2, 46, 108, "Protect", "Set Protection On for 28XXX EEprom's...",
           false);
  f.Button("Prog_ID", "Panel7", 2, 46, 108, "Program ID", "Will not work on all Brands...", false);
  f.Button("Verify_Eprom", nullptr, 8, 152, 112, "&Verify Device");
  f.Button("Move_Eprom", nullptr, 8, 176, 112, "&Move Device");
  f.Button("Blank_Chk", nullptr, 8, 200, 112, "&Blank Check");
  f.Button("Compare", nullptr, 8, 224, 112, "Program Compare");
  f.Button("Auto_Verify", nullptr, 8, 248, 112, "Auto Verify On",
           "Verifies Device After Programming....");
  f.Button("Chk_Sum_But", nullptr, 8, 272, 112, "&Check Sum=0000");

  // Buffer and address ranges; the range buttons sit at the tops the entry field moves to.
  f.Add({.name = "Panel6", .kind = Kind::Panel, .x = 8, .y = 300, .w = 420, .h = 152});
  f.Button("Start_Buf_Add", "Panel6", 0, 26, 150, "Buffer Start=00000");
  f.Button("Start_Add", "Panel6", 0, 46, 150, "Device Start=00000");
  f.Button("End_Add", "Panel6", 0, 66, 150, "Device End=00000");
  // The hex range buttons are for the hex file types only; binary is the type at start.
  for (auto [name, y, caption] : {std::tuple{"Start_Hex", 86, "Hex File Start=00000"},
                                  std::tuple{"End_Hex", 106, "Hex File End=FFFFFF"},
                                  std::tuple{"Offset", 126, "Hex Offset=00000"}})
    f.Add({.name = name,
           .kind = Kind::Button,
           .parent = "Panel6",
           .x = 0,
           .y = y,
           .w = 150,
           .h = 20,
           .caption = caption,
           .enabled = false});
  f.Button("Edit", "Panel6", 232, 26, 112, "&Edit Buffer");
  f.Button("Fill", "Panel6", 232, 46, 112, "&Fill Buffer");
  f.Button("Load_But", "Panel6", 232, 66, 112, "&Load Buffer", "Loads Buffer from Disk File...");
  f.Button("Save_But", "Panel6", 232, 86, 112, "&Save Buffer");
  f.Button("File_But", "Panel6", 232, 106, 112, "Binary File");
  f.Button("Help", "Panel6", 232, 126, 112, "Help");
  f.Add({.name = "Edit_Add",
         .kind = Kind::Edit,
         .x = 162,
         .y = 326,
         .w = 70,
         .h = 20,
         .visible = false,
         .upper_case = true});

  // The test panel and the calibration panel, in the place of Panel6.
  f.Add({.name = "Test",
         .kind = Kind::Group,
         .x = 8,
         .y = 300,
         .w = 150,
         .h = 154,
         .caption = " Test Buttons ",
         .visible = false,
         .colour = Colour::Blue});
  f.Button("Vpp_Test", "Test", 8, 8, 134, "Vpp Test");
  f.Button("Chg_Pass", "Test", 8, 30, 134, "Program Pass=");
  f.Button("Program_Pulse", "Test", 8, 50, 134, "Program Pulse=");
  f.Button("Auto_ID", "Test", 8, 70, 134, "Auto ID = On");
  f.Button("Default", "Test", 8, 90, 134, "Reset Defaults");
  f.Button("Flash", "Test", 8, 110, 134, "Flash Update");
  f.Button("Quit_Test", "Test", 8, 130, 134, "Quit Test");
  f.Add({.name = "Vpp_Cal",
         .kind = Kind::Group,
         .x = 8,
         .y = 300,
         .w = 150,
         .h = 154,
         .caption = " Vpp Cal Test ",
         .visible = false,
         .colour = Colour::Red});
  f.Button("Vxx_Test", "Vpp_Cal", 8, 20, 134, "Vcc = 0", "Sets the Test Voltage..");
  f.Button("Write_Vpp", "Vpp_Cal", 8, 42, 134, "Vpp Value - 00", "Saves the Vpp Value to EEprom..");
  f.Button("Vpp_Up", "Vpp_Cal", 8, 64, 134, "Vpp Up", "Raises the Vpp Voltage..");
  f.Button("Vpp_Down", "Vpp_Cal", 8, 86, 134, "Vpp Down", "Lowers the Vpp Voltage..");
  f.Button("Test_Adapter", "Vpp_Cal", 8, 108, 134, "Test Adapter");
  f.Button("Quit_Vpp", "Vpp_Cal", 8, 130, 134, "Quit Test");
  f.Add({.name = "Cal_Vpp",
         .kind = Kind::Text_Panel,
         .x = 166,
         .y = 30,
         .visible = false,
         .font = Font::Fixed});

  // Right side: identification, clock fields, byte order, Quit.
  f.Add({.name = "Mfg",
         .kind = Kind::Label,
         .x = 550,
         .y = 32,
         .w = 135,
         .h = 17,
         .visible = false,
         .colour = Colour::Silver,
         .font = Font::Bold});
  f.Add({.name = "Dev",
         .kind = Kind::Label,
         .x = 550,
         .y = 56,
         .w = 135,
         .h = 17,
         .visible = false,
         .colour = Colour::Yellow});
  f.Add({.name = "T_Keeper",
         .kind = Kind::Group,
         .x = 432,
         .y = 318,
         .w = 253,
         .h = 110,
         .caption = "Time Keeper",
         .visible = false,
         .colour = Colour::Red});
  static const char* const kTime_Labels[9] = {"Calibration", "Seconds",  "Minutes",
                                              "Hours",       "Day",      "Date",
                                              "Month",       "Year X 1", "Year X 100"};
  static const char* const kTime_Initial[9] = {"00", "00", "45", "17", "07",
                                               "23", "12", "07", "20"};
  static const char* const kTime_Names[9] = {"Time_1", "Time_2", "Time_3", "Time_4", "Time_5",
                                             "Time_6", "Time_7", "Time_8", "Time_9"};
  static const char* const kLabel_Names[9] = {"Time_1_Label", "Time_2_Label", "Time_3_Label",
                                              "Time_4_Label", "Time_5_Label", "Time_6_Label",
                                              "Time_7_Label", "Time_8_Label", "Time_9_Label"};
  for (int i = 0; i < 9; ++i) {
    int row = 8 - i;  // top to bottom: Time_9 .. Time_1
    int x = row < 5 ? 6 : 130, y = 18 + (row % 5) * 18;
    f.Add({.name = kLabel_Names[i],
           .kind = Kind::Label,
           .parent = "T_Keeper",
           .x = x,
           .y = y + 2,
           .w = 80,
           .h = 16,
           .caption = kTime_Labels[i]});
    f.Add({.name = kTime_Names[i],
           .kind = Kind::Edit,
           .parent = "T_Keeper",
           .x = x + 84,
           .y = y,
           .w = 30,
           .h = 17,
           .caption = kTime_Initial[i],
           .max_length = 2});
  }
  f.Add({.name = "Flash_x16",
         .kind = Kind::Group,
         .x = 432,
         .y = 318,
         .w = 253,
         .h = 62,
         .caption = "x8 / x16 Flash Parts",
         .visible = false,
         .colour = Colour::Yellow});
  f.Add({.name = "Lo_Hi",
         .kind = Kind::Radio,
         .parent = "Flash_x16",
         .x = 10,
         .y = 18,
         .w = 200,
         .h = 18,
         .caption = "R/W as Lo/Hi",
         .checked = true});
  f.Add({.name = "Hi_Lo",
         .kind = Kind::Radio,
         .parent = "Flash_x16",
         .x = 10,
         .y = 38,
         .w = 200,
         .h = 18,
         .caption = "R/W as Hi/Lo"});
  f.Button("Quit_Func_But", nullptr, 560, 432, 125, "&Quit = 00000");

  // Pop-up lists and fields.
  f.Add({.name = "Device_Box1",
         .kind = Kind::List,
         .x = 128,
         .y = 30,
         .w = 340,
         .h = 268,
         .visible = false,
         .font = Font::Fixed});
  f.Add({.name = "Prg_Type",
         .kind = Kind::List,
         .x = 128,
         .y = 56,
         .w = 220,
         .h = 56,
         .visible = false,
         .items = {"Byte Program 8-Bit Byte", "Word Even   16-Bit Word High",
                   "Word Odd    16-Bit Word Low"}});
  f.Add({.name = "File_Type",
         .kind = Kind::List,
         .x = 356,
         .y = 326,
         .w = 130,
         .h = 90,
         .visible = false,
         .items = {"Binary", "Intel Hex", "Motorola Hex", "Tektronics Hex", "Ascii Hex"}});
  f.Add({.name = "FillBox",
         .kind = Kind::List,
         .x = 356,
         .y = 326,
         .w = 150,
         .h = 74,
         .visible = false,
         .items = {"Fill Buffer With 00", "Fill Buffer With FF", "Fill Buffer With XX", "Cancel"}});
  f.Add({.name = "Fill_Edit",
         .kind = Kind::Edit,
         .x = 510,
         .y = 326,
         .w = 30,
         .h = 20,
         .visible = false,
         .max_length = 2,
         .upper_case = true});
  f.Add({.name = "Security_List",
         .kind = Kind::List,
         .x = 128,
         .y = 104,
         .w = 150,
         .h = 74,
         .visible = false,
         .items = {"Program Bit 1", "Program Bit 2", "Program Bit 3", "Cancel"}});

  // The centre: help text, buffer editor, socket diagrams.
  // The help text's columns are laid out for a fixed pitch.
  f.Add({.name = "Help1",
         .kind = Kind::Memo,
         .x = 128,
         .y = 30,
         .w = 557,
         .h = 420,
         .visible = false,
         .font = Font::Fixed});
  f.Add({.name = "Edit_Info",
         .kind = Kind::Label,
         .x = 128,
         .y = 30,
         .w = 557,
         .h = 17,
         .caption = "Address=00000               Hex Data=41              Ascii Data=A",
         .visible = false,
         .font = Font::Fixed});
  f.Add({.name = "Chg_Edit_Add",
         .kind = Kind::Edit,
         .x = 615,
         .y = 29,
         .w = 70,
         .h = 19,
         .visible = false,
         .max_length = 6,
         .upper_case = true});
  f.Add({.name = "Edit1",
         .kind = Kind::Memo,
         .x = 128,
         .y = 50,
         .w = 557,
         .h = 264,
         .visible = false,
         .font = Font::Fixed});
  f.Text_Panels(kDiagram_Names, 128, 30);
  return f.Take();
}

}  // namespace

const proglink::Form_Design& Kv9_Form() {
  static const proglink::Form_Design form = Make();
  return form;
}

}  // namespace memprog
