#include "memprog/core/settings.h"

#include <filesystem>

#include "common/atomic_file.h"
#include "common/input_file.h"
#include "common/settings_file.h"
#include "common/text_file.h"
#include "memprog/core/file_buttons.h"
#include "memprog/core/main_form.h"
#include "memprog/core/ranges.h"
#include "memprog/core/selection.h"

namespace memprog {

namespace {

constexpr int kLast_File_Line = 20;
constexpr const char* kHelp_File = "Win_KV9.Txt";

}  // namespace

std::string Settings_Path(const Kv9& k) {
  return common::Join_Path(k.Prog_Dir, "Win_KV9.Cfg");
}

void Read_Settings(Kv9& k) {
  common::Settings_File file(Settings_Path(k), "Win_KV9.Cfg");
  if (!file.Found()) {
    if (!file.Problems().empty()) k.host.Show_Message(file.Problems(), proglink::Box::Warning, {});
    return;
  }

  k.ui.Checked("Lo_Hi", false);
  k.ui.Checked("Hi_Lo", false);

  proglink::Window_Geometry g = k.host.Geometry();
  int32_t* numbers[22] = {};
  int32_t device_code = k.Device_Code, list_index = k.List_Index,
          prg_type = static_cast<int32_t>(k.Prg_Type);
  numbers[1] = &k.Prog_Pulse;
  numbers[2] = &k.Prog_Pass;
  numbers[3] = &device_code;
  numbers[4] = &k.File_Type;
  numbers[5] = &prg_type;
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
    bool applied = file.Apply(line, *numbers[line]);
    if (line == 3 && applied) {
      // The device's defaults first; the lines after it override them.
      k.Device_Code = device_code;
      Select_Device(k);
    }
    if (line == 5) k.Prg_Type = static_cast<Program_Type>(prg_type);
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
  if (!file.Problems().empty()) k.host.Show_Message(file.Problems(), proglink::Box::Warning, {});
  const std::string& last_file = file.Text(kLast_File_Line);
  if (!last_file.empty()) {
    k.Open_File_Name = last_file;
    Load_File(k, k.Open_File_Name);
  }
  k.ui.Caption("Auto_Verify", k.Auto_Verify != 0 ? "Auto Verify On" : "Auto Verify Off");
}

void Write_Settings(Kv9& k) {
  proglink::Window_Geometry g = k.host.Geometry();
  const int32_t values[22] = {0,
                              k.Prog_Pulse,
                              k.Prog_Pass,
                              k.Device_Code,
                              k.File_Type,
                              static_cast<int32_t>(k.Prg_Type),
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
  k.link.Stop_Code = proglink::stop::Time_Out;
  k.host.Close_Window();
}

void HelpClick(Kv9& k) {
  End_Busy(k);
  k.link.Memo1().Show(false);
  // The working folder's own help text first, then the installed one.
  common::File_Data help =
      common::Read_File(common::Join_Path(k.Prog_Dir, kHelp_File), common::kHelp_File_Limit);
  if (help.missing && !k.Data_Dir.empty())
    help = common::Read_File(common::Join_Path(k.Data_Dir, kHelp_File), common::kHelp_File_Limit);
  if (help.missing) return;
  if (!help.Ok()) {
    k.host.Show_Message(help.error, proglink::Box::Warning, {});
    return;
  }
  std::vector<std::string> lines = common::Split_Lines(help.bytes);
  if (lines.empty()) lines.push_back("");
  k.ui.Visible("Panel6", false);
  k.ui.Lines("Help1", lines);
  k.ui.Visible("Help1", true);
}

}  // namespace memprog
