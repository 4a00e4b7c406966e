// The memory chip in the simulated socket: up to 16 MiB with the physics of its kind. The kind
// follows the algorithm family the host last sent with command 0x10.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "progsim/families.h"

namespace progsim {

uint8_t Erased_Value_Of_Family(int family);

class Memory_Chip {
 public:
  static constexpr uint32_t kMaxSize = 0x1000000;

  void Set_Family(int family);
  int Family() const { return family_; }
  uint8_t Erased_Value() const { return erased_; }

  uint8_t Read(uint32_t address);
  // Programs one byte; false when the byte did not take the value.
  bool Program(uint32_t address, uint8_t value);
  // Sets one byte whatever the physics (erase, test set-up).
  void Poke(uint32_t address, uint8_t value);
  // Every byte from `first` to `last` back to the erased value.
  void Erase(uint32_t first, uint32_t last);
  // The whole chip back to the erased value; the image file grows no longer for it.
  void Erase_All();

  // Raw image file: read at open (the rest erased), written back at close as long as the file
  // was or as far as the session touched, whichever is longer. Load gives "" when the file was
  // read or is not there (a blank chip), else why it cannot be (longer than the chip, say).
  std::string Load(const std::string& path);
  std::string Save(const std::string& path);

 private:
  void Touch(uint32_t address) {
    if (address + 1 > touched_end_) touched_end_ = address + 1;
  }
  void Grow(uint32_t size);

  std::vector<uint8_t> bytes_;  // bytes past the end were never written: they read erased
  uint32_t touched_end_ = 0;
  int family_ = 0;
  uint8_t erased_ = 0xFF;
  Physics physics_ = Physics::Clear_Bits;
};

}  // namespace progsim
