// The programmer's firmware driving the PIC in its socket: what it answers to the packets of
// Win_Mcu9. A command 0x10 whose byte 3 is a pin set-up code 70..79 puts the programmer into PIC
// mode (any other 0x10 ends it); from then on 0x1C, 0x1E, 0x20, 0x22 and 0x30 are the PIC's.
//
// 0x10 powers the part on the given pins and enters programming mode, which puts the program
// counter at its start (0 on 14-bit parts, the configuration word on 12-bit parts); the part
// answers only when the pins are its own and a programming voltage is given. 0x1E and 0x53
// leave programming mode. Outside it reads return 0 words and programming fails.
//
// Replies are 8 bytes, byte 0 the command, byte 6 the status: 0, or 0xFF when a word did not
// read back as programmed. Reads (0x20) add 2 bytes per word.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "progsim/pic_chip.h"

namespace progsim {

class Pic_Firmware {
 public:
  static constexpr size_t kMax_Words = 1024;  // the firmware's block buffer, in words

  // The part named by its catalogue caption; the default part when the name is empty or unknown.
  explicit Pic_Firmware(const std::string& part);

  static bool Is_Pin_Setup(uint8_t code) { return code >= 70 && code <= 79; }

  // Sees every packet the programmer accepted, before anything answers it: a 0x10 switches PIC
  // mode on or off, a 0x53 (which restarts the whole programmer) ends programming mode. True when
  // the packet is the PIC's to answer.
  bool Takes(const uint8_t* packet);
  bool Active() const { return active_; }
  // Length check of a 0x30 in PIC mode: 2 bytes per word after the header. The host may send
  // more than the count needs (the rest of its buffer); the data EEPROM form is exactly 2n + 9
  // bytes for n = 64, 128 or 256 with 0x0010 in bytes 5..6.
  static bool Length_Ok(const uint8_t* packet, size_t n);
  std::vector<uint8_t> Answer(const uint8_t* packet, size_t n);
  // A 0x30 whose words do not take (an injected fault): the counter passes over them.
  std::vector<uint8_t> Fail_Block(const uint8_t* packet, size_t n);

  Pic_Chip& Chip() { return chip_; }
  uint16_t Counter() const { return pc_; }
  bool Programming() const { return programming_; }

 private:
  using Reply = std::vector<uint8_t>;
  Reply Enter(const uint8_t* p);
  Reply Read_Words(const uint8_t* p);
  Reply Command(const uint8_t* p);
  Reply Program_Words(const uint8_t* p);
  Reply Program_Data(const uint8_t* p, size_t n);
  static size_t Word_Count(const uint8_t* p, size_t n);
  void Bulk_Erase();
  bool Write(uint16_t word, bool config_mode);
  void Step();

  Pic_Chip chip_;
  bool active_ = false;       // PIC mode
  bool programming_ = false;  // the part is powered on its own pins, in programming mode
  uint16_t pc_ = 0;
  int erase_setup_ = 0;  // how far the commands 1, 7 of the chip erase have come
};

}  // namespace progsim
