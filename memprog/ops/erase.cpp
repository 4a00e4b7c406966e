#include "memprog/ops/erase.h"

#include <cstring>
#include <vector>

#include "memprog/core/main_form.h"
#include "memprog/ops/read_ops.h"
#include "proglink/commands.h"
#include "proglink/programming_timeout.h"

namespace memprog {

namespace stop = proglink::stop;

namespace {

constexpr int kVerdict_Erased = proglink::status_tag::Good;
constexpr int kVerdict_Not_Erased = proglink::status_tag::Failed;

// The sectors of the sector-by-sector erase types, and the reply bits that mean failure.
struct Sector_List {
  int type;
  std::vector<uint32_t> sectors;
  uint8_t failure_bits;
};

const Sector_List kSector_Lists[] = {
    {9, {0x00000, 0x02000, 0x03000, 0x04000, 0x10000, 0x1C000, 0x1D000, 0x1E000}, 0x30},
    {10,
     {0x00000, 0x02000, 0x03000, 0x04000, 0x10000, 0x20000, 0x30000, 0x3C000, 0x3D000, 0x3E000},
     0x30},
    {11,
     {0x00000, 0x02000, 0x03000, 0x04000, 0x10000, 0x20000, 0x30000, 0x40000, 0x50000, 0x60000,
      0x70000, 0x7C000, 0x7D000, 0x7E000},
     0x30},
    {12, {0x00000, 0x02000, 0x03000, 0x04000, 0x1C000, 0x1D000, 0x1E000}, 0x20},
};

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
  uint8_t* p = k.link.Packet();
  k.link.Cur_Add = p[2] << 16 | p[3] << 8 | p[4];
  k.link.Show_Quit_Address(k.link.Cur_Add);
  p[0] = proglink::cmd::Erase;
  p[1] = 0;
  p[4] = 0;
  k.link.Send_Packet();
  Judge_Erase_Reply(k);
}

// Erase command, then a read of the whole range that must find nothing but FF.
void Erase_Then_Check(Kv9& k) {
  uint8_t* p = k.link.Packet();
  p[0] = proglink::cmd::Erase;
  k.link.Send_Packet();
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

void Erase_Sectors(Kv9& k, const Sector_List& list) {
  for (uint32_t sector : list.sectors) {
    if (k.link.Status_Tag != kVerdict_Erased) break;
    uint8_t* p = k.link.Packet();
    p[2] = static_cast<uint8_t>(sector >> 16);
    p[3] = static_cast<uint8_t>(sector >> 8);
    Erase_Step(k);
    if (Gave_Up(k)) return;
  }
  if (k.link.Reply()[6] & list.failure_bits) k.link.Status_Tag = kVerdict_Not_Erased;
}

// The micros: the programming voltage on, then the erase command. Its reply is judged like the
// others, so that an erase the programmer reports as failed is never shown as done.
void Vpp_Then_Erase(Kv9& k) {
  uint8_t* p = k.link.Packet();
  p[0] = proglink::cmd::Set_Voltages;
  p[1] = 2;
  p[2] = k.link.Vpp_Code;
  p[3] = static_cast<uint8_t>(k.Family);
  k.link.Send_Packet();
  if (Gave_Up(k)) return;
  p[0] = proglink::cmd::Erase;
  p[1] = 0;
  p[4] = 0;
  k.link.Send_Packet();
  Judge_Erase_Reply(k);
}

// 12 V flash must be programmed to 00 all over before it erases evenly. The erase takes the
// whole chip, so the zeros cover the whole part, not only the user's range.
void Zeros_Then_Erase(Kv9& k) {
  proglink::Link& L = k.link;
  const int32_t last = k.Dev_Last_Add;
  L.Status("Programming All Bytes to 00....");
  k.ui.Enabled("Quit_Func_But", true);
  L.Write_Len = 2048;
  uint8_t* p = L.Packet();
  std::memset(p + 8, 0x00, 2048);
  L.Cur_Add = 0;
  while (L.Stop_Code == stop::Go_On) {
    L.Show_Quit_Address(L.Cur_Add);
    auto a = static_cast<uint32_t>(L.Cur_Add);
    p[0] = proglink::cmd::Program_Block;
    p[1] = 0;
    p[2] = static_cast<uint8_t>(a >> 16);
    p[3] = static_cast<uint8_t>(a >> 8);
    p[4] = static_cast<uint8_t>(a);
    p[5] = 8;
    p[6] = 0;
    L.Cur_Add += 2048;
    L.Send_Data_Block();
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
  auto end = static_cast<uint32_t>(last);
  p[0] = proglink::cmd::Erase;
  p[3] = static_cast<uint8_t>(end >> 16);
  p[4] = static_cast<uint8_t>(end >> 8);
  L.Send_Packet();
  Judge_Erase_Reply(k);
}

}  // namespace

void Erase_ButClick(Kv9& k) {
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
  if (!Gave_Up(k)) {
    proglink::Programming_Timeout wait(L);
    switch (k.Erase_Type) {
      case 1:
      case 2:
      case 3:
      case 7:
      case 8:
      case 15:
        Erase_Then_Check(k);
        break;
      case 4:
      case 5:
      case 6:
        Erase_Step(k);
        break;
      case 9:
      case 10:
      case 11:
      case 12:
        for (const auto& list : kSector_Lists)
          if (list.type == k.Erase_Type) Erase_Sectors(k, list);
        break;
      case 13:
      case 20:
      case 21:
        Vpp_Then_Erase(k);
        break;
      case 14:
        Zeros_Then_Erase(k);
        break;
      default:
        break;  // 16 to 19: nothing to do
    }
  }
  if (L.Status_Tag == kVerdict_Erased) L.Status("Device is Erased....");
  if (L.Status_Tag == kVerdict_Not_Erased) L.Status("Device is NOT Erased....");
  // A time-out or a loss leaves the erase unknown: the user must find the programmer again.
  if (L.Stop_Code == stop::Time_Out || L.Stop_Code == stop::Lost)
    L.Status(proglink::Link::kLostStatus);
  End_Busy(k);
}

void SecurityClick(Kv9& k) {
  Begin_Busy(k);
  k.ui.Visible("Security_List", true);
}

void Security_ListClick(Kv9& k, int item) {
  Begin_Busy(k);
  if (item >= 0 && item <= 2) {
    proglink::Link& L = k.link;
    L.Op_Kind = proglink::op_kind::Programming;
    L.Begin_Operation();
    uint8_t* p = L.Packet();
    p[0] = proglink::cmd::Program_Security;
    p[1] = p[4] = p[5] = p[6] = 0;
    if (k.Security_Type == 2) {
      p[2] = p[3] = 0x40;
      p[5] = item == 0 ? 4 : item == 1 ? 2 : 0;
    } else {
      static const uint8_t kBits[3][2] = {{0xC0, 0xC0}, {0x00, 0xC0}, {0x40, 0x40}};
      p[2] = kBits[item][0];
      p[3] = kBits[item][1];
    }
    if (L.Connection == proglink::connection::Ready) L.Send_Packet();
    // A bit is reported programmed only when the programmer took the command.
    if (L.Connection == proglink::connection::Ready && L.Stop_Code == stop::Go_On)
      L.Status("Security Bit " + std::to_string(item + 1) + " has been programmed...");
    else
      L.Status(proglink::Link::kLostStatus);
  }
  k.ui.Visible("Security_List", false);
  End_Busy(k);
}

}  // namespace memprog
