#include "picprog/ops/pic_packets.h"

#include <chrono>
#include <thread>

#include "common/hex.h"
#include "picprog/ops/pic_ops.h"
#include "proglink/commands.h"
#include "proglink/packet_fields.h"

namespace picprog {

namespace {

using proglink::Put_Count;

// A long list of mismatches lets the window breathe every so many lines.
constexpr uint64_t kLines_Per_Pump = 128;

}  // namespace

void Send_Command(Mcu9& m) {
  if (Stopped(m)) return;
  m.link.Write_Len = 8;
  m.link.Reply_Size = 0;
  m.link.Send_Packet();
}

void Pic_Begin(Mcu9& m) {
  uint8_t* p = m.link.Packet();
  p[0] = proglink::cmd::Set_Voltages;
  p[1] = m.link.Vcc_Code;
  p[2] = 2;  // 12.75 V
  p[3] = static_cast<uint8_t>(m.Pin_Code);
  p[4] = 0;
  Send_Command(m);
  p[0] = proglink::cmd::Begin_Operation;
  p[1] = 1;
  p[2] = p[3] = p[4] = 0;
  Send_Command(m);
}

void Pic_Command(Mcu9& m, uint8_t command, uint16_t data, uint8_t byte4) {
  uint8_t* p = m.link.Packet();
  p[0] = proglink::cmd::Pic_Command;
  p[1] = command;
  proglink::Put_Number(p, 2, 3, data);
  p[4] = byte4;
  p[5] = p[6] = 0;
  Send_Command(m);
}

void Load_Configuration(Mcu9& m) {
  Pic_Command(m, pic_cmd::Load_Configuration, kErased14, 0);
}

void Increment_Address(Mcu9& m) {
  Pic_Command(m, pic_cmd::Increment_Address, 0, 1);
}

void Read_Words(Mcu9& m, uint8_t area, uint16_t count) {
  if (Stopped(m)) return;
  uint8_t* p = m.link.Packet();
  p[0] = proglink::cmd::Read_Block;
  p[1] = area;
  p[2] = p[3] = p[4] = 0;
  Put_Count(p, count);
  m.link.Write_Len = 8;
  m.link.Reply_Size = 2u * count;
  m.link.Send_Packet();
}

uint16_t Reply_Word(size_t i, bool split) {
  const uint8_t* r = proglink::Link::Reply() + 8 + 2 * i;
  return static_cast<uint16_t>(split ? r[0] * 16 + r[1] : r[0] << 8 | r[1]);
}

void Put_Word(Mcu9& m, size_t i, uint16_t word) {
  proglink::Put_Number(m.link.Packet() + 8 + 2 * i, 0, 1, word);
}

void Program_Words(Mcu9& m, Selectors s, uint16_t count, uint32_t write_len) {
  if (Stopped(m)) return;
  uint8_t* p = m.link.Packet();
  p[0] = proglink::cmd::Program_Block;
  p[1] = s.first;
  p[2] = s.second;
  p[3] = p[4] = 0;
  Put_Count(p, count);
  m.link.Write_Len = write_len;
  m.link.Reply_Size = 0;
  m.link.Send_Packet();
  m.link.Write_Len = 8;
  if (!Stopped(m) && proglink::Link::Reply()[6] != 0) m.link.Stop_Code = proglink::stop::Quit;
}

void Pause_Ms(int ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void Compare(Mcu9& m, uint16_t address, uint16_t expected, uint16_t found) {
  if (expected == found) return;
  std::string line = common::Hex(address, 4);
  line += "  EXPECTED-";
  common::Append_Hex(line, expected, 4);
  line += "  FOUND-";
  common::Append_Hex(line, found, 4);
  proglink::Message_Area& memo = m.link.Memo1();
  memo.Add(std::move(line));
  m.Failure = 1;
  if (m.Mismatches++ == 0) m.First_Mismatch = address;
  if ((memo.Lines().size() + memo.Omitted()) % kLines_Per_Pump == 0) m.host.Pump_Messages();
}

}  // namespace picprog
