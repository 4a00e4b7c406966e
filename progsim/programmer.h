// The simulated programmer: the box and its firmware as the host sees them through the D2XX
// calls. It is one FTDI device (serial "FTKV9USB") on a simulated bus, answers every command
// packet at once with the reply the firmware would give, holds a chip in its socket, checks each
// packet's checksum and length (a bad packet is refused: no reply, marked in the trace and log)
// and injects the faults it was given.
//
// Firmware update packets (2,058 bytes, command byte 0x5A): bytes 2-3 carry the flash address / 8,
// bytes 8..2057 the image. The first packet of an update carries the new firmware version in
// bytes 4 (major) and 5 (minor). The check value reported to 0xAA / 0x43 is the 16-bit sum of
// bytes 8..2057 of every packet received since the update began (reply byte 2 high, 3 low); the
// next 0x53 restarts the programmer on the version the update carried.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "progsim/calibration.h"
#include "progsim/chip_lock.h"
#include "progsim/memory_chip.h"
#include "progsim/options.h"
#include "progsim/pic_firmware.h"

namespace progsim {

struct Transfer {
  bool from_host = true;
  std::array<uint8_t, 8> header{};
  std::vector<uint8_t> data;  // what follows the header
  std::string refused;        // "checksum" or "length" for a packet the programmer refused

  uint8_t operator[](size_t i) const { return i < 8 ? header[i] : data.at(i - 8); }
  uint8_t Code() const { return header[0]; }
};

class Programmer {
 public:
  static constexpr const char* kSerial = "FTKV9USB";
  static constexpr size_t kFirmwarePacket = 2058;
  static constexpr uint8_t kFirmwareCommand = 0x5A;

  explicit Programmer(Options options);
  ~Programmer();
  Programmer(const Programmer&) = delete;
  Programmer& operator=(const Programmer&) = delete;

  // ---- the bus, as the D2XX calls see it
  size_t Device_Count() const { return lost_ ? 0 : options_.serials.size(); }
  const std::string* Serial(size_t index) const;
  bool Open(const std::string& serial);
  bool Close();
  bool Is_Open() const { return open_; }
  bool Lost() const { return lost_; }
  void Purge_Rx() { rx_.clear(), rx_head_ = 0; }
  size_t Rx_Queued() const { return rx_.size() - rx_head_; }
  size_t Read(uint8_t* out, size_t n);
  // Takes one write of the host; returns the count the write reports.
  size_t Write(const uint8_t* data, size_t n);

  // ---- for tests
  const std::vector<Transfer>& Log() const { return log_; }
  std::vector<Transfer> Sent() const;  // the host's packets only
  void Clear_Log() { log_.clear(); }
  uint64_t Packets_Written() const { return packets_; }
  Memory_Chip& Chip() { return chip_; }
  Pic_Firmware& Pic() { return pic_; }
  int Firmware_Version() const { return fw_major_ * 256 + fw_minor_; }
  const Options& Opts() const { return options_; }
  // Lock bits programmed with 0x3C (bit 0 = lock bit 1); cleared by a chip erase.
  uint8_t Lock_Bits() const { return lock_bits_; }
  // The software data protection of page-write flash, switched on by 0x40 with zero parameters.
  bool Protection_On() const { return protection_on_; }
  const Vpp_Calibration& Calibration() const { return calibration_; }
  // A test may answer a packet itself: return true with the reply header (and data) filled.
  std::function<bool(const Transfer& packet, std::vector<uint8_t>& reply)> intercept;

 private:
  using Reply = std::vector<uint8_t>;
  // Reads the chip file; "" when read or absent, else why not (also on stderr).
  std::string Load_Chip();
  std::string Load_Pic();  // the chip file as the PIC in the socket
  // Locks the chip file for this open, reading it again when another process changed it; false
  // (said on stderr) when the socket is not this process's to use.
  bool Take_Chip();
  bool Length_Ok(const uint8_t* p, size_t n) const;
  Reply Answer(const uint8_t* p, size_t n);
  Reply Header(uint8_t code) const;
  Reply Read_Memory(const uint8_t* p);
  Reply Program_Memory(const uint8_t* p, size_t n);
  // The memory-device operations beyond read and program (memory_ops.cpp); any other command
  // gets a bare reply.
  Reply Device_Operation(const uint8_t* p);
  Reply Electronic_Id(const uint8_t* p);
  Reply Program_Security(const uint8_t* p);
  Reply Clock_Block(const uint8_t* p);
  Reply Erase_Memory(const uint8_t* p);
  Reply Voltage_Test(const uint8_t* p);
  Reply Adapter_Test();
  uint8_t Active_Locks() const;  // the lock bits, when the chip's family has any
  Reply Firmware_Packet(const uint8_t* p);
  Reply Firmware_Check(const uint8_t* p);
  void Restart();
  bool Fault(Fault::Kind kind, uint64_t n) const;
  void Trace(const Transfer& t);
  void Record(Transfer t);

  Options options_;
  std::FILE* trace_ = nullptr;
  bool open_ = false;
  bool lost_ = false;
  std::vector<uint8_t> rx_;
  size_t rx_head_ = 0;
  uint64_t packets_ = 0;
  uint64_t program_blocks_ = 0;
  std::vector<Transfer> log_;

  int fw_major_, fw_minor_;
  Memory_Chip chip_;
  Chip_Lock chip_lock_{options_.chip_file};
  bool chip_loaded_ = false;
  std::string chip_error_;  // why the chip file was last refused
  uint8_t vcc_code_ = 0, vpp_code_ = 0;
  std::array<uint8_t, 4> op_{};  // command 0x1C bytes 1-4
  Pic_Firmware pic_{options_.pic};

  // memory-device operations
  uint64_t erase_commands_ = 0;
  uint8_t lock_bits_ = 0;
  bool protection_on_ = false;
  Vpp_Calibration calibration_;

  // firmware update under way
  bool updating_ = false;
  uint16_t update_sum_ = 0;
  int update_major_ = 0, update_minor_ = 0;
};

// The programmer the D2XX calls of this process talk to; made from the environment at first use.
Programmer& Current();
// What its chip file keeps: Win_Mcu9's programs say before the programmer is first used that it
// is the PIC.
void Set_Chip_File_Kind(Chip_File_Kind kind);
// Replaces it with a fresh one (tests); the old one is closed as if unplugged.
Programmer& Install(Options options = {});

}  // namespace progsim
