// The electronic-ID tables: what a manufacturer byte and a device byte name, and which device
// code the list pre-selects for them.
#pragma once

#include <cstdint>
#include <string>

namespace memprog {

// Device code of a named part without a catalogue entry: its name is shown, no line is
// pre-selected and no further identification method is tried. Code 0 means the name is shown
// but the pair counts as not identified.
inline constexpr int kIdCodeNoEntry = 999;

struct Id_Match {
  std::string mfg_caption;  // Mfg caption; empty when the manufacturer byte is not listed
  std::string name;         // part name; empty when the device byte is not listed
  int code = 0;             // Id_Code
  bool mfg_known = false;
  bool dev_known = false;
};

Id_Match Look_Up_Id(uint8_t mfg, uint8_t dev);

// Whether some answer of the ID tables names the device code: a part no answer names cannot be
// told from another one by its electronic ID.
bool Has_Electronic_Id(int code);

// The texts of Mfg and Dev after an identification: the caption and part name, or
// "Mfg Id - " / "Dev Id - " and the byte in two upper-case hex digits when it is not listed.
struct Id_Caption_Texts {
  std::string mfg;
  std::string dev;
};

Id_Caption_Texts Id_Texts(uint8_t mfg, uint8_t dev);

}  // namespace memprog
