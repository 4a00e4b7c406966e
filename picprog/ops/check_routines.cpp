// Blank check, verify and read: the three ways of going through the part's memory.
#include "picprog/ops/pic_packets.h"
#include "picprog/ops/routines.h"

namespace picprog {

namespace {

// What a word should read: the erased word in a blank check, the buffer's word in a verify, in
// the core's width either way (a 12-bit part cannot hold bits 13..12 of a buffer word).
struct Expect {
  const Pic_Buf* buffer;  // nullptr: blank check
  uint16_t blank;
  uint16_t mask;
  uint16_t operator()(uint16_t address) const {
    return buffer ? static_cast<uint16_t>((*buffer)[address] & mask) : blank;
  }
};

void Compare_Reply(Mcu9& m, const Expect& want, uint16_t at, uint16_t count, bool split) {
  for (uint16_t i = 0; i < count; ++i) {
    if (Stopped(m)) return;
    auto address = static_cast<uint16_t>(at + i);
    Compare(m, address, want(address), Reply_Word(i, split));
  }
}

void Store_Reply(Mcu9& m, uint16_t at, uint16_t count, bool split) {
  for (uint16_t i = 0; i < count; ++i) {
    if (Stopped(m)) return;
    m.Buf()[at + i] = Reply_Word(i, split);
  }
}

void Check(Mcu9& m, Core core, const Expect& want) {
  const bool split = core == Core::C16C5x;
  if (core == Core::C16C5x) {
    Read_Words(m, kProgram_Area, 1);  // the configuration word comes first
    if (want.buffer) Compare_Reply(m, want, kConfig_Word, 1, split);
  } else if (core == Core::Serial12) {
    Increment_Address(m);  // past the configuration word
  }
  Read_Program_Memory(
      m, split, [&](uint16_t address, uint16_t word) { Compare(m, address, want(address), word); });
  if (core == Core::Serial14) {
    Load_Configuration(m);
    Read_Words(m, kProgram_Area, 8);
    // A blank check looks at the ID words only; a verify at the whole configuration area.
    Compare_Reply(m, want, kID_Words, want.buffer ? 8 : 4, split);
  } else {
    Read_Words(m, kProgram_Area, 4);
    Compare_Reply(m, want, kID_Words, 4, split);
  }
}

}  // namespace

void Blank_Check(Mcu9& m, Core core) {
  // Fuse_Blank stays 0x3FFF for the 16C505, whose words read 0x0FFF.
  const uint16_t mask = Word_Mask(core);
  Check(m, core,
        {.buffer = nullptr, .blank = static_cast<uint16_t>(m.Fuse_Blank & mask), .mask = mask});
}

void Verify(Mcu9& m, Core core) {
  Check(m, core, {.buffer = &m.Buf(), .blank = 0, .mask = Word_Mask(core)});
}

void Read_Device(Mcu9& m, Core core) {
  const bool split = core == Core::C16C5x;
  if (core != Core::Serial14) {
    Read_Words(m, kProgram_Area, 1);  // the configuration word comes first
    Store_Reply(m, kConfig_Word, 1, split);
  }
  Read_Program_Memory(m, split, [&](uint16_t address, uint16_t word) { m.Buf()[address] = word; });
  if (core == Core::Serial14) {
    if (uint16_t n = EE_Words(m)) {
      Read_Words(m, kData_Area, n);
      Store_Reply(m, kEE_Start, n, false);
    }
    Load_Configuration(m);
    Read_Words(m, kProgram_Area, 8);
    Store_Reply(m, kID_Words, 8, false);
  } else {
    Read_Words(m, kProgram_Area, 4);
    Store_Reply(m, kID_Words, 4, split);
  }
}

}  // namespace picprog
