#include "memprog/ops/clock.h"

#include "common/hex.h"
#include "memprog/core/kv9_packets.h"
#include "memprog/core/main_form.h"
#include "memprog/ops/read_ops.h"

namespace memprog {

namespace stop = proglink::stop;
using proglink::Outcome;
using proglink::Verdict;

namespace {

// Time_1 .. Time_8 hold the registers at offsets 0x7F8 .. 0x7FF of the top 2K block; Time_9
// the century, at 0x7F1 when read and after the eight when written.
const char* const kFields[9] = {"Time_1", "Time_2", "Time_3", "Time_4", "Time_5",
                                "Time_6", "Time_7", "Time_8", "Time_9"};
constexpr uint32_t kRead_Offsets[9] = {0x7F8, 0x7F9, 0x7FA, 0x7FB, 0x7FC,
                                       0x7FD, 0x7FE, 0x7FF, 0x7F1};

}  // namespace

Outcome Prg_TimeClick(Kv9& k) {
  // Every field must be a hex number before anything is sent to the clock.
  uint8_t values[9];
  for (int i = 0; i < 9; ++i) {
    const std::string& text = k.ui[kFields[i]].caption;
    auto v = common::Parse_Hex(text);
    if (!v) {
      k.host.Show_Message("'" + text + "' is not a valid integer value", proglink::Box::Error, {});
      return {.verdict = Verdict::Refused};
    }
    values[i] = static_cast<uint8_t>(*v);
  }
  proglink::Link& L = k.link;
  Begin_Busy(k);
  L.Status("Programming Time....");
  L.Op_Kind = proglink::op_kind::Programming;
  L.Begin_Operation();
  // The registers are the part's top eight bytes, whatever range the user has set: written
  // below a narrowed end they would overwrite the user's data.
  L.Cur_Add = k.Dev_Last_Add - 7;
  if (L.Connection == proglink::connection::Ready)
    Send_Clock(k, static_cast<uint32_t>(L.Cur_Add), values);
  else
    L.Stop_Code = stop::Lost;
  Show_Lost_If_Lost(k);
  L.Write_Len = 8;
  return End_Busy(k, {});
}

Outcome Read_TimeClick(Kv9& k) {
  proglink::Link& L = k.link;
  Begin_Busy(k);
  L.Op_Kind = proglink::op_kind::Reading;
  L.Begin_Operation();
  L.Status("Reading Clock....");
  // The top block of the part, read in full, however far the user's range reaches.
  const int32_t end = k.Dev_End_Add;
  k.Dev_End_Add = k.Dev_Last_Add;
  L.Cur_Add = k.Dev_Last_Add & 0xFFF800;
  if (L.Connection == proglink::connection::Ready)
    L.Read_Block();
  else
    L.Stop_Code = stop::Lost;
  k.Dev_End_Add = end;
  // Fields are filled, and the clock called read, only from a reply that came.
  const bool read = L.Stop_Code == stop::Go_On;
  if (read) {
    for (int i = 0; i < 9; ++i) {
      uint32_t at = kRead_Offsets[i];
      uint8_t b = at < L.Reply_Size ? L.Reply()[8 + at] : 0;
      k.ui.Caption(kFields[i], common::Hex(b, 2));
    }
    L.Status("Clock Read....");
  } else {
    L.Status(proglink::Link::kLostStatus);
  }
  return End_Busy(k, {.verdict = read ? Verdict::Good : Verdict::Stopped});
}

}  // namespace memprog
