// The electronic-ID tables as data (id_tables.cpp); Look_Up_Id reads them.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace memprog {

struct Id_Part {
  uint8_t dev;
  std::string_view name;
  int code;
};

struct Id_Maker {
  uint8_t mfg;
  std::string_view caption;
  std::span<const Id_Part> parts;
};

// The maker of a manufacturer byte; nullptr when the byte is not listed.
const Id_Maker* Find_Id_Maker(uint8_t mfg);

}  // namespace memprog
