// Intel hex files in the PIC word layout: each word as its low byte then its high byte at byte
// address word × 2, so the EE area starts at 0x4000 and the configuration word sits at 0x420E.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "picprog/files/pic_buf.h"

namespace picprog {

struct Hex_Load {
  // Why the load stopped before the end of the file ("" when it did not): the file could not be
  // read, or a record is malformed (its line is named; the records before it are loaded).
  std::string error;
  // Words of data records that lie beyond the buffer (above word 0x2FFF); they are skipped.
  size_t words_outside = 0;
  size_t words_stored = 0;
  // Words of records from byte address 0x8000 on, which the address mask folds onto the words
  // from 0 (without an extended address record to place them).
  size_t words_wrapped = 0;
  bool refused_beyond = false;  // the error is the refusal of the words wrapped or outside

  // The bytes of the words beyond the buffer, or folded onto it.
  uint64_t Bytes_Beyond() const { return 2 * uint64_t{words_wrapped + words_outside}; }

  bool Ok() const { return error.empty(); }
  // What to tell the user, or "" when all went well.
  std::string Message() const;
};

// Loads hex text into the buffer: lines not starting with ":" are skipped; data records (type 0)
// store count / 2 words at word (address AND 0x7FFF) / 2 onward, each ANDed with `fuse_blank`; an
// end record (type 1) ends the load; extended address records (types 2 and 4) move the records
// after them; other types are ignored. Record checksums are not checked. `refuse_beyond`: the
// command lines' rule, under which words the mask would fold are not stored.
Hex_Load Read_Hex(std::string_view text, Pic_Buf& buf, uint16_t fuse_blank,
                  bool refuse_beyond = false);
// The same from a file; a file that stores no word in the buffer is refused, and with
// `refuse_beyond` so is one with words folded or beyond the buffer.
Hex_Load Load_Hex(const std::string& path, Pic_Buf& buf, uint16_t fuse_blank,
                  bool refuse_beyond = false);

// Words 0x0000..0x210F as 1,058 records of 8 words and the end record, CR LF line ends.
std::string Hex_Text(const Pic_Buf& buf);
// Writes Hex_Text safely: "" when saved; else a message, and the old file stays as it was.
std::string Save_Hex(const std::string& path, const Pic_Buf& buf);

}  // namespace picprog
