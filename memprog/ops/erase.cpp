#include "memprog/ops/erase.h"

#include <cstring>

#include "memprog/catalogue/erase_kinds.h"
#include "memprog/core/kv9_packets.h"
#include "memprog/core/main_form.h"
#include "memprog/ops/read_ops.h"
#include "proglink/packet_fields.h"
#include "proglink/programming_timeout.h"

namespace memprog {

namespace stop = proglink::stop;
using proglink::Outcome;
using proglink::Verdict;

namespace {

constexpr int kVerdict_Erased = proglink::status_tag::Good;
constexpr int kVerdict_Not_Erased = proglink::status_tag::Failed;
constexpr uint32_t kZero_Block = 2048;

bool Gave_Up(Kv9& k) {
  return k.link.Stop_Code > stop::Go_On;
}

// The erase reply's status byte: bit 7 erased, else bit 5 failed; neither leaves the verdict.
void Judge_Erase_Reply(Kv9& k) {
  if (Gave_Up(k)) return;
  uint8_t status = k.link.Reply()[6];
  if (status & 0x80)
    k.link.Status_Tag = kVerdict_Erased;
  else if (status & 0x20)
    k.link.Status_Tag = kVerdict_Not_Erased;
}

// One erase command judged by its status byte. The address bytes are what the previous packet
// or the sector list left in the packet.
void Erase_Step(Kv9& k) {
  k.link.Cur_Add = static_cast<int32_t>(proglink::Get_Number(k.link.Packet(), 2, 4));
  k.link.Show_Quit_Address(k.link.Cur_Add);
  Send_Erase_Step(k);
  Judge_Erase_Reply(k);
}

// Erase command, then a read of the whole range that must find nothing but FF.
void Erase_Then_Check(Kv9& k) {
  Send_Erase_Command(k);
  if (Gave_Up(k)) return;
  Begin_Busy(k);
  k.link.Status("Checking to see if Device is erased....");
  k.ui.Enabled("Quit_Func_But", true);
  k.link.Op_Kind = proglink::op_kind::Reading;
  k.link.Begin_Operation();
  proglink::Link& L = k.link;
  while (L.Stop_Code == stop::Go_On) {
    L.Read_Block();
    if (L.Stop_Code != stop::Go_On) break;
    const uint8_t* data = L.Reply() + 8;
    do {
      if (data[L.Blk_Pos] != 0xFF) {
        L.Stop_Code = stop::Not_Blank;
        L.Status_Tag = kVerdict_Not_Erased;
        break;
      }
      ++L.Blk_Pos;
      L.Next_Address();
    } while (L.Stop_Code == stop::Go_On && L.Blk_Pos < static_cast<int32_t>(L.Reply_Size));
  }
}

void Erase_Sectors(Kv9& k, const Erase_Kind& kind) {
  for (uint32_t sector : kind.sectors) {
    if (k.link.Status_Tag != kVerdict_Erased) break;
    proglink::Put_Number(k.link.Packet(), 2, 3, sector >> 8);
    Erase_Step(k);
    if (Gave_Up(k)) return;
  }
  if (k.link.Reply()[6] & kind.failure_bits) k.link.Status_Tag = kVerdict_Not_Erased;
}

// The micros: the programming voltage on, then the erase command. Its reply is judged like the
// others, so that an erase the programmer reports as failed is never shown as done.
void Vpp_Then_Erase(Kv9& k) {
  Send_Vpp_On(k);
  if (Gave_Up(k)) return;
  Send_Erase_Step(k);
  Judge_Erase_Reply(k);
}

// 12 V flash must be programmed to 00 all over before it erases evenly. The erase takes the
// whole chip, so the zeros cover the whole part, not only the user's range.
void Zeros_Then_Erase(Kv9& k) {
  proglink::Link& L = k.link;
  const int32_t last = k.Dev_Last_Add;
  L.Status("Programming All Bytes to 00....");
  k.ui.Enabled("Quit_Func_But", true);
  std::memset(L.Packet() + 8, 0x00, kZero_Block);
  L.Cur_Add = 0;
  while (L.Stop_Code == stop::Go_On) {
    L.Show_Quit_Address(L.Cur_Add);
    auto a = static_cast<uint32_t>(L.Cur_Add);
    L.Cur_Add += kZero_Block;
    Send_Zero_Block(k, a);
    if (L.Reply()[6] == 0xFF) L.Stop_Code = stop::Quit;
    // A failure keeps its code.
    if (L.Stop_Code == stop::Go_On && L.Cur_Add >= last) L.Stop_Code = stop::End_Of_Range;
  }
  L.Status("Erasing Device....");
  L.Write_Len = 8;
  if (L.Stop_Code >= stop::Quit) {
    L.Status_Tag = kVerdict_Not_Erased;
    return;
  }
  L.Stop_Code = stop::Go_On;
  Send_Erase_Up_To(k, static_cast<uint32_t>(last));
  Judge_Erase_Reply(k);
}

void Run_Procedure(Kv9& k, const Erase_Kind& kind) {
  switch (kind.procedure) {
    case Erase_Procedure::Nothing:
      return;
    case Erase_Procedure::Erase_Then_Check:
      return Erase_Then_Check(k);
    case Erase_Procedure::Status_Byte:
      return Erase_Step(k);
    case Erase_Procedure::Sector_List:
      return Erase_Sectors(k, kind);
    case Erase_Procedure::Vpp_Then_Erase:
      return Vpp_Then_Erase(k);
    case Erase_Procedure::Zeros_Then_Erase:
      return Zeros_Then_Erase(k);
  }
}

// Bytes 2, 3 and 5 of the security command for each item of the list.
struct Security_Bits {
  uint8_t b2, b3, b5;
};
constexpr Security_Bits kLock_Bits[3] = {{0xC0, 0xC0, 0}, {0x00, 0xC0, 0}, {0x40, 0x40, 0}};
constexpr Security_Bits kAt89S_Bits[3] = {{0x40, 0x40, 4}, {0x40, 0x40, 2}, {0x40, 0x40, 0}};

}  // namespace

Outcome Erase_ButClick(Kv9& k) {
  proglink::Link& L = k.link;
  Begin_Busy(k);
  L.Status("Erasing Device....");
  L.Status_Tag = kVerdict_Erased;
  L.Op_Kind = proglink::op_kind::Programming;
  L.Begin_Operation();
  // Without an identified programmer the status bytes would be stale: judge nothing.
  if (L.Connection != proglink::connection::Ready) {
    L.Stop_Code = stop::Lost;
    L.Status_Tag = proglink::status_tag::Lost;
  }
  const Erase_Kind* kind = Find_Erase_Kind(k.Erase_Type);
  if (kind && !Gave_Up(k)) {
    proglink::Programming_Timeout wait(L);
    Run_Procedure(k, *kind);
  }
  if (L.Status_Tag == kVerdict_Erased) L.Status("Device is Erased....");
  if (L.Status_Tag == kVerdict_Not_Erased) L.Status("Device is NOT Erased....");
  // A time-out or a loss leaves the erase unknown: the user must find the programmer again.
  if (L.Stop_Code == stop::Time_Out || L.Stop_Code == stop::Lost)
    L.Status(proglink::Link::kLostStatus);
  return End_Busy(
      k, {.verdict = L.Status_Tag == kVerdict_Erased ? Verdict::Good : Verdict::Device_Failed});
}

void SecurityClick(Kv9& k) {
  Begin_Busy(k);
  k.ui.Visible("Security_List", true);
}

Outcome Security_ListClick(Kv9& k, int item) {
  Begin_Busy(k);
  Outcome outcome{.verdict = Verdict::Refused};  // "Cancel"
  if (item >= 0 && item <= 2) {
    outcome.verdict = Verdict::Good;
    proglink::Link& L = k.link;
    L.Op_Kind = proglink::op_kind::Programming;
    L.Begin_Operation();
    const Security_Bits& bits =
        k.Security_Type == Security_Type::Lock_At89S ? kAt89S_Bits[item] : kLock_Bits[item];
    if (L.Connection == proglink::connection::Ready) Send_Security(k, bits.b2, bits.b3, bits.b5);
    // A bit is reported programmed only when the programmer took the command.
    if (L.Connection == proglink::connection::Ready && L.Stop_Code == stop::Go_On)
      L.Status("Security Bit " + std::to_string(item + 1) + " has been programmed...");
    else
      L.Status(proglink::Link::kLostStatus);
  }
  k.ui.Visible("Security_List", false);
  return End_Busy(k, outcome);
}

}  // namespace memprog
