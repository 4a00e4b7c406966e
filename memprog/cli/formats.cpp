#include "memprog/cli/formats.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <span>
#include <string>

namespace memprog::cli {

namespace {

struct Named {
  std::string_view name;
  File_Type type;
};

constexpr Named kNames[] = {{"bin", File_Type::Binary},
                            {"intel", File_Type::Intel},
                            {"motorola", File_Type::Motorola},
                            {"tektronix", File_Type::Tektronix},
                            {"ascii", File_Type::Ascii}};

constexpr Named kExtensions[] = {
    {".bin", File_Type::Binary},   {".hex", File_Type::Intel},     {".s19", File_Type::Motorola},
    {".s28", File_Type::Motorola}, {".s37", File_Type::Motorola},  {".srec", File_Type::Motorola},
    {".mot", File_Type::Motorola}, {".tek", File_Type::Tektronix}, {".asc", File_Type::Ascii}};

std::optional<File_Type> Look_Up(std::span<const Named> table, std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  for (const Named& n : table)
    if (n.name == text) return n.type;
  return std::nullopt;
}

}  // namespace

std::optional<File_Type> Format_Named(std::string_view name) {
  return Look_Up(kNames, std::string(name));
}

std::optional<File_Type> Format_Of_Path(std::string_view path) {
  return Look_Up(kExtensions, std::filesystem::path(path).extension().string());
}

}  // namespace memprog::cli
