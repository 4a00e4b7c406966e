#include "progsim/programmer.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <thread>

#include "common/hex.h"
#include "progsim/pic_chip_file.h"
#include "progsim/security.h"

namespace progsim {

namespace {

uint8_t Sum7(const uint8_t* p) {
  unsigned s = 0;
  for (int i = 0; i < 7; ++i) s += p[i];
  return static_cast<uint8_t>(s);
}

uint32_t Be16(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 8 | p[1];
}
uint32_t Be24(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 16 | Be16(p + 1);
}
uint32_t Be32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 24 | Be24(p + 1);
}

}  // namespace

Programmer::Programmer(Options options)
    : options_(std::move(options)), fw_major_(options_.fw_major), fw_minor_(options_.fw_minor) {
  if (!options_.trace_file.empty()) trace_ = std::fopen(options_.trace_file.c_str(), "a");
  if (!options_.chip_file.empty()) Load_Chip();
}

std::string Programmer::Load_Pic() {
  Pic_File file;
  std::string err = Read_Pic_File(options_.chip_file, file);
  if (!err.empty()) return err;
  const Pic_Part* named = options_.pic.empty() ? nullptr : Find_Pic_Part(options_.pic);
  if (named && file.part && named != file.part)
    return "the chip file " + options_.chip_file + " holds a " + file.part->caption + ", not the " +
           named->caption + " KV9_SIM_PIC names";
  // No file yet: the part as it leaves the factory; else the part the file holds.
  pic_ = Pic_Firmware(file.part ? file.part->caption : options_.pic);
  if (file.part) pic_.Chip().Restore(file.contents);
  return "";
}

std::string Programmer::Load_Chip() {
  // Marked first: a change between the two is then seen at the next open.
  chip_lock_.Mark();
  std::string err =
      options_.chip_file_kind == Chip_File_Kind::Pic ? Load_Pic() : chip_.Load(options_.chip_file);
  chip_loaded_ = err.empty();
  // Said once, not again at each open that finds the file as it was.
  if (!err.empty() && err != chip_error_) std::cerr << "simulated programmer: " << err << "\n";
  chip_error_ = err;
  return err;
}

bool Programmer::Take_Chip() {
  if (options_.chip_file.empty()) return true;
  std::string err = chip_lock_.Take();
  if (!err.empty()) {
    std::cerr << "simulated programmer: " << err << "\n";
    return false;
  }
  // Another process may have used the socket since this one read it.
  if ((!chip_loaded_ || chip_lock_.Changed()) && !Load_Chip().empty()) {
    chip_lock_.Release();
    return false;
  }
  return true;
}

Programmer::~Programmer() {
  Close();
  if (trace_) std::fclose(trace_);
}

const std::string* Programmer::Serial(size_t index) const {
  return index < Device_Count() ? &options_.serials[index] : nullptr;
}

bool Programmer::Open(const std::string& serial) {
  if (lost_ || open_ || serial != kSerial) return false;
  if (std::find(options_.serials.begin(), options_.serials.end(), serial) == options_.serials.end())
    return false;
  if (!Take_Chip()) return false;
  open_ = true;
  Purge_Rx();
  return true;
}

bool Programmer::Close() {
  if (!open_) return false;
  open_ = false;
  if (!options_.chip_file.empty()) {
    std::string err = options_.chip_file_kind == Chip_File_Kind::Pic
                          ? Write_Pic_File(options_.chip_file, pic_.Chip())
                          : chip_.Save(options_.chip_file);
    if (!err.empty()) std::cerr << "simulated programmer: " << err << "\n";
    chip_lock_.Mark();
    chip_lock_.Release();
  }
  return true;
}

size_t Programmer::Read(uint8_t* out, size_t n) {
  n = std::min(n, Rx_Queued());
  if (n == 0) return 0;
  std::memcpy(out, rx_.data() + rx_head_, n);
  rx_head_ += n;
  if (rx_head_ == rx_.size()) Purge_Rx();
  return n;
}

bool Programmer::Fault(Fault::Kind kind, uint64_t n) const {
  for (const auto& f : options_.faults)
    if (f.kind == kind && (kind == Fault::Lose ? n >= f.n : n == f.n)) return true;
  return false;
}

void Programmer::Trace(const Transfer& t) {
  std::string line(t.from_host ? ">" : "<");
  for (uint8_t b : t.header) {
    line.push_back(' ');
    common::Append_Hex(line, b, 2);
  }
  if (!t.data.empty()) line += " +" + std::to_string(t.data.size());
  if (!t.refused.empty()) line += " !" + t.refused;
  line.push_back('\n');
  std::fputs(line.c_str(), trace_);
  std::fflush(trace_);
}

void Programmer::Record(Transfer t) {
  if (trace_) Trace(t);
  if (options_.keep_log) log_.push_back(std::move(t));
}

std::vector<Transfer> Programmer::Sent() const {
  std::vector<Transfer> out;
  for (const auto& t : log_)
    if (t.from_host) out.push_back(t);
  return out;
}

