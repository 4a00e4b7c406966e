// The PIC in the simulated socket: its program memory, ID words, configuration word, device ID
// and data EEPROM with the physics of its silicon, seen through the part's programming address
// space.
//
// Addresses, as the part's program counter runs in programming mode:
//   14-bit parts: 0..prog_end program memory, 0x2000..0x2003 the ID words, 0x2004..0x2005
//                 reserved, 0x2006 the device ID, 0x2007 the configuration word;
//   12-bit parts: 0xFFF the configuration word (where the counter starts), 0..prog_end program
//                 memory, the four ID words right after it.
// Every other address reads as an erased word and keeps nothing.
//
// Code protection hides program memory (calibration word included): it reads 0 and takes no
// programming. ID words, configuration word and device ID stay readable. Protected data EEPROM
// reads 0 and takes nothing. Protection bits, once programmed, return only with an erase.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "progsim/pic_parts.h"

namespace progsim {

// What the cells of a PIC hold, protection aside: what the chip file keeps between runs.
struct Pic_Contents {
  std::vector<uint16_t> program;  // calibration word included
  std::array<uint16_t, 4> ids{};
  uint16_t config = 0;
  std::vector<uint8_t> ee;
};

class Pic_Chip {
 public:
  static constexpr uint16_t kIds14 = 0x2000;
  static constexpr uint16_t kDevice_Id14 = 0x2006;
  static constexpr uint16_t kConfig14 = 0x2007;
  static constexpr uint16_t kConfig12 = 0x0FFF;

  // A part as it leaves the factory: erased, with its calibration word and configuration.
  explicit Pic_Chip(const Pic_Part& part);

  const Pic_Part& Part() const { return *part_; }
  const Pic_Family& Family() const { return *family_; }
  bool Is_12_Bit() const { return family_->core != Pic_Core::Serial14; }
  uint16_t Word_Mask() const { return Is_12_Bit() ? 0x0FFF : 0x3FFF; }
  uint16_t Config_Address() const { return Is_12_Bit() ? kConfig12 : kConfig14; }
  bool Code_Protected() const;
  bool Data_Protected() const;

  // What a read at `address` returns.
  uint16_t Read(uint16_t address) const;
  // One programming cycle; true when the word then reads back as `word` (its core's bits).
  bool Program(uint16_t address, uint16_t word);
  // Data EEPROM; the address wraps at its size, as the counter's low bits select the byte.
  uint8_t Read_Data(uint16_t address) const;
  bool Program_Data(uint16_t address, uint8_t value);

  void Erase_Program_Memory();  // calibration word included
  void Erase_Ids();
  void Erase_Config();
  void Erase_Data();

  // What the cells hold, protection aside (tests, the chip file).
  Pic_Contents Contents() const { return {program_, ids_, config_, ee_}; }
  // Back to what `contents` holds; false (nothing changed) when its sizes are not the part's.
  bool Restore(const Pic_Contents& contents);
  uint16_t Word(uint16_t address) const;
  uint8_t Data(uint16_t address) const { return ee_.empty() ? 0 : ee_[address % ee_.size()]; }

 private:
  const uint16_t* Cell(uint16_t address) const;
  uint16_t* Cell(uint16_t address) {
    return const_cast<uint16_t*>(static_cast<const Pic_Chip*>(this)->Cell(address));
  }
  uint16_t Cycle(uint16_t old_word, uint16_t word) const;

  const Pic_Part* part_;
  const Pic_Family* family_;
  std::vector<uint16_t> program_;
  std::array<uint16_t, 4> ids_;
  uint16_t config_;
  std::vector<uint8_t> ee_;
};

}  // namespace progsim
