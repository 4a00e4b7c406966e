#include "progsim/memory_chip.h"

#include <algorithm>

#include "common/atomic_file.h"
#include "common/input_file.h"
#include "progsim/pic_chip_file.h"

namespace progsim {

uint8_t Erased_Value_Of_Family(int family) {
  return Traits_Of_Family(family).physics == Physics::Set_Bits ? 0x00 : 0xFF;
}

void Memory_Chip::Set_Family(int family) {
  family_ = family;
  physics_ = Traits_Of_Family(family).physics;
  erased_ = Erased_Value_Of_Family(family);
}

void Memory_Chip::Grow(uint32_t size) {
  if (size > bytes_.size()) bytes_.resize(size, erased_);
}

uint8_t Memory_Chip::Read(uint32_t address) {
  if (address >= kMaxSize) return erased_;
  Touch(address);
  return address < bytes_.size() ? bytes_[address] : erased_;
}

bool Memory_Chip::Program(uint32_t address, uint8_t value) {
  if (address >= kMaxSize) return false;
  Touch(address);
  Grow(address + 1);
  uint8_t& cell = bytes_[address];
  switch (physics_) {
    case Physics::Any_Value:
      cell = value;
      break;
    case Physics::Clear_Bits:
      cell &= value;
      break;
    case Physics::Set_Bits:
      cell |= value;
      break;
  }
  return cell == value;
}

void Memory_Chip::Poke(uint32_t address, uint8_t value) {
  if (address >= kMaxSize) return;
  Touch(address);
  Grow(address + 1);
  bytes_[address] = value;
}

void Memory_Chip::Erase(uint32_t first, uint32_t last) {
  last = std::min(last, kMaxSize - 1);
  if (first > last) return;
  Touch(last);
  if (first >= bytes_.size()) return;  // never written: already erased
  std::fill(bytes_.begin() + first, bytes_.begin() + std::min<size_t>(last + 1, bytes_.size()),
            erased_);
}

void Memory_Chip::Erase_All() {
  std::fill(bytes_.begin(), bytes_.end(), erased_);
}

std::string Memory_Chip::Load(const std::string& path) {
  // A longer file is not refused lightly: written back cut, it would lose its end.
  common::File_Data data = common::Read_File(path, kMaxSize);
  if (!data.Ok() && !data.missing) return data.error;
  // Written back as a memory image, it would lose the PIC it holds.
  if (Starts_As_Pic_File(data.bytes))
    return "the chip file " + path + " holds a simulated PIC, not a memory chip";
  bytes_.assign(data.bytes.begin(), data.bytes.end());  // no file yet: a blank chip
  touched_end_ = static_cast<uint32_t>(bytes_.size());
  return "";
}

std::string Memory_Chip::Save(const std::string& path) {
  Grow(touched_end_);
  return common::Write_Whole_File(
      path, std::string_view(reinterpret_cast<const char*>(bytes_.data()), touched_end_));
}

}  // namespace progsim
