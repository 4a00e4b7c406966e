#include "picprog/core/settings.h"

#include <algorithm>

#include "common/atomic_file.h"
#include "common/settings_file.h"
#include "picprog/core/file_buttons.h"
#include "picprog/core/selection.h"

namespace picprog {

namespace {

constexpr size_t kNumbers = 4;  // device code, file type, start address, Prog_End
constexpr size_t kFile_Line = 5;
constexpr uint16_t kLast_Prog_Word = 0x1FFF;

void Apply_Settings(Mcu9& m, common::Settings_File& file) {
  int32_t code = m.Device_Code, type = m.File_Type, prog_end = m.Prog_End;
  bool device = file.Apply(1, code);
  if (file.Apply(2, type)) m.File_Type = type == 1 ? 1 : 0;  // else binary, the first type
  file.Apply(3, m.Dev_Start_Add);
  if (file.Apply(4, prog_end))
    m.Prog_End = static_cast<uint16_t>(std::clamp<int32_t>(prog_end, 0, kLast_Prog_Word));
  // Without a device code there is nothing to select: the list opens after the search.
  if (device) {
    m.Device_Code = code;
    Select_Device(m);
  }
  Show_File_Type(m);
}

}  // namespace

void Read_Settings(Mcu9& m) {
  common::Settings_File file(kSettings_File, kSettings_File);
  if (file.Found()) Apply_Settings(m, file);
  if (!file.Problems().empty()) m.host.Show_Message(file.Problems(), proglink::Box::Warning, {});
  // A file cut short names no last file: a missing fifth line is not a file called "1".
  if (file.Line_Count() > kNumbers && !file.Text(kFile_Line).empty()) {
    m.Open_File_Name = file.Text(kFile_Line);
    Load_File(m, m.Open_File_Name);
    After_Load(m);
  }
}

void Write_Settings(Mcu9& m) {
  std::string text;
  for (int64_t v : {int64_t{m.Device_Code}, int64_t{m.File_Type}, int64_t{m.Dev_Start_Add},
                    int64_t{m.Prog_End}})
    text += std::to_string(v) + "\r\n";
  text += m.Open_File_Name + "\r\n";
  std::string error = common::Write_Whole_File(kSettings_File, text);
  if (!error.empty())
    m.host.Show_Message("The settings were not saved.\r\n" + error, proglink::Box::Warning, {});
}

}  // namespace picprog
