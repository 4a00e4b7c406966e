// Programming: program memory in blocks, then the ID words and the configuration word the way
// each family takes them.
#include "picprog/ops/pic_ops.h"
#include "picprog/ops/pic_packets.h"
#include "picprog/ops/routines.h"

namespace picprog {

namespace {

constexpr int kC5x_Restart_Ms = 100;

void Put_Buffer(Mcu9& m, uint16_t from, uint16_t count) {
  for (uint16_t i = 0; i < count; ++i) Put_Word(m, i, m.Buf()[from + i]);
}

// Program memory from the buffer; returns the packet length of the last block.
uint32_t Program_Blocks(Mcu9& m, Selectors s) {
  uint32_t write_len = 8;
  For_Each_Block(m, [&](uint16_t size) {
    Put_Buffer(m, static_cast<uint16_t>(m.link.Cur_Add), size);
    m.link.Cur_Add += size;
    write_len = 8 + 2u * size;
    Program_Words(m, s, size, write_len);
  });
  return write_len;
}

void P_5x(Mcu9& m) {
  Pic_Command(m, pic_cmd::C5x_Setup, 0, 2);
  const uint32_t last_len = Program_Blocks(m, kC5x_Words);
  // The ID words follow program memory; the packet keeps the last block's length, the firmware
  // takes the count.
  Put_Buffer(m, kID_Words, 4);
  Program_Words(m, kC5x_Words, 4, last_len);
  if (Stopped(m)) return;
  // The configuration word is reached only by starting the part again.
  m.link.Reset_Programmer();
  Pause_Ms(kC5x_Restart_Ms);
  m.link.Vcc_Code = 2;
  Pic_Begin(m);
  Put_Buffer(m, kConfig_Word, 1);
  Program_Words(m, kC5x_Config, 1, 10);
}

void P_14(Mcu9& m) {
  Program_Blocks(m, kSerial_Words);
  Load_Configuration(m);
  Put_Buffer(m, kID_Words, 8);  // device addresses 0x2000..0x2007
  Program_Words(m, kSerial_Words, 8, 24);
}

// The 16F7x and 16F87xA take program memory only: their ID words and configuration word keep
// what they held, which a verify then lists.
void P_row(Mcu9& m) {
  Program_Blocks(m, kSerial_Words);
}

void P_new(Mcu9& m) {
  Program_Blocks(m, kSerial_Words);
  Load_Configuration(m);
  Put_Buffer(m, kID_Words, 8);
  Program_Words(m, kSerial_Words, 4, 24);  // the four ID words
  for (int i = 0; i < 3; ++i) Increment_Address(m);
  Put_Buffer(m, kConfig_Word, 1);
  Program_Words(m, kSerial_Words, 1, 24);
}

void P_12(Mcu9& m) {
  Increment_Address(m);  // past the configuration word
  Program_Blocks(m, kSerial_Words);
  Put_Buffer(m, kID_Words, 4);  // they follow program memory
  Program_Words(m, kSerial_Words, 4, 16);
  if (Stopped(m)) return;
  // The part restarts at its configuration word.
  m.link.Reset_Programmer();
  Pic_Begin(m);
  m.Fuse_Word = m.Buf()[kConfig_Word];
  Put_Buffer(m, kConfig_Word, 1);
  Program_Words(m, kSerial_Words, 1, 10);
}

}  // namespace

void Program(Mcu9& m, Program_Routine routine) {
  switch (routine) {
    case Program_Routine::P_5x:
      return P_5x(m);
    case Program_Routine::P_14:
      return P_14(m);
    case Program_Routine::P_row:
      return P_row(m);
    case Program_Routine::P_new:
      return P_new(m);
    case Program_Routine::P_12:
      return P_12(m);
  }
}

}  // namespace picprog
