#include "memprog/core/main_form.h"

#include <filesystem>

#include "memprog/core/form.h"
#include "memprog/core/settings.h"
#include "memprog/diagrams/diagrams.h"

namespace memprog {

using proglink::Colour;
namespace connection = proglink::connection;
namespace stop = proglink::stop;

namespace {

// Buttons that need a programmer: enabled only while it is connected.
const char* const kDevice_Buttons[] = {"Quit_Func_But", "Read_Time", "Program_Eprom", "Prg_Time",
                                       "Verify_Eprom",  "Security",  "Auto_Verify",   "Protect",
                                       "Erase_But2",    "Prog_ID",   "Move_Eprom",    "Vpp_But",
                                       "Blank_Chk",     "Compare",   "Erase_But",     "Flash"};

const char* const kHex_Buttons[] = {"Start_Hex", "End_Hex", "Offset"};

const char* const kBuffer_Buttons[] = {"Start_Buf_Add", "File_But", "Prg_Type_But", "End_Add",
                                       "Chk_Sum_But",   "Device",   "Start_Add",    "Help",
                                       "Save_But",      "Edit",     "Load_But",     "Fill"};

const char* const kBusy_Disabled[] = {
    "Quit_Func_But", "Save_But", "Start_Buf_Add", "File_But", "Program_Eprom", "Security",
    "Prg_Type_But",  "Vpp_But",  "Verify_Eprom",  "End_Add",  "Auto_Verify",   "Protect",
    "Chk_Sum_But",   "Compare",  "Erase_But2",    "Prog_ID",  "Move_Eprom",    "End_Hex",
    "Start_Hex",     "Offset",   "Erase_But",     "Device",   "Start_Add",     "Blank_Chk",
    "Read_Time",     "Edit",     "Prg_Time",      "Help",     "Load_But",      "Fill"};

const char* const kPop_Ups[] = {"Fill_Edit", "Mfg", "File_Type", "Dev", "FillBox", "Help1"};

}  // namespace

void FormCreate(Kv9& k) {
  k.Prog_Pulse = 1;
  k.Prog_Pass = 1;
  k.link.Write_Len = 8;
  k.link.Reply_Size = 0;
  k.Prg_Type = Program_Type::Byte;
  k.ui.Caption("Device", "No Device");
  k.Vpp_Select = 1;
  k.Hex_Start_Add = 0;
  k.Hex_End_Add = 0xFFFFFF;
  k.Hex_Offset = 0;
  k.link.Memo1().Clear();
  k.host.Pump_Messages();
}

void FormActivate(Kv9& k) {
  // Later activations (after a message box closes, say) must not search again.
  if (k.Activated) return;
  k.Activated = true;
  k.host.Pump_Messages();
  k.ui.Height("Panel7", 28);
  k.link.Connection = connection::None;
  k.Buffer_Loaded = 0;
  k.Prog_Dir = std::filesystem::current_path().string();
  Read_Settings(k);
  k.link.Find_Programmer();
  End_Busy(k);
  if (k.ui["Device"].caption == "No Device") k.ui.Visible("Device_Box1", true);
}

void FormCloseQuery(Kv9& k) {
  k.link.Op_Kind = proglink::op_kind::None;
  // Decided before the reset below clears Stop_Code: after Reset Defaults, or when the window
  // closes while a run has timed out or lost the programmer, the file is not written.
  bool keep_settings = k.link.Stop_Code < stop::Time_Out;
  if (k.link.Connection == proglink::connection::Ready) {
    k.link.Reset_Programmer();
    k.link.Close_Programmer();
  }
  if (keep_settings) Write_Settings(k);
  k.host.Pump_Messages();
}

void FormClick(Kv9& k) {
  Hide_Sockets(k);
}

void Enable_All(Kv9& k) {
  // Without a programmer the device buttons go off, even those a run or its closing reset had
  // already enabled when the programmer was lost.
  for (const char* b : kDevice_Buttons) k.ui.Enabled(b, k.link.Connection == connection::Ready);
  if (k.File_Type == 1 || k.File_Type == 2)
    for (const char* b : kHex_Buttons) k.ui.Enabled(b, true);
  for (const char* b : kBuffer_Buttons) k.ui.Enabled(b, true);
  for (const char* p : kPop_Ups) k.ui.Visible(p, false);
  k.ui.Visible("Panel6", true);
  k.link.Show_Quit_Address(k.link.Cur_Add);
  k.ui.Colour("StaticText3",
              k.link.Status_Tag != proglink::status_tag::Good ? Colour::Red : Colour::Lime);
}

void Disable_All(Kv9& k) {
  for (const char* b : kBusy_Disabled) k.ui.Enabled(b, false);
  k.link.Memo1().Show(false);
  k.ui.Visible("Help1", false);
  k.ui.Colour("StaticText3", Colour::Yellow);
  k.link.Clear_Status();
  k.ui.Visible("Panel6", true);
  k.link.Show_Quit_Address(k.link.Cur_Add);
  Hide_Sockets(k);
  k.host.Pump_Messages();
}

void Begin_Busy(Kv9& k) {
  Disable_All(k);
  k.link.Reset_Programmer();
}

void End_Busy(Kv9& k) {
  Enable_All(k);
  k.link.Reset_Programmer();
  k.host.Pump_Messages();
}

proglink::Outcome End_Busy(Kv9& k, proglink::Outcome outcome) {
  End_Busy(k);
  outcome.verdict = k.link.Run_Verdict(outcome.verdict);
  return outcome;
}

void Hide_Sockets(Kv9& k) {
  for (std::string_view d : kDiagram_Names) k.ui.Visible(std::string(d), false);
}

void Hide_Zif_Sockets(Kv9& k) {
  for (const char* d : {"Pin_8", "Pin_24", "Pin_28", "Pin_32", "Pin_40", "Pin_40A"})
    k.ui.Visible(d, false);
}

void Quit_Func_ButClick(Kv9& k) {
  Hide_Zif_Sockets(k);
  k.link.Quit();
}

void StaticText3Click(Kv9& k) {
  k.link.Search_Again();
  Hide_Zif_Sockets(k);
  End_Busy(k);
}

}  // namespace memprog
