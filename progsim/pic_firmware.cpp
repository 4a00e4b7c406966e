#include "progsim/pic_firmware.h"

namespace progsim {

namespace {

constexpr size_t kHeader = 8;
constexpr uint8_t kFailed = 0xFF;

uint16_t Be16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] << 8 | p[1]);
}

std::vector<uint8_t> Header(uint8_t code, bool ok = true) {
  std::vector<uint8_t> r(kHeader, 0);
  r[0] = code;
  r[6] = ok ? 0 : kFailed;
  return r;
}

bool Is_Data_Form(const uint8_t* p) {
  return p[1] == 5 && p[2] == 3;
}

const Pic_Part& Part_Named(const std::string& caption) {
  const Pic_Part* part = Find_Pic_Part(caption);
  return part ? *part : Default_Pic_Part();
}

}  // namespace

Pic_Firmware::Pic_Firmware(const std::string& part) : chip_(Part_Named(part)) {}

bool Pic_Firmware::Takes(const uint8_t* packet) {
  switch (packet[0]) {
    case 0x10:
      active_ = Is_Pin_Setup(packet[3]);
      if (!active_) programming_ = false;
      return active_;
    case 0x53:
      programming_ = false;
      return false;
    case 0x1C:
    case 0x1E:
    case 0x20:
    case 0x22:
    case 0x30:
      return active_;
    default:
      return false;
  }
}

bool Pic_Firmware::Length_Ok(const uint8_t* packet, size_t n) {
  if (Is_Data_Form(packet)) {
    if (Be16(packet + 5) != 0x0010 || n < kHeader + 1 || (n - kHeader - 1) % 2 != 0) return false;
    size_t bytes = (n - kHeader - 1) / 2;
    return bytes == 64 || bytes == 128 || bytes == 256;
  }
  size_t count = Be16(packet + 5);
  return count >= 1 && count <= kMax_Words && n >= kHeader + 2 * count &&
         n <= kHeader + 2 * kMax_Words;
}

std::vector<uint8_t> Pic_Firmware::Answer(const uint8_t* packet, size_t n) {
  switch (packet[0]) {
    case 0x10:
      return Enter(packet);
    case 0x1E:
      programming_ = false;
      return Header(0x1E);
    case 0x20:
      return Read_Words(packet);
    case 0x22:
      return Command(packet);
    case 0x30:
      return Is_Data_Form(packet) ? Program_Data(packet, n) : Program_Words(packet);
    default:
      return Header(packet[0]);  // 0x1C: nothing to prepare
  }
}

// The data EEPROM form takes its count from the length (bytes 5..6 hold 0x0010).
size_t Pic_Firmware::Word_Count(const uint8_t* p, size_t n) {
  return Is_Data_Form(p) ? (n - kHeader - 1) / 2 : Be16(p + 5);
}

std::vector<uint8_t> Pic_Firmware::Fail_Block(const uint8_t* packet, size_t n) {
  for (size_t i = 0, count = Word_Count(packet, n); i < count; ++i) Step();
  return Header(0x30, false);
}

Pic_Firmware::Reply Pic_Firmware::Enter(const uint8_t* p) {
  programming_ = p[3] == chip_.Part().pin && p[2] != 0;
  pc_ = chip_.Is_12_Bit() ? Pic_Chip::kConfig12 : 0;
  erase_setup_ = 0;
  return Header(0x10);
}

void Pic_Firmware::Step() {
  if (chip_.Is_12_Bit())
    pc_ = (pc_ + 1) & 0x0FFF;
  else if (pc_ < Pic_Chip::kIds14)
    pc_ = (pc_ + 1) & 0x1FFF;
  else
    pc_ = Pic_Chip::kIds14 | ((pc_ + 1) & 0x1FFF);  // configuration space wraps in itself
}

Pic_Firmware::Reply Pic_Firmware::Read_Words(const uint8_t* p) {
  size_t count = Be16(p + 5);
  bool data = p[1] == 5;
  Reply r = Header(0x20, data || p[1] == 4);
  r.resize(kHeader + 2 * count, 0);
  if (!programming_ || r[6] != 0) return r;
  bool split = chip_.Family().core == Pic_Core::C16C5x && !data;
  for (size_t i = 0; i < count; ++i) {
    uint16_t word = data ? chip_.Read_Data(pc_) : chip_.Read(pc_);
    r[kHeader + 2 * i] = static_cast<uint8_t>(split ? word >> 4 : word >> 8);
    r[kHeader + 2 * i + 1] = static_cast<uint8_t>(split ? word & 0x0F : word & 0xFF);
    Step();
  }
  return r;
}

