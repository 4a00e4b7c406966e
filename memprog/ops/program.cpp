#include "memprog/ops/program.h"

#include "common/hex.h"
#include "memprog/core/buffer.h"
#include "memprog/core/kv9_packets.h"
#include "memprog/core/main_form.h"
#include "memprog/core/ranges.h"
#include "memprog/ops/read_ops.h"
#include "proglink/programming_timeout.h"

namespace memprog {

namespace stop = proglink::stop;
using proglink::Outcome;
using proglink::Verdict;

namespace {

// The blocks of the device range, each with the bytes the buffer holds for it, until the end of
// the range or a stop.
void Program_Blocks(Kv9& k) {
  proglink::Link& L = k.link;
  proglink::Programming_Timeout wait(L);
  const uint32_t block = k.Dev_End_Add < 0x7FF ? static_cast<uint32_t>(k.Dev_End_Add + 1) : 2048;
  const uint8_t* buffer = k.Image_Buffer.get();
  const int32_t flip = k.Byte_Order != 0 ? 1 : 0;
  while (L.Stop_Code == stop::Go_On) {
    L.Show_Quit_Address(L.Cur_Add);
    // The last block carries only the bytes left, so that nothing outside the range is written.
    int64_t left = int64_t{k.Dev_End_Add} - L.Cur_Add + 1;
    if (left <= 0) break;
    uint32_t count = static_cast<uint32_t>(std::min<int64_t>(block, left));
    auto address = static_cast<uint32_t>(L.Cur_Add);
    uint8_t* data = L.Packet() + 8;
    for (uint32_t i = 0; i < count; ++i) {
      data[i] = buffer[Buffer_Position(k.Prg_Type, L.Buf_Index ^ flip)];
      ++L.Cur_Add;
      ++L.Buf_Index;
    }
    Send_Program_Block(k, address, count);
    if (L.Reply()[6] == 0xFF) L.Stop_Code = stop::Quit;
    // The end of the range counts only after a block that went through: a failure keeps its
    // own code (a lost programmer must not read as a time-out, nor a time-out as a loss).
    if (L.Stop_Code == stop::Go_On && L.Cur_Add > k.Dev_End_Add) L.Stop_Code = stop::End_Of_Range;
  }
}

}  // namespace

Outcome Program_EpromClick(Kv9& k) {
  proglink::Link& L = k.link;
  if (!Range_Fits_Buffer(k, "programmed")) {
    L.Status("Device DID NOT Program....");
    L.Status_Tag = proglink::status_tag::Failed;
    return {.verdict = Verdict::Refused};
  }
  Begin_Busy(k);
  if (k.Buffer_Loaded == 0 &&
      !k.host.Ask_Yes_No("Buffer has Not Been Loaded Continue Anyway ?", proglink::kQuestion_Pos))
    return End_Busy(k, {.verdict = Verdict::Refused});
  L.Status("Programming Device from Buffer....");
  k.ui.Enabled("Quit_Func_But", true);
  L.Op_Kind = proglink::op_kind::Programming;
  L.Begin_Operation();
  if (k.Protect_Type == Protect_Type::Protect_Command) Send_Protect_Command(k);
  // Without an identified programmer nothing can be programmed: say so instead of pretending.
  if (L.Connection != proglink::connection::Ready && L.Stop_Code == stop::Go_On)
    L.Stop_Code = stop::Lost;

  Program_Blocks(k);
  L.Write_Len = 8;
  const bool programmed = L.Stop_Code < stop::Quit;
  if (programmed) {
    L.Status("Device is Programmed....");
  } else {
    L.Status("Device DID NOT Program....");
    L.Status_Tag = proglink::status_tag::Failed;
    k.host.Show_Message("Device DID NOT Program....", proglink::Box::Information, {});
  }
  Show_Lost_If_Lost(k);
  // A block that failed or got no reply in time did not program, as the window says.
  Outcome outcome{.verdict = L.Quit_Clicked ? Verdict::Stopped : Verdict::Device_Failed};
  if (programmed) outcome = k.Auto_Verify == 1 ? Verify(k) : Outcome{};
  return End_Busy(k, outcome);
}

void Auto_VerifyClick(Kv9& k) {
  k.Auto_Verify = k.Auto_Verify == 1 ? 0 : 1;
  k.ui.Caption("Auto_Verify", k.Auto_Verify == 1 ? "Auto Verify On" : "Auto Verify Off");
}

}  // namespace memprog
