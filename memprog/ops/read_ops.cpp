#include "memprog/ops/read_ops.h"

#include "common/hex.h"
#include "memprog/core/buffer.h"
#include "memprog/core/main_form.h"
#include "memprog/core/ranges.h"

namespace memprog {

namespace stop = proglink::stop;
namespace status_tag = proglink::status_tag;
using proglink::Outcome;
using proglink::Verdict;

namespace {

// Steps 1 to 3 of every read-type run. A run started without an identified programmer cannot
// read anything: it ends as a lost programmer rather than judging a stale reply buffer.
void Begin_Read(Kv9& k, const char* status, bool clear_memo) {
  Begin_Busy(k);
  k.link.Op_Kind = proglink::op_kind::Reading;
  k.link.Begin_Operation();
  k.ui.Enabled("Quit_Func_But", true);
  k.link.Status(status);
  if (clear_memo) {
    k.link.Memo1().Clear();
    k.link.Memo1().Show(true);
  }
  if (k.link.Connection != proglink::connection::Ready && k.link.Stop_Code == stop::Go_On) {
    k.link.Stop_Code = stop::Lost;
    k.link.Status_Tag = status_tag::Lost;
  }
}

// The block loop: `work(device_byte)` for every byte of the range, in address order. The device
// byte is the reply byte at the block position, or at position XOR 1 with the Hi/Lo byte order.
template <typename Work>
void Read_Range(Kv9& k, bool swap_bytes, Work&& work) {
  proglink::Link& L = k.link;
  while (L.Stop_Code == stop::Go_On) {
    L.Read_Block();
    if (L.Stop_Code != stop::Go_On) break;
    const uint8_t* data = L.Reply() + 8;
    const int32_t flip = swap_bytes ? 1 : 0;
    do {
      work(data[L.Blk_Pos ^ flip]);
      ++L.Blk_Pos;
      L.Next_Address();
    } while (L.Stop_Code == stop::Go_On && L.Blk_Pos < static_cast<int32_t>(L.Reply_Size));
  }
}

// Programming only clears bits of a part erased to FF, and only sets bits of one erased to 00:
// true when `found` cannot become `want` without an erase.
bool Needs_Erase(const Kv9& k, uint8_t want, uint8_t found) {
  return k.Blank_Value == 0 ? (found & ~want) != 0 : (want & ~found) != 0;
}

void Insert_Mismatch(Kv9& k, std::string line) {
  k.link.Memo1().Insert(std::move(line));
  if ((k.link.Cur_Add & 0x7F) == 0) k.host.Pump_Messages();
}

}  // namespace

void Show_Lost_If_Lost(Kv9& k) {
  if (k.link.Stop_Code == stop::Lost) k.link.Status(proglink::Link::kLostStatus);
}

Outcome Blank_ChkClick(Kv9& k) {
  Begin_Read(k, "Checking to see if Device is erased....", true);
  const uint8_t blank = static_cast<uint8_t>(k.Blank_Value);
  Outcome outcome;
  Read_Range(k, false, [&](uint8_t b) {
    if (b == blank) return;
    outcome.Add_Difference(static_cast<uint32_t>(k.link.Cur_Add));
    std::string line = common::Hex(static_cast<uint32_t>(k.link.Cur_Add), 4);
    line += "  EXPECTED-";
    common::Append_Hex(line, blank, 2);
    line += " FOUND-";
    common::Append_Hex(line, b, 2);
    Insert_Mismatch(k, std::move(line));
    k.link.Status_Tag = status_tag::Mismatch;
  });
  if (k.link.Status_Tag == status_tag::Mismatch) k.link.Status("Device is NOT Erased....");
  if (k.link.Status_Tag == status_tag::Good) k.link.Status("Device is Erased....");
  if (k.link.Status_Tag < status_tag::Mismatch) k.link.Memo1().Show(false);
  Show_Lost_If_Lost(k);
  outcome.verdict = outcome.count > 0 ? Verdict::Device_Failed : Verdict::Good;
  return End_Busy(k, outcome);
}

Outcome Move_EpromClick(Kv9& k) {
  if (!Range_Fits_Buffer(k, "read")) return {.verdict = Verdict::Refused};
  Begin_Read(k, "Moving Device to Buffer....", false);
  uint8_t* buffer = k.Image_Buffer.get();
  Read_Range(k, k.Byte_Order != 0, [&](uint8_t b) {
    int64_t at = Buffer_Position(k.Prg_Type, k.link.Buf_Index);
    if (In_Buffer(at)) buffer[at] = b;
  });
  // Stopped or timed out before the end of the range, the buffer holds only part of the
  // device: the run keeps its running text rather than claim the device was moved.
  const bool moved = k.link.Stop_Code == stop::End_Of_Range;
  if (moved) k.link.Status("Device Has Been Moved to Buffer....");
  Checksum(k);
  Show_Lost_If_Lost(k);
  return End_Busy(k, {.verdict = moved ? Verdict::Good : Verdict::Stopped, .checksum = k.Chk_Sum});
}

Outcome Verify(Kv9& k) {
  Begin_Read(k, "Verifying Device to Buffer....", true);
  const uint8_t* buffer = k.Image_Buffer.get();
  const bool clock = k.Clock_Type != Clock_Type::No_Clock;
  const int32_t clock_first = k.Dev_Last_Add - 7;  // the part's top registers, not the range's
  Outcome outcome;
  uint64_t need_erase = 0;
  Read_Range(k, k.Byte_Order != 0, [&](uint8_t b) {
    int64_t at = Buffer_Position(k.Prg_Type, k.link.Buf_Index);
    if (!In_Buffer(at)) return;
    uint8_t want = buffer[at];
    if (want == b) return;
    if (clock && k.link.Cur_Add >= clock_first) return;  // the running clock's registers
    outcome.Add_Difference(static_cast<uint32_t>(k.link.Cur_Add));
    if (Needs_Erase(k, want, b)) ++need_erase;
    std::string line;
    if (k.Prg_Type == Program_Type::Byte) {
      common::Append_Hex(line, static_cast<uint32_t>(k.link.Cur_Add), 5);
    } else {
      common::Append_Hex(line, static_cast<uint64_t>(at), 5);
      line += " - ";
      common::Append_Hex(line, static_cast<uint32_t>(k.link.Cur_Add), 4);
    }
    line += "  EXPECTED-";
    common::Append_Hex(line, want, 2);
    line += " FOUND-";
    common::Append_Hex(line, b, 2);
    Insert_Mismatch(k, std::move(line));
    k.link.Status_Tag = status_tag::Mismatch;
  });
  if (outcome.count > 0)
    k.link.Memo1().Insert(
        std::to_string(outcome.count) + " bytes differ, " + std::to_string(need_erase) +
        (k.Blank_Value == 0 ? " of them need a bit lowered from 1 to 0 (erase first)"
                            : " of them need a bit raised from 0 to 1 (erase first)"));
  if (k.link.Status_Tag == status_tag::Mismatch)
    k.link.Status("Device Did NOT Verify to Buffer....");
  if (k.link.Status_Tag == status_tag::Good) k.link.Status("Device Verified to Buffer....");
  if (k.link.Status_Tag < status_tag::Mismatch) k.link.Memo1().Show(false);
  Show_Lost_If_Lost(k);
  outcome.verdict = outcome.count > 0 ? Verdict::Device_Failed : Verdict::Good;
  return outcome;
}

Outcome Verify_EpromClick(Kv9& k) {
  if (!Range_Fits_Buffer(k, "verified")) return {.verdict = Verdict::Refused};
  return End_Busy(k, Verify(k));
}

Outcome CompareClick(Kv9& k) {
  if (!Range_Fits_Buffer(k, "compared")) return {.verdict = Verdict::Refused};
  Begin_Read(k, "Comparing Device for Re-Progamablity....", false);
  const uint8_t* buffer = k.Image_Buffer.get();
  Outcome outcome;
  Read_Range(k, k.Byte_Order != 0, [&](uint8_t b) {
    // The buffer byte that programming would write here.
    int64_t at = Buffer_Position(k.Prg_Type, k.link.Buf_Index);
    if (!In_Buffer(at)) return;
    uint8_t want = buffer[at];
    if (Needs_Erase(k, want, b)) {
      outcome.Add_Difference(static_cast<uint32_t>(k.link.Cur_Add));
      k.link.Stop_Code = stop::End_Of_Range;
      k.link.Status_Tag = status_tag::Failed;
    }
  });
  if (k.link.Status_Tag == status_tag::Failed) k.link.Status("Device CAN NOT be Reprogrammed....");
  // A stopped or failed comparison has not looked at every byte: it claims nothing.
  else if (k.link.Status_Tag == status_tag::Good)
    k.link.Status("Device Can be Reprogrammed....");
  Show_Lost_If_Lost(k);
  outcome.verdict = outcome.count > 0 ? Verdict::Device_Failed : Verdict::Good;
  return End_Busy(k, outcome);
}

}  // namespace memprog
