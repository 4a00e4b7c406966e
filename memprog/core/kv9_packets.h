// The packets of Win_KV9's device operations, built in place in the link's packet. The packet is
// not cleared between commands: each sender sets only the bytes named here, and the others carry
// what the previous packet left there, as the programmer expects.
#pragma once

#include <cstdint>

#include "memprog/core/kv9.h"

namespace memprog {

// 0x30 with the block's address (and the device's high address bits) and count; the `count`
// data bytes are in place after the header. Write_Len becomes `count`.
void Send_Program_Block(Kv9& k, uint32_t address, uint32_t count);
// 0x30 with the address and a count of 2048 (bytes 5..6 = 8, 0), without the high address bits:
// the 12 V flash's pass of zeros, whose 2048 data bytes are in place.
void Send_Zero_Block(Kv9& k, uint32_t address);

// 0x40, byte 0 alone.
void Send_Erase_Command(Kv9& k);
// 0x40 with bytes 1 and 4 at 0; bytes 2 and 3 stay.
void Send_Erase_Step(Kv9& k);
// 0x40 with bytes 3..4 = bits 16..8 of `end`: the erase after the pass of zeros.
void Send_Erase_Up_To(Kv9& k, uint32_t end);
// 0x40 with bytes 1..6 at 0: data protection ahead of programming. Write_Len becomes 8.
void Send_Protect_Command(Kv9& k);
// 0x10 with (2, Vpp_Code, family): the programming voltage on ahead of a micro's erase.
void Send_Vpp_On(Kv9& k);

// 0x3C with bytes 2, 3 and 5 as given, bytes 1, 4 and 6 at 0.
void Send_Security(Kv9& k, uint8_t b2, uint8_t b3, uint8_t b5);
// 0x3E at `address` with the nine clock registers at the end of a 2,049-byte packet. Write_Len
// becomes 2049.
void Send_Clock(Kv9& k, uint32_t address, const uint8_t (&registers)[9]);
// 0x18 with the identification method in byte 1.
void Send_Read_Id(Kv9& k, uint8_t method);

// The Vpp calibration panel: 0x70 sets a test voltage (byte 1 the supply, byte 2 the trim, bytes
// 3..4 what to measure), 0x72 stores a trim, 0x78 tests the socket adapter.
void Send_Voltage_Test(Kv9& k, uint8_t vcc, uint8_t trim, uint8_t selector, uint8_t level);
void Send_Store_Calibration(Kv9& k, uint8_t level, uint8_t trim);
void Send_Adapter_Test(Kv9& k);

}  // namespace memprog
