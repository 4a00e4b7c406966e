// What a device operation came to, as a value: the window shows it in texts, the command lines
// turn it into their output and exit status.
#pragma once

#include <cstdint>
#include <optional>

namespace proglink {

enum class Verdict {
  Good,           // the operation did what it says
  Device_Failed,  // not blank, did not verify or program, cannot be reprogrammed, not erased,
                  // named no known part, a bad firmware update
  Stopped,        // the Quit button stopped it
  Time_Out,       // the programmer stopped answering: a reply did not come in time
  Lost,           // the programmer has gone, or was never found
  Refused,        // nothing was sent: the user said No, or a field or a file would not do
};

struct Outcome {
  Verdict verdict = Verdict::Good;
  uint64_t count = 0;                       // bytes or words that differ or are not blank
  std::optional<uint32_t> first_address{};  // the first of them, or of a compare's conflict
  std::optional<uint16_t> checksum{};  // the buffer's after a read; the programmer's check value
                                       // after a firmware update
  std::optional<int> device_code{};    // the part an electronic ID named

  // One more byte or word that differs; the first one's address is kept.
  void Add_Difference(uint32_t address) {
    if (count++ == 0) first_address = address;
  }
};

}  // namespace proglink
