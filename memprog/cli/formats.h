// The buffer file formats by the names the command line gives them, and by file extension.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "memprog/files/buffer_file.h"
#include "proglink/console/content_format.h"

namespace memprog::cli {

// "bin", "intel", "motorola", "tektronix" or "ascii".
std::optional<File_Type> Format_Named(std::string_view name);

// From the extension, in any case: .bin/.rom/.img, .hex/.ihx/.ihex, .s19/.s28/.s37/.srec/.mot,
// .tek, .asc.
std::optional<File_Type> Format_Of_Path(std::string_view path);

// Each format as a file's content shows it.
std::span<const proglink::console::Content_Row> Content_Rows();

}  // namespace memprog::cli
