#include "proglink/link.h"

#include <cstring>

#include "common/hex.h"
#include "proglink/commands.h"
#include "proglink/packet_fields.h"

namespace proglink {

using namespace D2XXUnit;

Variant Variant::Kv9() {
  return {true, "Quit_Func_But", stop::Time_Out, 829, "3.61", 3000};
}
// Win_Mcu9 asks for the version its prompt names, 3.22.
Variant Variant::Mcu9() {
  return {false, "Quit_Add", stop::Quit, 790, "3.22", 10000};
}

Link::Link(Host& host, Controls& controls, Device_Setup& device, Variant variant)
    : host_(host),
      controls_(controls),
      dev_(device),
      variant_(variant),
      memo1_("Memo1", host),
      memo2_("Memo2", host),
      timer_interval_(variant.timer_design_interval) {
  host_.Timer_Event = [this] { Timer1Timer(); };
}

uint8_t Link::Checksum(const uint8_t* p) {
  unsigned sum = 0;
  for (int i = 0; i < 7; ++i) sum += p[i];
  return static_cast<uint8_t>(sum);
}

void Link::Show_Quit_Address(int32_t address) {
  auto a = static_cast<uint32_t>(address);
  controls_.Caption(variant_.quit_control,
                    variant_.kv9 ? "&Quit = " + common::Hex(a, 5) : common::Hex(a & 0xFFFF, 4));
}

void Link::Log_In_Memo1(std::string line) {
  if (&Log() == &memo1_)
    memo1_.Insert_Log(std::move(line));
  else
    memo1_.Insert(std::move(line));
}

void Link::Lost_On_Write() {
  if (!variant_.kv9) memo1_.Show(true);
  Log_In_Memo1(kWriteTimeout);
  Status_Tag = status_tag::Failed;
  // Lost before the controls come back, so that the device buttons stay disabled until the
  // programmer is found again.
  Connection = connection::None;
  Stop_Code = stop::Lost;
  if (Enable_Controls) Enable_Controls();
}

void Link::Send_Packet() {
  if (Connection == connection::None) return;
  USB_Tx_Buf[7] = Checksum(USB_Tx_Buf);
  std::memset(USB_Rx_Buf, 0x37, 18);  // a reply that never comes cannot pass for a fresh one
  USB_Purge_Rx();
  if (USB_Write(Write_Len) == Write_Len) {
    Wait_Reply();
    return;
  }
  Lost_On_Write();
}

void Link::Send_Data_Block() {
  USB_Tx_Buf[7] = Checksum(USB_Tx_Buf);
  uint32_t n = Write_Len + 8;
  if (USB_Write(n) < n) Log_In_Memo1(kWriteTimeout);
  Reply_Size = 0;
  Wait_Reply();
}

void Link::Wait_Reply() {
  host_.Set_Timer(true, timer_interval_);
  FT_STATUS status = FT_OK;
  for (;;) {
    host_.Pump_Messages();
    status = USB_Queue_Status();
    if (status != FT_OK || Stop_Code > stop::Go_On) break;
    if (USB_Rx_Count > 0) {
      host_.Set_Timer(false, timer_interval_);
      USB_Read(Reply_Size + 8);
      return;
    }
  }
  // Give up.
  USB_Rx_Buf[6] = 0x55;
  host_.Set_Timer(false, timer_interval_);
  if (!variant_.kv9) memo1_.Show(true);
  Log().Insert_Log(std::string(kLostLine) + std::to_string(status) + " USB-" +
                   std::to_string(Stop_Code));
  Status_Tag = status_tag::Lost;
  Wait_Gave_Up = true;
  Reply_Size = 0;
  Id_Code = 0;
  if (status != FT_OK) {
    Connection = connection::None;
    Stop_Code = stop::Lost;
  }
  if (Enable_Controls) Enable_Controls();
}

void Link::Timer1Timer() {
  Stop_Code = variant_.timer_stop_code;
}

void Link::Quit() {
  Stop_Code = stop::Quit;
  Quit_Clicked = true;
}

void Link::Clear_Status() {
  Status_Tag = status_tag::Good;
  Quit_Clicked = false;
  Wait_Gave_Up = false;
}

Verdict Link::Run_Verdict(Verdict judged) const {
  if (Connection != connection::Ready) return Verdict::Lost;
  if (Wait_Gave_Up) return Quit_Clicked ? Verdict::Stopped : Verdict::Time_Out;
  return judged;
}

void Link::Reset_Programmer() {
  Stop_Code = stop::Go_On;
  Reply_Size = 0;
  Cur_Add = dev_.Dev_Start_Add;
  Buf_Index = dev_.Buf_Start_Add;
  if (Connection != connection::Ready) return;
  USB_Tx_Buf[0] = cmd::End_Operation;
  Send_Packet();
  USB_Tx_Buf[0] = cmd::Reset;
  Send_Packet();
  USB_Reset();
  if (dev_.Prom_Adapter) {
    USB_Tx_Buf[0] = cmd::Set_Voltages;
    USB_Tx_Buf[1] = 0x42;
    USB_Tx_Buf[2] = 4;
    USB_Tx_Buf[3] = static_cast<uint8_t>(dev_.Family);
    Send_Packet();
    USB_Tx_Buf[0] = cmd::Begin_Operation;
    USB_Tx_Buf[1] = USB_Tx_Buf[2] = USB_Tx_Buf[3] = USB_Tx_Buf[4] = 1;
    Send_Packet();
  }
}

void Link::Read_Block() {
  Show_Quit_Address(Cur_Add);
  Reply_Size = dev_.Dev_End_Add >= 2047 ? 2048 : static_cast<uint32_t>(dev_.Dev_End_Add + 1);
  auto a = static_cast<uint32_t>(Cur_Add);
  USB_Tx_Buf[0] = cmd::Read_Block;
  USB_Tx_Buf[1] = static_cast<uint8_t>(a >> 24);
  Put_Block_Address(a);
  Put_Count(USB_Tx_Buf, Reply_Size);
  Send_Packet();
  Blk_Pos = 0;
}

void Link::Begin_Operation() {
  Set_Vpp();
  USB_Tx_Buf[0] = cmd::Begin_Operation;
  USB_Tx_Buf[1] = static_cast<uint8_t>(Op_Kind);
  USB_Tx_Buf[2] = static_cast<uint8_t>(dev_.Prog_Pass);
  USB_Tx_Buf[3] = static_cast<uint8_t>(dev_.Prog_Pulse);
  USB_Tx_Buf[4] = static_cast<uint8_t>(dev_.Page_Size);  // 256 goes out as 0
  Send_Packet();
}

void Link::Put_Block_Address(uint32_t address) {
  Put_Address(USB_Tx_Buf, address);
  USB_Tx_Buf[3] |= dev_.High_Address_Bits;
}

void Link::Next_Address() {
  if (Cur_Add >= dev_.Dev_End_Add) ++Stop_Code;
  ++Cur_Add;
  ++Buf_Index;
}

}  // namespace proglink
