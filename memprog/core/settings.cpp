#include "memprog/core/settings.h"

#include <filesystem>

#include "common/atomic_file.h"
#include "common/hex.h"
#include "common/text_file.h"
#include "memprog/core/file_buttons.h"
#include "memprog/core/main_form.h"
#include "memprog/core/ranges.h"
#include "memprog/core/selection.h"

namespace memprog {

namespace {

constexpr int kSlots = 29;
constexpr int kLast_File_Line = 20;
constexpr const char* kHelp_File = "Win_KV9.Txt";

}  // namespace

std::string Settings_Path(const Kv9& k) {
  return common::Join_Path(k.Prog_Dir, "Win_KV9.Cfg");
}

bool Read_Settings(Kv9& k) {
  std::vector<std::string> slots(kSlots + 1, "1");  // slots 1..29; missing lines read "1"
  auto lines = common::Read_Lines(Settings_Path(k));
  if (!lines) return true;
  for (size_t i = 0; i < lines->size() && i < kSlots; ++i) slots[i + 1] = (*lines)[i];

  k.ui.Checked("Lo_Hi", false);
  k.ui.Checked("Hi_Lo", false);

  proglink::Window_Geometry g = k.host.Geometry();
  int32_t* numbers[22] = {};
  int32_t device_code = 0, list_index = 0;
  numbers[1] = &k.Prog_Pulse;
  numbers[2] = &k.Prog_Pass;
  numbers[3] = &device_code;
  numbers[4] = &k.File_Type;
  numbers[5] = &k.Prg_Type;
  numbers[6] = &k.Vpp_Select;
  numbers[7] = &k.Auto_Verify;
  numbers[8] = &k.Auto_ID;
  numbers[9] = &k.Buf_Start_Add;
  numbers[10] = &k.Dev_Start_Add;
  numbers[11] = &k.Dev_End_Add;
  numbers[12] = &k.Hex_Start_Add;
  numbers[13] = &k.Hex_End_Add;
  numbers[14] = &k.Hex_Offset;
  numbers[15] = &g.width;
  numbers[16] = &g.height;
  numbers[17] = &g.top;
  numbers[18] = &g.left;
  numbers[19] = &list_index;
  numbers[21] = &k.Byte_Order;
  for (int line = 1; line <= 21; ++line) {
    if (line == kLast_File_Line) continue;
    auto v = common::Parse_Decimal(slots[line]);
    if (!v || *v < INT32_MIN || *v > INT32_MAX) {
      k.host.Show_Message("'" + slots[line] + "' is not a valid integer value",
                          proglink::Box::Error, {});
      return false;
    }
    *numbers[line] = static_cast<int32_t>(*v);
    if (line == 3) {
      // The device's defaults first; the lines after it override them.
      k.Device_Code = device_code;
      Select_Device(k);
    }
    if (line == 18) k.host.Set_Geometry(g);
    if (line == 19) {
      int lines_in_list = static_cast<int>(k.ui["Device_Box1"].lines.size());
      k.List_Index = list_index;
      k.ui.Item_Index("Device_Box1",
                      list_index >= 0 && list_index < lines_in_list ? list_index : -1);
    }
  }
  k.ui.Checked(k.Byte_Order == 0 ? "Lo_Hi" : "Hi_Lo", true);
  Show_File_Type(k);
  k.ui.Caption("Prg_Type_But", Prg_Type_Caption(k.Prg_Type));
  Show_Ranges(k);
  if (!slots[kLast_File_Line].empty()) {
    k.Open_File_Name = slots[kLast_File_Line];
    Load_File(k, k.Open_File_Name);
  }
  k.ui.Caption("Auto_Verify", k.Auto_Verify != 0 ? "Auto Verify On" : "Auto Verify Off");
  return true;
}

void Write_Settings(Kv9& k) {
  proglink::Window_Geometry g = k.host.Geometry();
  const int32_t values[22] = {0,
                              k.Prog_Pulse,
                              k.Prog_Pass,
                              k.Device_Code,
                              k.File_Type,
                              k.Prg_Type,
                              k.Vpp_Select,
                              k.Auto_Verify,
                              k.Auto_ID,
                              k.Buf_Start_Add,
                              k.Dev_Start_Add,
                              k.Dev_End_Add,
                              k.Hex_Start_Add,
                              k.Hex_End_Add,
                              k.Hex_Offset,
                              g.width,
                              g.height,
                              g.top,
                              g.left,
                              k.List_Index,
                              0,
                              k.Byte_Order};
  std::string text;
  for (int line = 1; line <= 21; ++line) {
    text += line == kLast_File_Line ? k.Open_File_Name : std::to_string(values[line]);
    text += "\r\n";
  }
  std::string error = common::Write_Whole_File(Settings_Path(k), text);
  if (!error.empty())
    k.host.Show_Message("The settings were not saved.\r\n" + error, proglink::Box::Warning, {});
}

void DefaultClick(Kv9& k) {
  std::string path = Settings_Path(k);
  if (!std::filesystem::exists(path)) return;
  if (!k.host.Ask_Yes_No("Do you really want to delete Win_KV9.Cfg\r\nand Exit this Program ?", {}))
    return;
  std::error_code ec;
  std::filesystem::remove(path, ec);
  k.link.Stop_Code = 6;
  k.host.Close_Window();
}

void HelpClick(Kv9& k) {
  End_Busy(k);
  k.link.Memo1().Show(false);
  // The working folder's own help text first, then the installed one.
  auto lines = common::Read_Lines(common::Join_Path(k.Prog_Dir, kHelp_File));
  if (!lines && !k.Data_Dir.empty())
    lines = common::Read_Lines(common::Join_Path(k.Data_Dir, kHelp_File));
  if (!lines) return;
  if (lines->empty()) lines->push_back("");
  k.ui.Visible("Panel6", false);
  k.ui.Lines("Help1", *lines);
  k.ui.Visible("Help1", true);
}

}  // namespace memprog
