// The programmer link: the command packet built in place in the transmit buffer, its checksum,
// the sender and the reply wait with time-out and loss detection, the end-of-operation reset,
// the programmer search and the firmware update. Both programs use it; Win_Mcu9's differences
// are the Variant, not a copy.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "proglink/controls.h"
#include "proglink/host.h"
#include "proglink/message_area.h"
#include "proglink/outcome.h"
#include "proglink/states.h"
#include "usblink/d2xx_unit.h"

namespace proglink {

// What differs between the two programs.
struct Variant {
  bool kv9;                   // Win_KV9; else Win_Mcu9
  const char* quit_control;   // the button that shows the address and stops a run
  int timer_stop_code;        // what the reply timer sets Stop_Code to
  int required_version;       // major * 256 + minor
  const char* required_text;  // the same version as the prompt names it
  int timer_design_interval;  // the reply timer's interval before the first search

  static Variant Kv9();
  static Variant Mcu9();
};

// The selected device and address ranges, as far as the link uses them (Win_KV9's block
// requests, voltages and operation start; the start address of both programs).
struct Device_Setup {
  int32_t Dev_Start_Add = 0;
  int32_t Dev_End_Add = 0;
  int32_t Buf_Start_Add = 0;
  int Family = 0;       // algorithm family, the Device button's Tag
  int Vpp_Select = 1;   // Vpp_But's Tag
  int Device_Code = 0;  // Device_Box1's Tag
  // Bits held high in bits 8..15 of every block address (address lines A13, A14).
  uint8_t High_Address_Bits = 0;
  // The part sits in the PROM adapter, which needs its supply and set-up after every reset.
  bool Prom_Adapter = false;
  int32_t Prog_Pass = 1;
  int32_t Prog_Pulse = 1;
  int32_t Page_Size = 0;
};

class Link {
 public:
  static constexpr const char* kSerial = "FTKV9USB";
  static constexpr const char* kStatus = "StaticText3";
  static constexpr const char* kLostLine = "Programmer no longer present... PortStatus-";
  static constexpr const char* kWriteTimeout = "USB Device Write TimeOut ...";
  static constexpr const char* kLostStatus =
      "Programmer no longer present, Click Here to Find Programmer....";

  Link(Host& host, Controls& controls, Device_Setup& device, Variant variant);

  // ---- protocol globals
  uint32_t Write_Len = 8;
  uint32_t Reply_Size = 0;
  int32_t Stop_Code = stop::Go_On;
  int32_t Cur_Add = 0;
  int32_t Buf_Index = 0;
  int32_t Blk_Pos = 0;
  int32_t Op_Kind = op_kind::None;
  int Connection = connection::None;  // MainForm.Tag
  int Status_Tag = status_tag::Good;  // StaticText3.Tag
  bool Quit_Clicked = false;          // since the status tag was last cleared
  // A reply wait gave up since then. The status tag says so too, until an operation writes
  // its own failure over it.
  bool Wait_Gave_Up = false;
  int Fw_Version = 0;
  int Id_Code = 0;  // device code of the last recognised electronic ID
  uint8_t Vcc_Code = 2;
  uint8_t Vpp_Code = 1;

  // The packet is built in place in the transmit buffer; the reply lands in the receive buffer.
  static uint8_t* Packet() { return D2XXUnit::USB_Tx_Buf; }
  static const uint8_t* Reply() { return D2XXUnit::USB_Rx_Buf; }
  static uint8_t Checksum(const uint8_t* packet);

  // Message area and log area.
  Message_Area& Memo1() { return memo1_; }
  Message_Area& Memo2() { return memo2_; }
  Message_Area& Log() { return variant_.kv9 ? memo2_ : memo1_; }

  // ---- transfers
  void Send_Packet();
  void Send_Data_Block();
  void Wait_Reply();
  void Timer1Timer();
  // The Quit button: the running operation stops at its next block or reply wait.
  void Quit();
  // A run starts with a good status tag and no Quit.
  void Clear_Status();
  // The verdict of a run, from what the operation judged and the link's state after it: Lost
  // when the programmer has gone; when a reply wait gave up, at any moment of the run, Stopped if
  // the Quit button ended it, else Time_Out.
  Verdict Run_Verdict(Verdict judged) const;
  void Set_Timer_Interval(int ms) { timer_interval_ = ms; }
  int Timer_Interval() const { return timer_interval_; }
  void Reset_Programmer();

  // ---- Win_KV9's device requests
  void Read_Block();
  void Set_Vpp();
  void Begin_Operation();
  void Next_Address();
  // A block request's address, bytes 2..4, with the device's high address bits.
  void Put_Block_Address(uint32_t address);

  // ---- search and firmware
  // Good when the programmer was found and identified, else Lost.
  Outcome Find_Programmer();
  // A search again from the status text (or the Vcc test): the device is closed first when it is
  // the only one attached.
  Outcome Search_Again();
  // The window closes: the programmer is let go.
  void Close_Programmer() { D2XXUnit::USB_Close(); }
  // Refused when no update file was chosen or it is not one; else Good or Device_Failed by the
  // programmer's check value (in `checksum`), or Lost.
  Outcome Flash_Update();

  // The status text StaticText3.
  void Status(const std::string& caption) { controls_.Caption(kStatus, caption); }
  // "&Quit = " and the address (Win_KV9); the four-digit address (Win_Mcu9).
  void Show_Quit_Address(int32_t address);

  const Variant& variant() const { return variant_; }

  // Win_KV9 enables its controls again when a transfer fails, and brackets the firmware update
  // with its busy and idle sets.
  std::function<void()> Enable_Controls;
  std::function<void()> Disable_Controls;
  // The open dialog's file name, which the firmware update's dialog shares (Win_KV9 restores it).
  std::string* Open_Dialog_Name = nullptr;

 private:
  void Lost_On_Write();
  // A line about the link in Memo1, which is Win_Mcu9's log.
  void Log_In_Memo1(std::string line);

  Host& host_;
  Controls& controls_;
  Device_Setup& dev_;
  Variant variant_;
  Message_Area memo1_;
  Message_Area memo2_;
  int timer_interval_;
};

}  // namespace proglink
