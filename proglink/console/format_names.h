// The buffer file formats of a front end by the names its options give them and by the
// extensions of file names, both in any case.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string_view>

#include "proglink/console/device_lookup.h"

namespace proglink::console {

template <class Format>
struct Format_Name {
  std::string_view name;  // "bin", or an extension with its dot: ".bin"
  Format format;
};

template <class Format>
std::optional<Format> Format_Called(std::span<const Format_Name<Format>> names,
                                    std::string_view text) {
  for (const Format_Name<Format>& n : names)
    if (Equal_Ignoring_Case(n.name, text)) return n.format;
  return std::nullopt;
}

template <class Format>
std::optional<Format> Format_Of_Path(std::span<const Format_Name<Format>> extensions,
                                     std::string_view path) {
  return Format_Called(extensions, std::filesystem::path(path).extension().string());
}

}  // namespace proglink::console
