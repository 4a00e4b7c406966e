// The search for the programmer among the FTDI devices, its identification and firmware check.
#include <cstring>

#include "common/hex.h"
#include "proglink/commands.h"
#include "proglink/device_report.h"
#include "proglink/link.h"

namespace proglink {

using namespace D2XXUnit;

Outcome Link::Search_Again() {
  if (USB_Device_Count == 1) USB_Close();
  return Find_Programmer();
}

Outcome Link::Find_Programmer() {
  memo1_.Clear();
  memo1_.Show(true);
  Stop_Code = stop::Go_On;
  Status_Tag = status_tag::Failed;
  controls_.Colour(kStatus, Colour::Yellow);
  Status("Looking For Programmer");

  USB_Close();
  GetFTDeviceCount();
  timer_interval_ = 3000;

  std::string found;
  if (USB_Device_Count > 0 && Open_USB_Device_By_Serial_Number(kSerial) == FT_OK) {
    for (DWORD index = 0; index < USB_Device_Count; ++index) {
      GetFTDeviceSerialNo(index);
      found.clear();
      for (int i = 0; i < 8; ++i)  // only the first 8 characters take part
        if (USB_Serial_Buf[i] != 0) found.push_back(USB_Serial_Buf[i]);
      memo1_.Add(found);
      if (found == kSerial) break;
    }
    if (found == kSerial) {
      USB_Set_Timeouts(10000, 100);
      std::memset(USB_Tx_Buf, 0, 7);
      Connection = connection::Identifying;
      USB_Tx_Buf[0] = cmd::Identify;
      Send_Packet();
      if (USB_Rx_Buf[0] == cmd::Identify && USB_Rx_Buf[6] == 0 && Stop_Code == stop::Go_On) {
        if (variant_.kv9) {
          memo1_.Add(common::Hex_Dump(USB_Rx_Buf, 8));
          host_.Pump_Messages();
        }
        Connection = connection::Ready;
        std::string version = std::to_string(USB_Rx_Buf[1]) + "." +
                              (USB_Rx_Buf[2] < 10 ? "0" : "") + std::to_string(USB_Rx_Buf[2]);
        Status("Usb Programmer Found - FirmWare Version " + version);
        Status_Tag = status_tag::Good;
        Fw_Version = USB_Rx_Buf[1] * 256 + USB_Rx_Buf[2];
        if (Fw_Version < variant_.required_version &&
            host_.Ask_Yes_No(std::string("This Software Requires Firmware Version - ") +
                                 variant_.required_text +
                                 "\r\nDo You Want to Flash Update the Programmer ?",
                             kBox_Pos))
          Flash_Update();
      }
    }
  }

  const bool identified = found == kSerial && Connection == connection::Ready;
  if (identified) {
    memo1_.Show(false);
  } else {
    memo1_.Add(common::Hex_Dump(USB_Rx_Buf, 8));
    // A programmer this user may not open looks like no programmer at all; say what to do.
    for (const std::string& line : Permission_Advice(Survey_Devices())) memo1_.Add(line);
    host_.Show_Message("The Quillon Programmer III Could Not Be Found....", Box::Information,
                       kBox_Pos);
    Status("Programmer Not Found or is no longer present....");
  }
  timer_interval_ = 1000;
  return {.verdict = identified ? Verdict::Good : Verdict::Lost};
}

}  // namespace proglink
