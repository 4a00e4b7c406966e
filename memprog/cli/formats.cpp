#include "memprog/cli/formats.h"

#include "proglink/console/format_names.h"

namespace memprog::cli {

namespace {

using Named = proglink::console::Format_Name<File_Type>;

constexpr Named kNames[] = {{"bin", File_Type::Binary},
                            {"intel", File_Type::Intel},
                            {"motorola", File_Type::Motorola},
                            {"tektronix", File_Type::Tektronix},
                            {"ascii", File_Type::Ascii}};

constexpr Named kExtensions[] = {
    {".bin", File_Type::Binary},    {".rom", File_Type::Binary},   {".img", File_Type::Binary},
    {".hex", File_Type::Intel},     {".ihx", File_Type::Intel},    {".ihex", File_Type::Intel},
    {".s19", File_Type::Motorola},  {".s28", File_Type::Motorola}, {".s37", File_Type::Motorola},
    {".srec", File_Type::Motorola}, {".mot", File_Type::Motorola}, {".tek", File_Type::Tektronix},
    {".asc", File_Type::Ascii}};

using proglink::console::Content_Format;
constexpr proglink::console::Content_Row kContents[] = {
    {Content_Format::Binary, static_cast<int>(File_Type::Binary), "bin", "Binary"},
    {Content_Format::Intel, static_cast<int>(File_Type::Intel), "intel", "Intel Hex"},
    {Content_Format::Motorola, static_cast<int>(File_Type::Motorola), "motorola", "Motorola Hex"},
    {Content_Format::Tektronix, static_cast<int>(File_Type::Tektronix), "tektronix",
     "Tektronics Hex"},
    {Content_Format::Ascii_Hex, static_cast<int>(File_Type::Ascii), "ascii", "Ascii Hex"}};

}  // namespace

std::optional<File_Type> Format_Named(std::string_view name) {
  return proglink::console::Format_Called<File_Type>(kNames, name);
}

std::optional<File_Type> Format_Of_Path(std::string_view path) {
  return proglink::console::Format_Of_Path<File_Type>(kExtensions, path);
}

std::span<const proglink::console::Content_Row> Content_Rows() {
  return kContents;
}

}  // namespace memprog::cli
