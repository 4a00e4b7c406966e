// What a simulated programmer is made of: its firmware version, the devices on the bus, the chip
// in its socket, its trace and the faults it injects. From the environment (KV9_SIM_*) for users,
// or set directly by tests.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace progsim {

struct Fault {
  enum Kind { Lose, Silent, Fail_Block, Short_Write, Fail_Erase };
  Kind kind;
  // 1-based: the Nth packet the host writes (Fail_Block: the Nth 0x30 block; Fail_Erase: the Nth
  // erase command 0x40)
  uint64_t n;
};

// What the chip file keeps: the memory chip (Win_KV9, kv9) or the PIC (Win_Mcu9, mcu9).
enum class Chip_File_Kind { Memory_Chip, Pic };

// Electronic-ID methods (byte 1 of command 0x18) as a mask: each method is one bit.
constexpr uint8_t kAllIdMethods = 1 | 2 | 4 | 8 | 16;
// What a chip answers when it has no ID, or to a method it does not know: in no ID table.
constexpr std::pair<uint8_t, uint8_t> kNoId{0xFF, 0xFF};

struct Options {
  int fw_major = 3;
  int fw_minor = 61;
  // Serial numbers of the FTDI devices on the bus; the one that is exactly "FTKV9USB" is the
  // programmer.
  std::vector<std::string> serials = {"FTKV9USB"};
  std::string trace_file;  // KV9_SIM_TRACE
  std::string chip_file;   // KV9_SIM_CHIP
  Chip_File_Kind chip_file_kind = Chip_File_Kind::Memory_Chip;
  std::optional<std::pair<uint8_t, uint8_t>> id;  // KV9_SIM_ID: manufacturer, device
  uint8_t id_methods = kAllIdMethods;             // the methods the chip answers with `id`
  // Reply bytes 1-4 of the adapter test (KV9_SIM_ADAPTER); by default no adapter is fitted.
  std::array<uint8_t, 4> adapter{'B', 'G', 0x01, 0x00};
  std::string pic;  // KV9_SIM_PIC: catalogue caption of the PIC in the socket; empty: 16F84/A
  std::vector<Fault> faults;  // KV9_SIM_FAULT
  bool keep_log = true;       // record every transfer for Programmer::Log()

  // KV9_SIM_*; a malformed value is reported in `errors` and left out.
  static Options From_Environment(std::vector<std::string>* errors = nullptr);
};

// "3.61" -> {3, 61}; nullopt when malformed.
std::optional<std::pair<int, int>> Parse_Version(const std::string& text);
// "lose@5,silent@2" -> faults; nullopt (with a reason) when malformed.
std::optional<std::vector<Fault>> Parse_Faults(const std::string& text, std::string* reason);
// "1F,D5" -> {0x1F, 0xD5}.
std::optional<std::pair<uint8_t, uint8_t>> Parse_Id(const std::string& text);
// "4" -> 4, "6" -> methods 2 and 4: a mask of ID methods, 1 to 31.
std::optional<uint8_t> Parse_Id_Methods(const std::string& text);
// "50,54,28,28" -> the four bytes; nullopt unless exactly `count` hex bytes.
std::optional<std::vector<uint8_t>> Parse_Hex_Bytes(const std::string& text, size_t count);

}  // namespace progsim
