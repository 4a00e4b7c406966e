// Reading whole files and text lines, whatever their line ends (CR LF, LF or CR).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace common {

// The whole file, or nullopt when it cannot be read (Read_File of input_file.h says why). At most
// `max_bytes` are read.
std::optional<std::string> Read_Whole_File(const std::string& path,
                                           size_t max_bytes = static_cast<size_t>(-1));

// Splits text into lines at CR LF, LF or CR; a last line without an end counts too.
std::vector<std::string> Split_Lines(std::string_view text);

// The lines of a text file, or nullopt when it cannot be read.
std::optional<std::vector<std::string>> Read_Lines(const std::string& path);

// Joins a directory and a file name with the platform's separator.
std::string Join_Path(const std::string& dir, const std::string& name);

}  // namespace common
