#include "picprog/core/form.h"

#include <algorithm>
#include <set>
#include <string>

#include "picprog/catalogue/device_box.h"
#include "picprog/diagrams/diagrams.h"
#include "picprog/fuse/controls.h"

namespace picprog {

using proglink::Colour;
using proglink::Font;
using proglink::Kind;

namespace {

// The left half holds the buttons and the fuse editor; the socket panels, the message area,
// the device list and the buffer editor take turns over the right half.
constexpr int kRight = 452;
constexpr int kTop = 32;

std::vector<std::string> Strings(auto first, auto last) {
  return std::vector<std::string>(first, last);
}

proglink::Form_Design Make() {
  proglink::Form_Design f{"Quillon Programmer III - Win_Mcu9 V3.10", 960, 536, {}};
  // The operation buttons come alive only once a programmer has been found.
  static const std::set<std::string> kNeed_Programmer = {"Program_Eprom", "Verify_Eprom",
                                                         "Move_Eprom", "Blank_Chk", "Erase_But"};
  auto add = [&](proglink::Control_Design c) {
    if (kNeed_Programmer.count(c.name)) c.enabled = false;
    f.controls.push_back(std::move(c));
  };
  auto button = [&](const char* name, const char* parent, int x, int y, int w, const char* caption,
                    bool visible = true) {
    add({.name = name,
         .kind = Kind::Button,
         .parent = parent,
         .x = x,
         .y = y,
         .w = w,
         .h = 21,
         .caption = caption,
         .visible = visible});
  };
  auto label = [&](const char* name, int x, int y, int w, const char* caption, bool visible) {
    add({.name = name,
         .kind = Kind::Label,
         .x = x,
         .y = y,
         .w = w,
         .h = 18,
         .caption = caption,
         .visible = visible});
  };

  // Device and status.
  button("Device", nullptr, 8, 8, 120, "No Device");
  add({.name = "StaticText3",
       .kind = Kind::Label,
       .x = 136,
       .y = 8,
       .w = 816,
       .h = 18,
       .caption = "Looking For Programmer",
       .colour = Colour::Yellow,
       .font = Font::Bold});
  add({.name = "StaticText2",
       .kind = Kind::Label,
       .x = 136,
       .y = kTop,
       .w = 304,
       .h = 18,
       .visible = false,
       .colour = Colour::Yellow,
       .font = Font::Bold});
  label("StaticText1", 8, 512, 944, "Last File Loaded in Buffer=No File Loaded", true);

  // The operations. StaticText4 is the label behind Program and Erase: 25 pixels high, 46 when
  // the part can be erased.
  add({.name = "StaticText4",
       .kind = Kind::Label,
       .x = 8,
       .y = kTop,
       .w = 120,
       .h = 25,
       .colour = Colour::Red});
  button("Program_Eprom", "StaticText4", 2, 2, 116, "&Program Device");
  button("Erase_But", "StaticText4", 2, 23, 116, "&Erase Device", false);
  button("Verify_Eprom", nullptr, 8, 84, 120, "&Verify Device");
  button("Move_Eprom", nullptr, 8, 108, 120, "&Move Device");
  button("Blank_Chk", nullptr, 8, 132, 120, "&Blank Check");
  button("Prg_EE", nullptr, 8, 160, 120, "Program EE", false);
  button("Verify_EE", nullptr, 8, 184, 120, "Verify EE", false);
  button("Quit_Add", nullptr, 8, 212, 120, "0000");

  // The buffer.
  button("Edit", nullptr, 136, 56, 120, "&Edit Buffer");
  button("Fill", nullptr, 136, 80, 120, "&Fill Buffer");
  button("Load_But", nullptr, 136, 104, 120, "&Load Buffer");
  button("Save_But", nullptr, 136, 128, 120, "&Save Buffer");
  button("File_But", nullptr, 136, 152, 120, "Binary File");
  button("Chk_Sum_But", nullptr, 136, 184, 120, "Checksum=0000");

  // The ranges. StaticText5 is the label behind them: 46 pixels high for the device range, 88
  // with the data EEPROM range.
  add({.name = "StaticText5",
       .kind = Kind::Label,
       .x = 264,
       .y = 56,
       .w = 176,
       .h = 46,
       .colour = Colour::Red});
  button("Start_Add", "StaticText5", 2, 2, 172, "Device Start=0000");
  button("End_Add", "StaticText5", 2, 23, 172, "Device End=0000");
  button("EEprom_Begin", "StaticText5", 2, 44, 172, "EE Start=0000", false);
  button("EEprom_End", "StaticText5", 2, 65, 172, "EE End=0000", false);
  add({.name = "V_Verify",
       .kind = Kind::Radio_Group,
       .x = 264,
       .y = 150,
       .w = 176,
       .h = 82,
       .caption = "Verify @ ",
       .items = {"3 Volts", "5 Volts", "6 Volts"}});

  // Pop-up lists and the fill value.
  add({.name = "FillBox",
       .kind = Kind::List,
       .x = 264,
       .y = 80,
       .w = 176,
       .h = 74,
       .visible = false,
       .items = {"Fill Buffer With 0000", "Fill Buffer With FFFF", "Fill Buffer With XXXX",
                 "Cancel"}});
  add({.name = "FillEdit",  // in the list's free space below its items
       .kind = Kind::Edit,
       .x = 270,
       .y = 132,
       .w = 60,
       .h = 20,
       .visible = false,
       .max_length = 4,
       .upper_case = true});
  add({.name = "File_Type",
       .kind = Kind::List,
       .x = 264,
       .y = 152,
       .w = 176,
       .h = 40,
       .visible = false,
       .items = {"Binary", "Intel Hex"}});

  // The fuse editor. The brown-out groups sit in the check boxes' group so that the busy state,
  // which disables the group, reaches them too.
  add({.name = "Fuse_Settings",
       .kind = Kind::Group,
       .x = 8,
       .y = 240,
       .w = 300,
       .h = 262,
       .caption = "Fuse Settings"});
  for (size_t i = 0; i < kCheck_Boxes; ++i) {
    int column = i < 7 ? 0 : 1, row = static_cast<int>(i) - 7 * column;
    add({.name = Check_Box_Names[i].data(),
         .kind = Kind::Check,
         .parent = "Fuse_Settings",
         .x = 8 + 146 * column,
         .y = 20 + 19 * row,
         .w = 140,
         .h = 18,
         .caption = Check_Box_Captions[i].data(),
         .enabled = Check_Box_Names[i] == "Protec"});
  }
  for (size_t g = 0; g < kBor_Groups; ++g) {
    const auto& items = Bor_Items[g];
    auto end = std::find(items.begin(), items.end(), std::string_view());
    add({.name = Bor_Group_Names[g].data(),
         .kind = Kind::Radio_Group,
         .parent = "Fuse_Settings",
         .x = 8,
         .y = 158,
         .w = 140,
         .h = 98,
         .caption = kBor_Group_Caption.data(),
         .visible = false,
         .items = Strings(items.begin(), end)});
  }
  add({.name = "Osc_Settings",
       .kind = Kind::Group,
       .x = 316,
       .y = 240,
       .w = 124,
       .h = 178,
       .caption = "Osc Selection"});
  for (size_t i = 0; i < kOsc_Radios; ++i)
    add({.name = Osc_Names[i].data(),
         .kind = Kind::Radio,
         .parent = "Osc_Settings",
         .x = 8,
         .y = 20 + 19 * static_cast<int>(i),
         .w = 112,
         .h = 18,
         .caption = Osc_Captions[i].data(),
         .enabled = false});
  add({.name = "Fuse_Data",
       .kind = Kind::Label,
       .x = 316,
       .y = 424,
       .w = 124,
       .h = 20,
       .caption = "Fuse = 3FFF",
       .font = Font::Fixed});

  // The right half.
  add({.name = "Memo1",
       .kind = Kind::Memo,
       .x = kRight,
       .y = kTop,
       .w = 500,
       .h = 470,
       .visible = false,
       .font = Font::Fixed});
  add({.name = "Device_Box",
       .kind = Kind::List,
       .x = kRight,
       .y = kTop,
       .w = 500,
       .h = 470,
       .visible = false,
       .font = Font::Fixed,
       .items = Strings(Device_Box_Lines.begin(), Device_Box_Lines.end())});
  for (std::string_view d : kDiagram_Names)
    add({.name = d.data(),
         .kind = Kind::Text_Panel,
         .x = kRight,
         .y = kTop,
         .visible = false,
         .font = Font::Fixed});
  add({.name = "Edit_1",
       .kind = Kind::Memo,
       .x = kRight,
       .y = kTop,
       .w = 430,
       .h = 270,
       .visible = false,
       .font = Font::Fixed});
  add({.name = "Chg_Edit_Add",
       .kind = Kind::Edit,
       .x = kRight,
       .y = 308,
       .w = 50,
       .h = 20,
       .visible = false,
       .max_length = 4,
       .upper_case = true});
  label("Buf_Start", kRight + 58, 309, 110, "Start of Buffer", false);
  label("EE_Start", kRight + 174, 309, 110, "Start of EEprom", false);
  label("ID_Start", kRight + 290, 309, 100, "Start of ID", false);
  return f;
}

}  // namespace

const proglink::Form_Design& Mcu9_Form() {
  static const proglink::Form_Design form = Make();
  return form;
}

}  // namespace picprog
