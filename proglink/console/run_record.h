// What a run of a front end did, kept for its --json report: the command, the device, the files,
// each step's outcome and verdict text, the lines the text would have printed.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "proglink/outcome.h"

namespace proglink::console {

struct Step_Record {
  std::string name;  // "program", "verify"
  Outcome outcome;
  std::string text;                // its verdict line; empty when none is printed
  std::vector<std::string> lines;  // its message-area lines (mismatches), as far as listed
};

struct Run_Record {
  std::string program;  // "kv9"
  std::string command;  // "program"
  std::optional<std::string> device;
  std::optional<int> device_code;
  std::vector<std::string> files;  // in the order the run opened them
  std::vector<Step_Record> steps;
  std::vector<std::string> output;  // the other lines of stdout
  std::optional<uint16_t> checksum;
  std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();

  // The object, ending with the run's verdict (its last step's when that step's exit status is
  // the run's, else the one the status stands for) and exit status. Addresses as at least
  // `address_digits` hex digits.
  std::string Json(int exit_status, int address_digits) const;
};

// Text as lines, without their line ends.
std::vector<std::string> Lines_Of(const std::string& text);

}  // namespace proglink::console
