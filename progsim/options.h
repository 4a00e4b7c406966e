// What a simulated programmer is made of: its firmware version, the devices on the bus, the chip
// in its socket, its trace and the faults it injects. From the environment (KV9_SIM_*) for users,
// or set directly by tests.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace progsim {

struct Fault {
  enum Kind { Lose, Silent, Fail_Block, Short_Write };
  Kind kind;
  uint64_t n;  // 1-based: the Nth packet the host writes (for Fail_Block: the Nth 0x30 block)
};

struct Options {
  int fw_major = 3;
  int fw_minor = 61;
  // Serial numbers of the FTDI devices on the bus; the one that is exactly "FTKV9USB" is the
  // programmer.
  std::vector<std::string> serials = {"FTKV9USB"};
  std::string trace_file;  // KV9_SIM_TRACE
  std::string chip_file;   // KV9_SIM_CHIP
  std::optional<std::pair<uint8_t, uint8_t>> id;  // KV9_SIM_ID: manufacturer, device
  std::string pic;  // KV9_SIM_PIC: catalogue caption of the PIC in the socket; empty: 16F84/A
  std::vector<Fault> faults;                       // KV9_SIM_FAULT
  bool keep_log = true;  // record every transfer for Programmer::Log()

  // KV9_SIM_*; a malformed value is reported in `errors` and left out.
  static Options From_Environment(std::vector<std::string>* errors = nullptr);
};

// "3.61" -> {3, 61}; nullopt when malformed.
std::optional<std::pair<int, int>> Parse_Version(const std::string& text);
// "lose@5,silent@2" -> faults; nullopt (with a reason) when malformed.
std::optional<std::vector<Fault>> Parse_Faults(const std::string& text, std::string* reason);
// "1F,D5" -> {0x1F, 0xD5}.
std::optional<std::pair<uint8_t, uint8_t>> Parse_Id(const std::string& text);

}  // namespace progsim
