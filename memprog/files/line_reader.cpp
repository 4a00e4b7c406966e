#include "memprog/files/line_reader.h"

#include <cstring>

namespace memprog {

Line_Reader::Line_Reader(Byte_Source& source) : source_(source), buf_(new char[kBlock]) {}

size_t Line_Reader::Find_End() {
  const char* b = buf_.get();
  // The next LF is remembered, so that a file of CR line ends is not searched for LFs to the
  // end of the block for every line.
  if (next_lf_ < pos_ || next_lf_ == kUnknown) {
    const void* lf = std::memchr(b + pos_, '\n', end_ - pos_);
    next_lf_ = lf ? static_cast<size_t>(static_cast<const char*>(lf) - b) : end_;
  }
  const void* cr = std::memchr(b + pos_, '\r', next_lf_ - pos_);
  return cr ? static_cast<size_t>(static_cast<const char*>(cr) - b) : next_lf_;
}

bool Line_Reader::Fill() {
  next_lf_ = kUnknown;
  if (pos_ > 0) {
    std::memmove(buf_.get(), buf_.get() + pos_, end_ - pos_);
    end_ -= pos_;
    pos_ = 0;
  }
  while (!at_eof_ && end_ < kBlock) {
    ptrdiff_t n = source_.Read(reinterpret_cast<uint8_t*>(buf_.get()) + end_, kBlock - end_);
    if (n < 0) failed_ = true;
    if (n <= 0) {
      at_eof_ = true;
      break;
    }
    end_ += static_cast<size_t>(n);
    if (end_ - pos_ >= kBlock / 2) break;  // enough to go on with
  }
  return end_ > pos_;
}

bool Line_Reader::Next(std::string_view& line) {
  for (;;) {
    const char* b = buf_.get();
    size_t i = Find_End();
    if (i < end_) {
      size_t start = pos_;
      bool lf_of_crlf = b[i] == '\n' && after_cr_ && i == start;
      after_cr_ = b[i] == '\r';
      pos_ = i + 1;
      if (cut_tail_) {
        cut_tail_ = false;
        continue;
      }
      if (lf_of_crlf) continue;
      ++number_;
      line = std::string_view(b + start, i - start);
      return true;
    }
    // No line end in what is buffered.
    if (cut_tail_) {
      pos_ = end_;
      if (!Fill()) return false;
      continue;
    }
    if (at_eof_) {
      // After a read error the last line is cut where the error struck: not a line at all.
      if (pos_ == end_ || failed_) return false;
      ++number_;
      line = std::string_view(b + pos_, end_ - pos_);
      pos_ = end_;
      return true;
    }
    if (pos_ == 0 && end_ == kBlock) {
      ++number_;
      line = std::string_view(b, end_);
      pos_ = end_;
      cut_tail_ = true;
      return true;
    }
    Fill();
  }
}

}  // namespace memprog
