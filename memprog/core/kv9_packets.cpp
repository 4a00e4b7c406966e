#include "memprog/core/kv9_packets.h"

#include <cstring>

#include "proglink/commands.h"
#include "proglink/packet_fields.h"

namespace memprog {

namespace cmd = proglink::cmd;

namespace {

constexpr uint32_t kZero_Block = 2048;
constexpr uint32_t kClock_Packet = 2049;
constexpr size_t kClock_Registers_At = 8 + 2040;  // the packet's last nine data bytes
constexpr uint32_t kClock_Count = 7;

// Bytes 0..4 of the short commands that take four parameters.
void Send_Four(Kv9& k, uint8_t code, uint8_t b1, uint8_t b2, uint8_t b3, uint8_t b4) {
  uint8_t* p = k.link.Packet();
  p[0] = code;
  p[1] = b1;
  p[2] = b2;
  p[3] = b3;
  p[4] = b4;
  k.link.Send_Packet();
}

}  // namespace

void Send_Program_Block(Kv9& k, uint32_t address, uint32_t count) {
  uint8_t* p = k.link.Packet();
  p[0] = cmd::Program_Block;
  p[1] = 0;
  k.link.Put_Block_Address(address);
  proglink::Put_Count(p, count);
  k.link.Write_Len = count;
  k.link.Send_Data_Block();
}

void Send_Zero_Block(Kv9& k, uint32_t address) {
  uint8_t* p = k.link.Packet();
  p[0] = cmd::Program_Block;
  p[1] = 0;
  proglink::Put_Address(p, address);
  proglink::Put_Count(p, kZero_Block);
  k.link.Write_Len = kZero_Block;
  k.link.Send_Data_Block();
}

void Send_Erase_Command(Kv9& k) {
  k.link.Packet()[0] = cmd::Erase;
  k.link.Send_Packet();
}

void Send_Erase_Step(Kv9& k) {
  uint8_t* p = k.link.Packet();
  p[0] = cmd::Erase;
  p[1] = 0;
  p[4] = 0;
  k.link.Send_Packet();
}

void Send_Erase_Up_To(Kv9& k, uint32_t end) {
  uint8_t* p = k.link.Packet();
  p[0] = cmd::Erase;
  proglink::Put_Number(p, 3, 4, end >> 8);
  k.link.Send_Packet();
}

void Send_Protect_Command(Kv9& k) {
  k.link.Write_Len = 8;
  uint8_t* p = k.link.Packet();
  p[0] = cmd::Erase;
  std::memset(p + 1, 0, 6);
  k.link.Send_Packet();
}

void Send_Vpp_On(Kv9& k) {
  uint8_t* p = k.link.Packet();
  p[0] = cmd::Set_Voltages;
  p[1] = 2;
  p[2] = k.link.Vpp_Code;
  p[3] = static_cast<uint8_t>(k.Family);
  k.link.Send_Packet();
}

void Send_Security(Kv9& k, uint8_t b2, uint8_t b3, uint8_t b5) {
  uint8_t* p = k.link.Packet();
  p[0] = cmd::Program_Security;
  p[1] = 0;
  p[2] = b2;
  p[3] = b3;
  p[4] = 0;
  p[5] = b5;
  p[6] = 0;
  k.link.Send_Packet();
}

void Send_Clock(Kv9& k, uint32_t address, const uint8_t (&registers)[9]) {
  uint8_t* p = k.link.Packet();
  p[0] = cmd::Write_Clock;
  p[1] = 0;
  k.link.Put_Block_Address(address);
  proglink::Put_Count(p, kClock_Count);
  std::memcpy(p + kClock_Registers_At, registers, sizeof registers);
  k.link.Write_Len = kClock_Packet;
  k.link.Send_Data_Block();
}

void Send_Read_Id(Kv9& k, uint8_t method) {
  uint8_t* p = k.link.Packet();
  p[0] = cmd::Read_Id;
  p[1] = method;
  k.link.Send_Packet();
}

void Send_Voltage_Test(Kv9& k, uint8_t vcc, uint8_t trim, uint8_t selector, uint8_t level) {
  Send_Four(k, cmd::Voltage_Test, vcc, trim, selector, level);
}

void Send_Store_Calibration(Kv9& k, uint8_t level, uint8_t trim) {
  Send_Four(k, cmd::Store_Calibration, 2, 0, level, trim);
}

void Send_Adapter_Test(Kv9& k) {
  Send_Four(k, cmd::Adapter_Test, 0, 0, 0, 0);
}

}  // namespace memprog
