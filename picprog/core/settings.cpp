#include "picprog/core/settings.h"

#include <algorithm>

#include "common/atomic_file.h"
#include "common/hex.h"
#include "common/text_file.h"
#include "picprog/core/file_buttons.h"
#include "picprog/core/selection.h"

namespace picprog {

namespace {

constexpr size_t kNumbers = 4;  // device code, file type, start address, Prog_End
constexpr uint16_t kLast_Prog_Word = 0x1FFF;

}  // namespace

void Read_Settings(Mcu9& m) {
  auto lines = common::Read_Lines(kSettings_File);
  if (!lines) return;
  int64_t numbers[kNumbers];
  for (size_t i = 0; i < kNumbers; ++i) {
    const std::string text = i < lines->size() ? (*lines)[i] : "1";  // a missing line reads "1"
    auto v = common::Parse_Decimal(text);
    if (!v || *v < INT32_MIN || *v > INT32_MAX) {
      m.host.Show_Message("'" + text + "' is not a valid integer value", proglink::Box::Error, {});
      return;
    }
    numbers[i] = *v;
  }
  m.Device_Code = static_cast<int>(numbers[0]);
  m.File_Type = numbers[1] == 1 ? 1 : 0;  // anything else reads as binary, the first type
  m.Dev_Start_Add = static_cast<int32_t>(numbers[2]);
  m.Prog_End = static_cast<uint16_t>(std::clamp<int64_t>(numbers[3], 0, kLast_Prog_Word));
  Select_Device(m);
  Show_File_Type(m);
  // A file cut short names no last file: a missing fifth line is not a file called "1".
  if (lines->size() > kNumbers && !(*lines)[kNumbers].empty()) {
    m.Open_File_Name = (*lines)[kNumbers];
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