size_t Programmer::Write(const uint8_t* data, size_t n) {
  if (!open_ || lost_) return 0;
  ++packets_;
  if (Fault(Fault::Lose, packets_)) {
    lost_ = true;  // unplugged: nothing more arrives, the bus no longer shows it
    return 0;
  }
  bool short_write = Fault(Fault::Short_Write, packets_);
  size_t taken = short_write ? n / 2 : n;

  Transfer t;
  std::copy_n(data, std::min<size_t>(taken, 8), t.header.begin());
  if (taken > 8 && (options_.keep_log || trace_)) t.data.assign(data + 8, data + taken);
  if (taken < 8 || !Length_Ok(data, taken))
    t.refused = "length";
  else if (data[7] != Sum7(data))
    t.refused = "checksum";
  bool refused = !t.refused.empty();
  if (options_.keep_log || trace_) Record(std::move(t));
  if (refused) return taken;

  Reply reply;
  bool answered = false;
  if (intercept) {
    Transfer packet;
    std::copy_n(data, 8, packet.header.begin());
    packet.data.assign(data + 8, data + n);
    answered = intercept(packet, reply);
  }
  if (!answered) reply = Answer(data, n);
  if (Fault(Fault::Silent, packets_) || reply.empty()) return taken;

  if (options_.keep_log || trace_) {
    Transfer r;
    r.from_host = false;
    std::copy_n(reply.begin(), std::min<size_t>(reply.size(), 8), r.header.begin());
    if (reply.size() > 8) r.data.assign(reply.begin() + 8, reply.end());
    Record(std::move(r));
  }
  rx_.insert(rx_.end(), reply.begin(), reply.end());
  return taken;
}

bool Programmer::Length_Ok(const uint8_t* p, size_t n) const {
  if (n == kFirmwarePacket && p[0] == kFirmwareCommand) return true;
  if (pic_.Active() && p[0] == 0x30) return Pic_Firmware::Length_Ok(p, n);
  switch (p[0]) {
    case 0x30:
      return n == 8 + Be16(p + 5);
    case 0x3E:
      return n == 8 + 2049;
    default:
      return n == 8;
  }
}

Programmer::Reply Programmer::Header(uint8_t code) const {
  Reply r(8, 0);
  r[0] = code;
  return r;
}

Programmer::Reply Programmer::Answer(const uint8_t* p, size_t n) {
  if (n == kFirmwarePacket) return Firmware_Packet(p);
  if (pic_.Takes(p)) {
    if (p[0] == 0x30 && Fault(Fault::Fail_Block, ++program_blocks_)) return pic_.Fail_Block(p, n);
    return pic_.Answer(p, n);
  }
  switch (p[0]) {
    case 0x56: {
      Reply r = Header(0x56);
      r[1] = static_cast<uint8_t>(fw_major_);
      r[2] = static_cast<uint8_t>(fw_minor_);
      return r;
    }
    case 0x10:
      vcc_code_ = p[1];
      vpp_code_ = p[2];
      chip_.Set_Family(p[3]);
      return Header(0x10);
    case 0x1C:
      std::copy_n(p + 1, 4, op_.begin());
      return Header(0x1C);
    case 0x53:
      Restart();
      return Header(0x53);
    case 0x20:
      return Read_Memory(p);
    case 0x30:
      return Program_Memory(p, n);
    case 0xAA:
      return Firmware_Check(p);
    default:
      return Device_Operation(p);
  }
}

Programmer::Reply Programmer::Read_Memory(const uint8_t* p) {
  uint32_t address = Be32(p + 1);  // the flag bits of byte 3 are address lines as they come
  uint32_t count = Be16(p + 5);
  Reply r = Header(0x20);
  r.resize(8 + count, 0xFF);  // a part locked against verification reads back as 0xFF
  if (Blocks_Reading(Active_Locks())) return r;
  for (uint32_t i = 0; i < count; ++i) r[8 + i] = chip_.Read(address + i);
  return r;
}

Programmer::Reply Programmer::Program_Memory(const uint8_t* p, size_t n) {
  ++program_blocks_;
  Reply r = Header(0x30);
  if (Fault(Fault::Fail_Block, program_blocks_) || Blocks_Programming(Active_Locks())) {
    r[6] = 0xFF;
    return r;
  }
  uint32_t address = Be24(p + 2);
  bool ok = true;
  for (size_t i = 8; i < n; ++i) ok &= chip_.Program(address + static_cast<uint32_t>(i - 8), p[i]);
  if (!ok) r[6] = 0xFF;
  return r;
}

Programmer::Reply Programmer::Firmware_Packet(const uint8_t* p) {
  if (!updating_) {
    updating_ = true;
    update_sum_ = 0;
    update_major_ = p[4];
    update_minor_ = p[5];
  }
  for (size_t i = 8; i < kFirmwarePacket; ++i)
    update_sum_ = static_cast<uint16_t>(update_sum_ + p[i]);
  return Header(p[0]);
}

Programmer::Reply Programmer::Firmware_Check(const uint8_t* p) {
  Reply r = Header(0xAA);
  if (p[1] == 0x43) {
    r[2] = static_cast<uint8_t>(update_sum_ >> 8);
    r[3] = static_cast<uint8_t>(update_sum_);
  }
  return r;
}

void Programmer::Restart() {
  if (!updating_) return;
  updating_ = false;
  fw_major_ = update_major_;
  fw_minor_ = update_minor_;
}

// ---- the process's programmer

namespace {
std::unique_ptr<Programmer>& Slot() {
  static std::unique_ptr<Programmer> slot;
  return slot;
}
Chip_File_Kind& Process_Chip_File_Kind() {
  static Chip_File_Kind kind = Chip_File_Kind::Memory_Chip;
  return kind;
}
}  // namespace

void Set_Chip_File_Kind(Chip_File_Kind kind) {
  Process_Chip_File_Kind() = kind;
}

Programmer& Current() {
  auto& slot = Slot();
  if (!slot) {
    std::vector<std::string> errors;
    Options o = Options::From_Environment(&errors);
    o.chip_file_kind = Process_Chip_File_Kind();
    slot = std::make_unique<Programmer>(std::move(o));
    for (const auto& e : errors) std::cerr << "simulated programmer: " << e << "\n";
  }
  return *slot;
}

Programmer& Install(Options options) {
  auto& slot = Slot();
  slot.reset();
  slot = std::make_unique<Programmer>(std::move(options));
  return *slot;
}

}  // namespace progsim
