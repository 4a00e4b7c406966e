// Binary buffer files: words 0x0000..0x210F, each as its low byte then its high byte (16,928
// bytes).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "picprog/files/pic_buf.h"

namespace picprog {

constexpr size_t kBin_File_Bytes = kFile_Words * 2;

// Reads up to 16,928 bytes from the start of the file over the front of the buffer; a shorter
// file changes only as many bytes as it has (an odd last byte sets only a low byte). "" when
// loaded; else a message (an empty file holds nothing to load), and the buffer is unchanged.
// With `refused_beyond`, the command lines' rule: a longer file is refused instead of cut, and
// the bytes past the 16,928 are counted there.
std::string Load_Bin(const std::string& path, Pic_Buf& buf, uint64_t* refused_beyond = nullptr);

// Writes exactly 16,928 bytes safely: "" when saved; else a message, and the old file stays.
std::string Save_Bin(const std::string& path, const Pic_Buf& buf);

}  // namespace picprog
