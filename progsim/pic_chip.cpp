#include "progsim/pic_chip.h"

#include <algorithm>

namespace progsim {

Pic_Chip::Pic_Chip(const Pic_Part& part)
    : part_(&part),
      family_(&Family_Of(part)),
      program_(part.prog_end + 1u, Word_Mask()),
      config_(part.factory_config ? part.factory_config : Word_Mask()),
      ee_(part.ee_bytes, 0xFF) {
  ids_.fill(Word_Mask());
  if (part.calibration) program_.back() = part.calibration;
}

bool Pic_Chip::Code_Protected() const {
  return (config_ & family_->cp_mask) == 0;
}

bool Pic_Chip::Data_Protected() const {
  return family_->cpd_mask != 0 && (config_ & family_->cpd_mask) == 0;
}

const uint16_t* Pic_Chip::Cell(uint16_t address) const {
  if (address <= part_->prog_end) return &program_[address];
  if (address == Config_Address()) return &config_;
  unsigned ids = Is_12_Bit() ? part_->prog_end + 1u : kIds14;
  if (address >= ids && address < ids + ids_.size()) return &ids_[address - ids];
  return nullptr;
}

uint16_t Pic_Chip::Word(uint16_t address) const {
  if (const uint16_t* cell = Cell(address)) return *cell;
  if (!Is_12_Bit() && address == kDevice_Id14 && part_->device_id) return part_->device_id;
  return Word_Mask();
}

uint16_t Pic_Chip::Read(uint16_t address) const {
  if (address <= part_->prog_end && Code_Protected()) return 0;
  return Word(address);
}

uint16_t Pic_Chip::Cycle(uint16_t old_word, uint16_t word) const {
  return family_->cells == Pic_Cells::Flash_Erase_Write ? word : old_word & word;
}

bool Pic_Chip::Program(uint16_t address, uint16_t word) {
  word &= Word_Mask();
  uint16_t* cell = Cell(address);
  bool hidden = address <= part_->prog_end && Code_Protected();
  if (cell && !hidden) {
    uint16_t next = Cycle(*cell, word);
    // Programming can turn protection on, never off: that takes an erase.
    if (cell == &config_) next &= *cell | ~(family_->cp_mask | family_->cpd_mask);
    *cell = next;
  }
  return Read(address) == word;
}

uint8_t Pic_Chip::Read_Data(uint16_t address) const {
  return Data_Protected() ? 0 : Data(address);
}

bool Pic_Chip::Program_Data(uint16_t address, uint8_t value) {
  if (ee_.empty()) return false;
  if (!Data_Protected()) ee_[address % ee_.size()] = value;
  return Read_Data(address) == value;
}

bool Pic_Chip::Restore(const Pic_Contents& contents) {
  if (contents.program.size() != program_.size() || contents.ee.size() != ee_.size()) return false;
  program_ = contents.program;
  ids_ = contents.ids;
  config_ = contents.config;
  ee_ = contents.ee;
  return true;
}

void Pic_Chip::Erase_Program_Memory() {
  std::fill(program_.begin(), program_.end(), Word_Mask());
}
void Pic_Chip::Erase_Ids() {
  ids_.fill(Word_Mask());
}
void Pic_Chip::Erase_Config() {
  config_ = Word_Mask();
}
void Pic_Chip::Erase_Data() {
  std::fill(ee_.begin(), ee_.end(), 0xFF);
}

}  // namespace progsim