Pic_Firmware::Reply Pic_Firmware::Command(const uint8_t* p) {
  int setup = erase_setup_;
  erase_setup_ = 0;
  if (!programming_) return Header(0x22);
  bool erasable = chip_.Family().cells != Pic_Cells::Eprom;
  switch (p[1]) {
    case 0:  // Load Configuration
      if (!chip_.Is_12_Bit()) pc_ = Pic_Chip::kIds14;
      break;
    case 1:
      erase_setup_ = 1;
      break;
    case 7:
      erase_setup_ = setup == 1 ? 2 : 0;
      break;
    case 8:  // after 1, 7 at the configuration word: the erase that also lifts code protection
      if (setup == 2 && chip_.Family().chip_erase_178 && pc_ == Pic_Chip::kConfig14) {
        chip_.Erase_Program_Memory();
        chip_.Erase_Data();
        chip_.Erase_Ids();
        chip_.Erase_Config();
      }
      break;
    case 6:
      Step();
      break;
    case 9:
      if (erasable) Bulk_Erase();
      break;
    case 11:
      if (erasable) chip_.Erase_Data();
      break;
    case 16:  // 16C5x set-up: programming starts at word 0
      if (chip_.Family().core == Pic_Core::C16C5x) pc_ = 0;
      break;
    default:
      break;  // Load Data and the rest leave the memories and the counter alone
  }
  return Header(0x22);
}

// Bulk Erase Program Memory takes program memory (calibration word included) and, with the
// counter in configuration space, the configuration word and ID words as well, which lifts code
// protection. On 12-bit parts the configuration word goes when the counter is at it, and the ID
// words too when it is past program memory.
void Pic_Firmware::Bulk_Erase() {
  chip_.Erase_Program_Memory();
  if (chip_.Is_12_Bit()) {
    if (pc_ <= chip_.Part().prog_end) return;
    chip_.Erase_Config();
    if (pc_ != Pic_Chip::kConfig12) chip_.Erase_Ids();
  } else if (pc_ >= Pic_Chip::kIds14) {
    chip_.Erase_Ids();
    chip_.Erase_Config();
  }
}

Pic_Firmware::Reply Pic_Firmware::Program_Words(const uint8_t* p) {
  bool c5x = chip_.Family().core == Pic_Core::C16C5x;
  bool serial_mode = p[1] == 4 && p[2] == 2;
  bool c5x_mode = (p[1] == 16 || p[1] == 100) && p[2] == 0;
  if (!programming_ || (c5x ? !c5x_mode : !serial_mode)) return Header(0x30, false);
  bool ok = true;
  for (size_t i = 0, count = Be16(p + 5); i < count; ++i) {
    ok &= Write(Be16(p + kHeader + 2 * i), p[1] == 100);
    Step();
  }
  return Header(0x30, ok);
}

bool Pic_Firmware::Write(uint16_t word, bool config_mode) {
  // The 16C5x configuration word takes its own mode (100), program and ID words the other (16).
  if (chip_.Family().core == Pic_Core::C16C5x && config_mode != (pc_ == Pic_Chip::kConfig12))
    return false;
  // In configuration space only the ID words and the configuration word are programmed; the
  // reserved words and the device ID are passed over.
  if (!chip_.Is_12_Bit() && pc_ > Pic_Chip::kIds14 + 3 && pc_ < Pic_Chip::kConfig14) return true;
  return chip_.Program(pc_, word);
}

// The data EEPROM form carries one word per byte, high byte first, and one byte more; each byte
// goes to the address the counter's low bits select.
Pic_Firmware::Reply Pic_Firmware::Program_Data(const uint8_t* p, size_t n) {
  if (!programming_) return Header(0x30, false);
  bool ok = true;
  for (size_t i = 0, count = Word_Count(p, n); i < count; ++i) {
    ok &= chip_.Program_Data(pc_, p[kHeader + 2 * i + 1]);
    Step();
  }
  return Header(0x30, ok);
}

}  // namespace progsim
