// One row per part, in the order of the catalogue: its caption and the ID bits of its word
// 0x2006 at revision 0. The F and LF versions of a part, and the 16F636 and 16F639, share theirs.
#include "picprog/catalogue/device_ids.h"

#include <algorithm>
#include <iterator>

namespace picprog {

namespace {

struct Device_Id {
  std::string_view caption;
  uint16_t id;
};

constexpr Device_Id kDevice_Ids[] = {
    {"12F635", 0x0FA0},  {"12F629", 0x0F80},   {"12F675", 0x0FC0},   {"12F683", 0x0460},
    {"16F72", 0x00A0},   {"16F73", 0x0600},    {"16F74", 0x0620},    {"16F76", 0x0640},
    {"16F77", 0x0660},   {"16F84/A", 0x0560},  {"16F627", 0x07A0},   {"16F627A", 0x1040},
    {"16LF627", 0x07A0}, {"16LF627A", 0x1040}, {"16F628", 0x07C0},   {"16F628A", 0x1060},
    {"16LF628", 0x07C0}, {"16LF628A", 0x1060}, {"16F631", 0x1420},   {"16F636", 0x10A0},
    {"16F639", 0x10A0},  {"16F648A", 0x1100},  {"16LF648A", 0x1100}, {"16F677", 0x1440},
    {"16F684", 0x1080},  {"16F685", 0x04A0},   {"16F687", 0x1320},   {"16F688", 0x1180},
    {"16F689", 0x1340},  {"16F690", 0x1400},   {"16F870", 0x0D00},   {"16F871", 0x0D20},
    {"16F872", 0x08E0},  {"16F873", 0x0960},   {"16F873A", 0x0E40},  {"16F874", 0x0920},
    {"16F874A", 0x0E60}, {"16F876", 0x09E0},   {"16F876A", 0x0E00},  {"16F877", 0x09A0},
    {"16F877A", 0x0E20},
};

}  // namespace

std::optional<uint16_t> Device_Id_Of(std::string_view caption) {
  const auto* row = std::find_if(std::begin(kDevice_Ids), std::end(kDevice_Ids),
                                 [&](const Device_Id& d) { return d.caption == caption; });
  if (row == std::end(kDevice_Ids)) return std::nullopt;
  return row->id;
}

std::string Parts_With_Device_Id(uint16_t word) {
  std::string parts;
  for (const Device_Id& d : kDevice_Ids)
    if (d.id == (word & kDevice_Id_Mask))
      parts += (parts.empty() ? "" : " or ") + std::string(d.caption);
  return parts;
}

}  // namespace picprog
