// Win_Mcu9's state: everything its routines work on, for the whole run. The window shows it; the
// routines of each part (free functions taking an Mcu9&) change it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "picprog/editor/word_editor.h"
#include "picprog/files/pic_buf.h"
#include "picprog/fuse/fuse_editor.h"
#include "proglink/controls.h"
#include "proglink/host.h"
#include "proglink/link.h"

namespace picprog {

// The operation controls that need a programmer, and the rest of the busy set.
extern const char* const kMcu9_Operation_Buttons[5];
extern const char* const kMcu9_Busy_Controls[16];

struct Mcu9 : proglink::Device_Setup {
  explicit Mcu9(proglink::Host& host);

  proglink::Host& host;
  proglink::Controls ui;
  proglink::Link link;

  // The word buffer: program memory, data EEPROM, ID words and the configuration word.
  std::unique_ptr<Pic_Buf> Buffer;
  Pic_Buf& Buf() { return *Buffer; }

  // ---- the selected device (Device_Setup holds the family, the device code and, in
  // Dev_Start_Add, the start address)
  uint16_t Prog_End = 0;
  int Pin_Code = 0;  // Program_Eprom's Tag
  int EE_Size = 0;   // Prg_EE's Tag
  uint16_t EE_End = 0;
  int Erase_Flag = 0;  // Erase_But's Tag
  uint16_t Fuse_Blank = 0x3FFF;
  uint16_t Fuse_Word = 0x3FFF;
  Fuse_Editor Fuse;  // writes Fuse_Word and buffer word 0x2107

  // ---- buffer and files
  int File_Type = 0;  // File_Type's Tag: 0 binary, 1 Intel hex
  uint16_t Chk_Sum = 0;
  Word_Editor Editor;
  std::string Open_File_Name;      // the open dialog's file name: the last buffer file chosen
  bool Fill_Entry_Spoilt = false;  // FillEdit's Tag: a key that is not hex was typed
  // The command lines refuse a file with data beyond the buffer file's part of the buffer, which
  // the window folds onto it (hex addresses from 8000) or leaves out; Beyond_Part counts those
  // bytes of the last file loaded.
  bool Refuse_Beyond_Part = false;
  uint64_t Beyond_Part = 0;

  // ---- operations
  int Failure = 0;          // StaticText2's Tag: 1 once a mismatch is listed
  uint64_t Mismatches = 0;  // listed by the running operation
  uint16_t First_Mismatch = 0;
  int Verify_Volts = 1;  // V_Verify's item: 0 "3 Volts", 1 "5 Volts", 2 "6 Volts"

  // ---- window
  bool Busy = false;  // between the busy state and the enable step
  bool Activated = false;
};

// The busy state every handler that starts work enters, and the enable step that ends it.
void Busy_State(Mcu9& m);
void Enable_Step(Mcu9& m);

}  // namespace picprog
