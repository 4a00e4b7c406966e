// Rewriting the programmer's firmware from an update file: a 16-byte header with the signature
// and the two check bytes, then ready-made 2,058-byte packets sent as stored.
#include <cstring>

#include "common/hex.h"
#include "common/input_file.h"
#include "proglink/commands.h"
#include "proglink/link.h"

namespace proglink {

using namespace D2XXUnit;

namespace {
constexpr size_t kMaxFile = 163840;
constexpr size_t kHeader = 16;
constexpr size_t kPacket = 2058;
constexpr char kSignature[12] = {'U', 'p', 'd', 'a', 't', 'e', ' ', 'F', 'i', 'l', 'e', 0x06};
}  // namespace

Outcome Link::Flash_Update() {
  Outcome outcome{.verdict = Verdict::Refused};
  if (variant_.kv9 && Disable_Controls) Disable_Controls();
  memo1_.Clear();
  controls_.Enabled("MainForm", false);
  memo1_.Show(true);
  Reply_Size = 0;
  if (variant_.kv9) controls_.Enabled("Flash", false);
  Status("Updating Programmer Flash Code....");

  std::string remembered = Open_Dialog_Name ? *Open_Dialog_Name : std::string();
  File_Dialog dialog;
  dialog.file_name = remembered;
  if (auto path = host_.Choose_File(dialog)) {
    if (Open_Dialog_Name) *Open_Dialog_Name = *path;
    // Longer files are cut at the limit. A file without a whole packet would be judged by a
    // check of nothing written.
    common::File_Data read = common::Read_File(*path, kMaxFile, common::Over_Limit::Cut);
    const std::string& file = read.bytes;
    if (!read.Ok() || file.size() < kHeader + kPacket ||
        std::memcmp(file.data() + 2, kSignature, 12) != 0) {
      host_.Show_Message("Invalid File Type...\r\nCan Not Update Units With This File......",
                         Box::Warning, {});
    } else {
      const auto* bytes = reinterpret_cast<const uint8_t*>(file.data());
      Write_Len = kPacket;
      for (size_t at = kHeader; at + kPacket <= file.size(); at += kPacket) {
        USB_Reset();
        USB_Purge_Rx();
        std::memcpy(USB_Tx_Buf, bytes + at, kPacket);
        controls_.Caption(variant_.quit_control,
                          common::Hex((USB_Tx_Buf[2] << 8 | USB_Tx_Buf[3]) * 8u, 4));
        Send_Packet();
      }
      std::memset(USB_Tx_Buf, 0, 8);
      USB_Reset();
      Write_Len = 8;
      USB_Tx_Buf[0] = cmd::Finish_Update;
      USB_Tx_Buf[1] = 0x43;
      Send_Packet();
      uint8_t want_hi = bytes[14], want_lo = bytes[15];
      memo1_.Add("Expected - " + common::Hex(want_hi, 2) + common::Hex(want_lo, 2));
      memo1_.Add("Found    - " + common::Hex(USB_Rx_Buf[2], 2) + common::Hex(USB_Rx_Buf[3], 2));
      bool good = USB_Rx_Buf[2] == want_hi && USB_Rx_Buf[3] == want_lo;
      outcome.checksum = static_cast<uint16_t>(USB_Rx_Buf[2] << 8 | USB_Rx_Buf[3]);
      host_.Show_Message(good ? "Good Update..." : "Warning: Bad Update...", Box::Warning, {});
      USB_Tx_Buf[0] = cmd::Reset;
      Send_Packet();
      Show_Quit_Address(0);
      outcome.verdict = Connection != connection::Ready ? Verdict::Lost
                        : good                          ? Verdict::Good
                                                        : Verdict::Device_Failed;
    }
  }

  memo1_.Show(false);
  Write_Len = 8;
  controls_.Enabled("MainForm", true);
  if (variant_.kv9) {
    if (Open_Dialog_Name) *Open_Dialog_Name = remembered;
    if (Enable_Controls) Enable_Controls();
  }
  return outcome;
}

}  // namespace proglink
