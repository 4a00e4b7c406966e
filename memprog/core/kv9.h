// Win_KV9's state: everything its routines work on, for the whole run. The window shows it;
// the routines of each part (free functions taking a Kv9&) change it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "common/app_folders.h"
#include "memprog/catalogue/catalogue.h"
#include "memprog/core/image_memory.h"
#include "memprog/editor/buffer_editor.h"
#include "memprog/image_size.h"
#include "proglink/controls.h"
#include "proglink/host.h"
#include "proglink/link.h"

namespace memprog {

// Tag of Prg_Type_But: where device bytes go in the buffer. The settings file may hold another
// number, which counts as Byte.
enum class Program_Type : int32_t { Byte = 0, Word_Even_High = 1, Word_Odd_Low = 2 };

struct Kv9 : proglink::Device_Setup {
  explicit Kv9(proglink::Host& host);

  proglink::Host& host;
  proglink::Controls ui;
  proglink::Link link;

  // The image buffer: allocated once, all zero at start, never resized.
  Image_Memory Image_Buffer;

  // ---- the selected device (Device_Setup holds the family, Vpp selection, device code, pass,
  // pulse, page size, the device range and what the link needs of the catalogue's kinds)
  int32_t Dev_Last_Add = 0;
  int Blank_Value = 255;
  int Id_Last = 0;
  memprog::Erase_Type Erase_Type = memprog::Erase_Type::No_Erase;              // Erase_But's Tag
  memprog::Security_Type Security_Type = memprog::Security_Type::No_Security;  // Security's Tag
  memprog::Protect_Type Protect_Type = memprog::Protect_Type::No_Protect;      // Protect's Tag
  memprog::Clock_Type Clock_Type = memprog::Clock_Type::No_Clock;              // Prg_Time's Tag
  int Byte_Order = 0;   // Flash_x16's Tag: 0 "R/W as Lo/Hi", 1 "R/W as Hi/Lo"
  int List_Index = -1;  // Device_Box1's selected line

  // ---- buffer, ranges and files
  int32_t Hex_Start_Add = 0;
  int32_t Hex_End_Add = 0xFFFFFF;
  int32_t Hex_Offset = 0;
  Program_Type Prg_Type = Program_Type::Byte;
  int File_Type = 0;      // File_Type's Tag
  int Buffer_Loaded = 0;  // Load_But's Tag: 1 once a checksum has run
  uint16_t Chk_Sum = 0;
  int Edit_Field = 0;          // Edit_Add's Tag: which value the entry field edits
  std::string Open_File_Name;  // the open dialog's file name: the last file loaded
  Buffer_Editor Editor;        // the hex-and-character view of the buffer
  // The command lines refuse a file with data beyond the part, which the window wraps onto it;
  // Beyond_Part counts those bytes of the last file loaded.
  bool Refuse_Beyond_Part = false;
  uint64_t Beyond_Part = 0;

  // ---- electronic ID of the last identification (the link holds Id_Code)
  int Id_Mfg = 0;
  int Id_Dev = 0;
  std::string Id_Name;

  // ---- options
  int Auto_Verify = 1;  // Auto_Verify's Tag
  int Auto_ID = 1;      // Auto_ID's Tag

  // ---- Vpp calibration
  int Test_Step = 7;        // Vxx_Test's Tag
  uint8_t Cal_Value = 0;    // the trim value last reported or stepped
  bool Trim_Known = false;  // Cal_Value came from the programmer: Up and Down may store it

  // ---- program
  std::string Prog_Dir;  // the working directory at the first activation
  // Where the help text is found when Prog_Dir has none: the installed data folder.
  std::string Data_Dir = common::Data_Folder_For(common::Executable_Path());
  bool Activated = false;
};

}  // namespace memprog
