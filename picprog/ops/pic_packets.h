// The packets of Win_Mcu9's device routines, built in place in the link's packet: one PIC
// programming command (0x22), word reads (0x20), word programming (0x30); the word format on the
// wire, the block loop over program memory and the mismatch lines.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "picprog/core/mcu9.h"

namespace picprog {

// The PIC's own serial programming command numbers, sent in byte 1 of 0x22.
namespace pic_cmd {
constexpr uint8_t Load_Configuration = 0;
constexpr uint8_t Bulk_Erase_Setup_1 = 1;
constexpr uint8_t Load_Data = 2;
constexpr uint8_t Increment_Address = 6;
constexpr uint8_t Bulk_Erase_Setup_2 = 7;
constexpr uint8_t Begin_Programming = 8;
constexpr uint8_t Bulk_Erase_Program = 9;
constexpr uint8_t Bulk_Erase_Data = 11;
constexpr uint8_t C5x_Setup = 16;
}  // namespace pic_cmd

// Byte 1 of 0x20.
constexpr uint8_t kProgram_Area = 4;  // program memory and configuration space
constexpr uint8_t kData_Area = 5;     // data EEPROM

// Bytes 1 and 2 of 0x30.
struct Selectors {
  uint8_t first, second;
};
constexpr Selectors kSerial_Words{4, 2};  // the serial 14-bit and 12-bit parts
constexpr Selectors kC5x_Words{16, 0};    // 16C5x program and ID words
constexpr Selectors kC5x_Config{100, 0};  // 16C5x configuration word
constexpr Selectors kEE_Bytes{5, 3};      // data EEPROM

constexpr uint16_t kBlock_Words = 1024;
constexpr uint16_t kID_Words = 0x2100;
constexpr uint16_t kErased14 = 0x3FFF;
constexpr uint16_t kErased12 = 0x0FFF;

// The run has stopped: Quit, reply time-out, failed block or lost programmer.
inline bool Stopped(const Mcu9& m) {
  return m.link.Stop_Code > proglink::stop::Go_On;
}

// Every sender below sends nothing once the run has stopped: a Quit ends the routine, it does not
// let the programmer carry out the steps that were still to come.

// Sends the 8-byte command whose bytes are in place (no reply data).
void Send_Command(Mcu9& m);

// One programming command: its number, its data word (high byte first) and byte 4; bytes 5..6 0.
void Pic_Command(Mcu9& m, uint8_t command, uint16_t data, uint8_t byte4);
void Load_Configuration(Mcu9& m);  // data 0x3FFF
void Increment_Address(Mcu9& m);

// Asks for `count` words of the area; the reply holds them from byte 8.
void Read_Words(Mcu9& m, uint8_t area, uint16_t count);
// Word i of the reply: high byte first, or, for 16C5x program reads (`split`), bits 11..4 then
// bits 3..0.
uint16_t Reply_Word(size_t i, bool split);

// Data word i of the packet, high byte first.
void Put_Word(Mcu9& m, size_t i, uint16_t word);
// Sends 0x30 with the selectors and word count, `write_len` bytes in all, then puts Write_Len back
// to 8. A non-zero reply byte 6 fails the run (Stop_Code 5).
void Program_Words(Mcu9& m, Selectors s, uint16_t count, uint32_t write_len);

// The fixed waits of the routines.
void Pause_Ms(int ms);

// Program memory from word 0 in blocks of at most 1024 words: `block(size)` for each, with Cur_Add
// at its first word; the block advances Cur_Add by one per word. Quit_Add shows Cur_Add after
// every block. Ends after the block in which the run stopped.
template <typename Block>
void For_Each_Block(Mcu9& m, Block&& block) {
  uint32_t left = m.Prog_End + 1u;
  while (left > 0) {
    auto size = static_cast<uint16_t>(std::min<uint32_t>(left, kBlock_Words));
    left -= size;
    block(size);
    m.link.Show_Quit_Address(m.link.Cur_Add);
    if (Stopped(m)) return;
  }
}

// Reads program memory block by block and hands each word to `word(address, value)` in address
// order, until the end or until the run stops: a reply that did not come is never used.
template <typename Word>
void Read_Program_Memory(Mcu9& m, bool split, Word&& word) {
  For_Each_Block(m, [&](uint16_t size) {
    Read_Words(m, kProgram_Area, size);
    for (size_t i = 0; i < size; ++i) {
      if (Stopped(m)) return;
      word(static_cast<uint16_t>(m.link.Cur_Add), Reply_Word(i, split));
      ++m.link.Cur_Add;
    }
  });
}

// Compares a word read with the word expected; a difference adds its line to the message area
// ("0012  EXPECTED-3FFF  FOUND-0000") and sets the failure flag.
void Compare(Mcu9& m, uint16_t address, uint16_t expected, uint16_t found);

}  // namespace picprog
