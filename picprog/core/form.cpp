#include "picprog/core/form.h"

#include <algorithm>
#include <string>

#include "picprog/catalogue/device_box.h"
#include "picprog/core/version.h"
#include "picprog/diagrams/diagrams.h"
#include "picprog/fuse/controls.h"
#include "proglink/form_builder.h"

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
  // The operation buttons come alive only once a programmer has been found.
  static const std::string title = std::string("Quillon Programmer III - Win_Mcu9 V") + kVersion;
  proglink::Form_Builder f(
      title.c_str(), 960, 536,
      {"Program_Eprom", "Verify_Eprom", "Move_Eprom", "Blank_Chk", "Erase_But"},
      /*button_height=*/21);
  auto label = [&](const char* name, int x, int y, int w, const char* caption, bool visible) {
    f.Add({.name = name,
           .kind = Kind::Label,
           .x = x,
           .y = y,
           .w = w,
           .h = 18,
           .caption = caption,
           .visible = visible});
  };

  // Device and status.
  f.Button("Device", nullptr, 8, 8, 120, "No Device");
  f.Add({.name = "StaticText3",
         .kind = Kind::Label,
         .x = 136,
         .y = 8,
         .w = 816,
         .h = 18,
         .caption = "Looking For Programmer",
         .colour = Colour::Yellow,
         .font = Font::Bold});
  f.Add({.name = "StaticText2",
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
  f.Add({.name = "StaticText4",
         .kind = Kind::Label,
         .x = 8,
         .y = kTop,
         .w = 120,
         .h = 25,
         .colour = Colour::Yellow});
  f.Button("Program_Eprom", "StaticText4", 2, 2, 116, "&Program Device");
  f.Button("Erase_But", "StaticText4", 2, 23, 116, "&Erase Device", "", false);
  f.Button("Verify_Eprom", nullptr, 8, 84, 120, "&Verify Device");
  f.Button("Move_Eprom", nullptr, 8, 108, 120, "&Move Device");
  f.Button("Blank_Chk", nullptr, 8, 132, 120, "&Blank Check");
  f.Button("Prg_EE", nullptr, 8, 160, 120, "Program EE", "", false);
  f.Button("Verify_EE", nullptr, 8, 184, 120, "Verify EE", "", false);
  f.Button("Quit_Add", nullptr, 8, 212, 120, "0000");

  // The buffer.
  f.Button("Edit", nullptr, 136, 56, 120, "&Edit Buffer");
  f.Button("Fill", nullptr, 136, 80, 120, "&Fill Buffer");
  f.Button("Load_But", nullptr, 136, 104, 120, "&Load Buffer");
  f.Button("Save_But", nullptr, 136, 128, 120, "&Save Buffer");
  f.Button("File_But", nullptr, 136, 152, 120, "Binary File");
  f.Button("Chk_Sum_But", nullptr, 136, 184, 120, "Checksum=0000");

  // The ranges. StaticText5 is the label behind them: 46 pixels high for the device range, 88
  // with the data EEPROM range.
  f.Add({.name = "StaticText5",
         .kind = Kind::Label,
         .x = 264,
         .y = 56,
         .w = 176,
         .h = 46,
         .colour = Colour::Yellow});
  f.Button("Start_Add", "StaticText5", 2, 2, 172, "Device Start=0000");
  f.Button("End_Add", "StaticText5", 2, 23, 172, "Device End=0000");
  f.Button("EEprom_Begin", "StaticText5", 2, 44, 172, "EE Start=0000", "", false);
  f.Button("EEprom_End", "StaticText5", 2, 65, 172, "EE End=0000", "", false);
  f.Add({.name = "V_Verify",
         .kind = Kind::Radio_Group,
         .x = 264,
         .y = 150,
         .w = 176,
         .h = 82,
         .caption = "Verify @ ",
         .items = {"3 Volts", "5 Volts", "6 Volts"}});

  // Pop-up lists and the fill value.
  f.Add({.name = "FillBox",
         .kind = Kind::List,
         .x = 264,
         .y = 80,
         .w = 176,
         .h = 74,
         .visible = false,
         .items = {"Fill Buffer With 0000", "Fill Buffer With FFFF", "Fill Buffer With XXXX",
                   "Cancel"}});
  f.Add({.name = "FillEdit",  // in the list's free space below its items
         .kind = Kind::Edit,
         .x = 270,
         .y = 132,
         .w = 60,
         .h = 20,
         .visible = false,
         .max_length = 4,
         .upper_case = true});
  f.Add({.name = "File_Type",
         .kind = Kind::List,
         .x = 264,
         .y = 152,
         .w = 176,
         .h = 40,
         .visible = false,
         .items = {"Binary", "Intel Hex"}});

  // The fuse editor. The brown-out groups sit in the check boxes' group so that the busy state,
  // which disables the group, reaches them too.
  f.Add({.name = "Fuse_Settings",
         .kind = Kind::Group,
         .x = 8,
         .y = 240,
         .w = 300,
         .h = 262,
         .caption = "Fuse Settings"});
  for (size_t i = 0; i < kCheck_Boxes; ++i) {
    int column = i < 7 ? 0 : 1, row = static_cast<int>(i) - 7 * column;
    f.Add({.name = Check_Box_Names[i].data(),
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
    f.Add({.name = Bor_Group_Names[g].data(),
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
  f.Add({.name = "Osc_Settings",
         .kind = Kind::Group,
         .x = 316,
         .y = 240,
         .w = 124,
         .h = 178,
         .caption = "Osc Selection"});
  for (size_t i = 0; i < kOsc_Radios; ++i)
    f.Add({.name = Osc_Names[i].data(),
           .kind = Kind::Radio,
           .parent = "Osc_Settings",
           .x = 8,
           .y = 20 + 19 * static_cast<int>(i),
           .w = 112,
           .h = 18,
           .caption = Osc_Captions[i].data(),
           .enabled = false});
  f.Add({.name = "Fuse_Data",
         .kind = Kind::Label,
         .x = 316,
         .y = 424,
         .w = 124,
         .h = 20,
         .caption = "Fuse = 3FFF",
         .font = Font::Fixed});
  // Shown while the word protects only part of the code, which no setting of the boxes writes.
  f.Add({.name = "Partial_Protect",
         .kind = Kind::Label,
         .x = 316,
         .y = 448,
         .w = 124,
         .h = 18,
         .caption = "Partial Protection",
         .visible = false,
         .hint = "The word protects part of the code; a click here protects all of it or none.",
         .colour = Colour::Yellow});

  // The right half.
  f.Add({.name = "Memo1",
         .kind = Kind::Memo,
         .x = kRight,
         .y = kTop,
         .w = 500,
         .h = 470,
         .visible = false,
         .font = Font::Fixed});
  f.Add({.name = "Device_Box",
         .kind = Kind::List,
         .x = kRight,
         .y = kTop,
         .w = 500,
         .h = 470,
         .visible = false,
         .font = Font::Fixed,
         .items = Strings(Device_Box_Lines.begin(), Device_Box_Lines.end())});
  f.Text_Panels(kDiagram_Names, kRight, kTop);
  f.Add({.name = "Edit_1",
         .kind = Kind::Memo,
         .x = kRight,
         .y = kTop,
         .w = 430,
         .h = 270,
         .visible = false,
         .font = Font::Fixed});
  f.Add({.name = "Chg_Edit_Add",
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
  return f.Take();
}

}  // namespace

const proglink::Form_Design& Mcu9_Form() {
  static const proglink::Form_Design form = Make();
  return form;
}

}  // namespace picprog
