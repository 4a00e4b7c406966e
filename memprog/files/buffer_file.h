// Loading the image buffer from a buffer file and saving it to one, in the five formats of the
// file-type list. The caller owns the 16 MiB buffer and the window; these routines report what
// the window shows through File_Progress and their outcome.
//
// Load: the hex types show "Loading Buffer from Hex File...." before the file is opened and
// "Hex File Loaded...." when it was read to its end (Loaded, Clipped). Then the caller runs the
// checksum and sets `StaticText4`; on Not_Opened and No_Data the buffer is unchanged; on Stopped
// the bytes stored before the bad line stay (`stored` says how many), so the caller recomputes
// the checksum when `stored` is not 0 but does not name the file as loaded; on Beyond_Part (the
// command lines' refusal) the file is not named as loaded either.
//
// The path "-" is standard input, read up to the limit of the format, and standard output.
//
// Save: the hex types show "Saving Buffer to Hex File...." and, once the file is complete on
// disk, "Hex File Saved....". A file is replaced only by a complete new one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "memprog/image_size.h"

namespace memprog {

// The Tag of the `File_Type` list.
enum class File_Type : int { Binary = 0, Intel = 1, Motorola = 2, Tektronix = 3, Ascii = 4 };

// The range values a load or save reads.
struct File_Ranges {
  int32_t Buf_Start_Add = 0;  // where binary and ASCII hex files start in the buffer
  int32_t Dev_End_Add = 0;    // saves cover the buffer from 0 to this device address
  int32_t Dev_Last_Add = 0;   // hex addresses wrap at the device size
  int32_t Hex_Start_Add = 0;  // hex records outside Hex_Start_Add..Hex_End_Add are skipped
  int32_t Hex_End_Add = 0xFFFFFF;
  int32_t Hex_Offset = 0;  // added to every hex record address
  int Prg_Type = 0;        // 0 byte, 1 word even/high, 2 word odd/low
  // The command lines' rule: data beyond the part (hex records past its last address, binary
  // and ASCII hex bytes past its size from Buf_Start_Add) are counted and refuse the load, where
  // the window wraps hex addresses at the device size and lays the rest out past the part.
  bool Refuse_Beyond_Part = false;
};

// What a load or save shows while it runs.
class File_Progress {
 public:
  virtual ~File_Progress() = default;
  virtual void Status(const std::string& text) = 0;  // the status text `StaticText3`
  // The buffer index reached, for the caption "&Quit = " + index (at least 5 hex digits);
  // called about every 64 KiB of data, each time followed by Pump.
  virtual void Quit_Address(uint32_t index) = 0;
  virtual void Pump() = 0;  // lets the window repaint and handle its events
};

struct Load_Outcome {
  enum Kind {
    Loaded,       // the whole file is in the buffer
    Clipped,      // read to its end, but `dropped` bytes fell outside the buffer
    Not_Opened,   // the file could not be opened; the buffer is unchanged
    No_Data,      // nothing of the chosen format in the file, or none of it inside the hex range
                  // and the buffer; the buffer is unchanged
    Stopped,      // a malformed line or a read error ended the load; earlier bytes stay
    Beyond_Part,  // read to its end with Refuse_Beyond_Part, but `beyond` bytes lie beyond the
                  // part: not loaded, though the bytes within it are in the buffer
  };
  Kind kind = Loaded;
  std::string message;  // the message box text; empty when Loaded
  std::string note;     // one line for the message area saying what happened where
  size_t line = 0;      // the malformed line (Stopped), counting CR LF as one line end
  uint64_t stored = 0;  // bytes written to the buffer
  uint64_t dropped = 0;
  uint64_t beyond = 0;  // bytes beyond the part (only counted with Refuse_Beyond_Part)
};

Load_Outcome Load_Buffer_File(const std::string& path, File_Type type, uint8_t* image,
                              const File_Ranges& ranges, File_Progress& progress);

struct Save_Outcome {
  bool ok = false;
  std::string message;  // why nothing was saved; empty when ok
};

// Writes buffer indices 0 to `Dev_End_Add` (byte mode) or 2 x `Dev_End_Add` + 1 (word modes).
Save_Outcome Save_Buffer_File(const std::string& path, File_Type type, const uint8_t* image,
                              const File_Ranges& ranges, File_Progress& progress);

}  // namespace memprog
