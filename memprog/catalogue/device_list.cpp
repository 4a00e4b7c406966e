#include "memprog/catalogue/device_list.h"

#include "common/hex.h"

namespace memprog {

int Code_Of_Line(std::string_view line) {
  constexpr size_t kCodeColumn = 40;  // column 41, counted from 0
  if (line.size() <= kCodeColumn) return 0;
  auto code = common::Parse_Decimal(line.substr(kCodeColumn, 3));
  return code ? static_cast<int>(*code) : 0;
}

int Find_Line_With_Code(int code) {
  if (code <= 0) return -1;
  const auto& lines = Device_List_Lines();
  for (size_t i = 1; i < lines.size(); ++i) {
    if (Code_Of_Line(lines[i]) == code) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace memprog
