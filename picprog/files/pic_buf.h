// Win_Mcu9's word buffer `Pic_Buf`: program memory from word 0, data EEPROM from 0x2000 (one byte
// per word), the ID words from 0x2100 and the configuration word at 0x2107; with its checksum
// and fills.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace picprog {

constexpr size_t kPic_Buf_Words = 0x3000;
constexpr size_t kFile_Words = 0x2110;  // words 0x0000..0x210F go to and come from buffer files
constexpr uint16_t kEE_Start = 0x2000;
constexpr uint16_t kDevice_Id_Word = 0x2106;  // of the 14-bit parts, as read
constexpr uint16_t kConfig_Word = 0x2107;

using Pic_Buf = std::array<uint16_t, kPic_Buf_Words>;

// `Chk_Sum`: words 0..prog_end added into 16 bits, wrapping. A prog_end beyond the buffer counts
// as its last word.
uint16_t Checksum(const Pic_Buf& buf, uint16_t prog_end);
// "Checksum=" and the sum as four hex digits.
std::string Checksum_Caption(uint16_t sum);

// The fills of the whole buffer; each returns its status text.
std::string Fill_Zero(Pic_Buf& buf);
std::string Fill_Blank(Pic_Buf& buf,
                       uint16_t fuse_blank);  // the status says FFFF whatever the part
// The value typed in FillEdit (up to four hex digits); nullopt and nothing filled when it is
// empty or not such a value.
std::optional<std::string> Fill_Value(Pic_Buf& buf, std::string_view entry);

}  // namespace picprog
