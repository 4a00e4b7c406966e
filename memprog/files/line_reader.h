// The lines of a record file, read in large blocks. A line ends at CR or LF; the LF of a CR LF
// pair ends no further line (the line it would end holds nothing a record format takes), so
// line numbers are those an editor shows.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "memprog/files/byte_source.h"

namespace memprog {

class Line_Reader {
 public:
  // No record is longer than a few hundred characters; a longer line is cut to this length.
  static constexpr size_t kBlock = 1 << 20;

  explicit Line_Reader(Byte_Source& source);

  // The next line without its end; false at the end of the file or when reading failed. The
  // view holds until the next call.
  bool Next(std::string_view& line);
  size_t Number() const { return number_; }  // of the line last returned
  bool Failed() const { return failed_; }

 private:
  bool Fill();
  size_t Find_End();  // of the line at pos_: its CR or LF, or end_

  Byte_Source& source_;
  std::unique_ptr<char[]> buf_;
  static constexpr size_t kUnknown = static_cast<size_t>(-1);
  size_t pos_ = 0, end_ = 0;
  size_t next_lf_ = kUnknown;  // the first LF at or after pos_, or end_ when there is none
  size_t number_ = 0;
  bool at_eof_ = false, failed_ = false;
  bool after_cr_ = false;  // the last character passed was a CR
  bool cut_tail_ = false;  // passing over the rest of a line longer than kBlock
};

}  // namespace memprog
