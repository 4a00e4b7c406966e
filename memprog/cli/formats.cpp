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
    {".bin", File_Type::Binary},   {".hex", File_Type::Intel},     {".s19", File_Type::Motorola},
    {".s28", File_Type::Motorola}, {".s37", File_Type::Motorola},  {".srec", File_Type::Motorola},
    {".mot", File_Type::Motorola}, {".tek", File_Type::Tektronix}, {".asc", File_Type::Ascii}};

}  // namespace

std::optional<File_Type> Format_Named(std::string_view name) {
  return proglink::console::Format_Called<File_Type>(kNames, name);
}

std::optional<File_Type> Format_Of_Path(std::string_view path) {
  return proglink::console::Format_Of_Path<File_Type>(kExtensions, path);
}

}  // namespace memprog::cli
