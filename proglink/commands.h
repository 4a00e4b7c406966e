// Command codes of the programmer protocol.
#pragma once

#include <cstdint>

namespace proglink::cmd {

constexpr uint8_t Set_Voltages = 0x10;
constexpr uint8_t Read_Id = 0x18;
constexpr uint8_t Begin_Operation = 0x1C;
constexpr uint8_t End_Operation = 0x1E;
constexpr uint8_t Read_Block = 0x20;
constexpr uint8_t Pic_Command = 0x22;
constexpr uint8_t Program_Block = 0x30;
constexpr uint8_t Program_Security = 0x3C;
constexpr uint8_t Write_Clock = 0x3E;
constexpr uint8_t Erase = 0x40;
constexpr uint8_t Reset = 0x53;
constexpr uint8_t Identify = 0x56;
constexpr uint8_t Voltage_Test = 0x70;
constexpr uint8_t Store_Calibration = 0x72;
constexpr uint8_t Adapter_Test = 0x78;
constexpr uint8_t Finish_Update = 0xAA;

}  // namespace proglink::cmd
