#include "picprog/files/hex_file.h"

#include <optional>

#include "common/atomic_file.h"
#include "common/hex.h"
#include "common/input_file.h"
#include "common/text_file.h"

namespace picprog {

namespace {

// Far more than any hex file of this buffer; a bigger file is not one.
constexpr size_t kMax_Hex_File = 16u << 20;

enum class Field_Error { None, Short, Not_Hex };

// The fixed-width hex fields of one record line.
class Record {
 public:
  explicit Record(std::string_view line) : line_(line) {}

  // The n digits at pos as a number; on failure records why and returns 0.
  uint32_t Field(size_t pos, size_t n) {
    if (line_.size() < pos + n) {
      if (error_ == Field_Error::None) error_ = Field_Error::Short;
      return 0;
    }
    auto v = common::Parse_Hex(line_.substr(pos, n));
    if (!v) {
      if (error_ == Field_Error::None) error_ = Field_Error::Not_Hex;
      return 0;
    }
    return static_cast<uint32_t>(*v);
  }
  Field_Error Error() const { return error_; }

 private:
  std::string_view line_;
  Field_Error error_ = Field_Error::None;
};

std::string Line_Error(size_t line_no, Field_Error e) {
  return "Hex File Error in Line " + std::to_string(line_no) +
         (e == Field_Error::Short ? ": the record is shorter than its byte count says."
                                  : ": it holds a character that is not a hex digit.") +
         " The lines before it were loaded.";
}

void Append_Record(std::string& out, uint32_t byte_address, const uint16_t* words) {
  out += ":10";
  common::Append_Hex(out, byte_address, 4);
  out += "00";
  unsigned sum = 0x10 + (byte_address >> 8) + (byte_address & 0xFF);
  for (int i = 0; i < 8; ++i) {
    uint8_t lo = words[i] & 0xFF, hi = words[i] >> 8;
    common::Append_Hex(out, lo, 2);
    common::Append_Hex(out, hi, 2);
    sum += lo + hi;
  }
  common::Append_Hex(out, (0x100 - (sum & 0xFF)) & 0xFF, 2);
  out += "\r\n";
}

}  // namespace

std::string Hex_Load::Message() const {
  std::string text = error;
  if (words_outside > 0 && !refused_beyond) {
    if (!text.empty()) text += "\n";
    text += std::to_string(words_outside) +
            " words of the file lie beyond the buffer (above word 2FFF) and were not loaded.";
  }
  return text;
}

Hex_Load Read_Hex(std::string_view text, Pic_Buf& buf, uint16_t fuse_blank, bool refuse_beyond) {
  Hex_Load result;
  uint32_t extended = 0;  // byte address the extended address records add
  size_t line_no = 0;
  for (const std::string& line : common::Split_Lines(text)) {
    ++line_no;
    if (line.empty() || line[0] != ':') continue;
    Record rec(line);
    uint32_t count = rec.Field(1, 2), address = rec.Field(3, 4), type = rec.Field(7, 2);
    bool extension = type == 2 || type == 4;
    // Every digit the record is read for is checked before any of its words is stored.
    size_t words = type == 0 ? count / 2 : 0;
    for (size_t i = 0; i < words; ++i) rec.Field(9 + 4 * i, 4);
    uint32_t value = extension ? rec.Field(9, 4) : 0;
    if (rec.Error() != Field_Error::None) {
      result.error = Line_Error(line_no, rec.Error());
      return result;
    }
    if (type == 1) break;
    if (extension) extended = type == 2 ? value << 4 : value << 16;
    uint32_t first = extended == 0 ? (address & 0x7FFF) / 2 : (extended + address) / 2;
    if (extended == 0 && address > 0x7FFF) {
      result.words_wrapped += words;
      if (refuse_beyond) continue;
    }
    for (size_t i = 0; i < words; ++i) {
      size_t index = first + i;
      if (index >= buf.size()) {
        ++result.words_outside;
        continue;
      }
      uint32_t lo = rec.Field(9 + 4 * i, 2), hi = rec.Field(11 + 4 * i, 2);
      buf[index] = static_cast<uint16_t>((hi << 8 | lo) & fuse_blank);
      ++result.words_stored;
    }
  }
  return result;
}

Hex_Load Load_Hex(const std::string& path, Pic_Buf& buf, uint16_t fuse_blank, bool refuse_beyond) {
  common::File_Data file = common::Read_File(path, kMax_Hex_File);
  if (!file.Ok()) return {.error = file.error};
  Hex_Load load = Read_Hex(file.bytes, buf, fuse_blank, refuse_beyond);
  if (refuse_beyond && load.Ok() && load.Bytes_Beyond() > 0) {
    load.error = std::to_string(load.Bytes_Beyond()) + " bytes of " +
                 (common::Is_Standard_Stream(path) ? "standard input" : path) +
                 " lie beyond the buffer's byte addresses 0000-5FFF, nothing was loaded.";
    load.refused_beyond = true;
    return load;
  }
  // A file with no word for the buffer is not loaded: the window would name it as the buffer's.
  if (load.Ok() && load.words_stored == 0)
    return {.error = load.words_outside > 0
                         ? "Every data record of " + path +
                               " lies beyond the buffer (above word 2FFF), nothing was loaded."
                         : "No Intel Hex data found in " + path + ", nothing was loaded."};
  return load;
}

std::string Hex_Text(const Pic_Buf& buf) {
  std::string out;
  out.reserve(kFile_Words / 8 * 45 + 13);
  for (size_t word = 0; word < kFile_Words; word += 8)
    Append_Record(out, static_cast<uint32_t>(word * 2), &buf[word]);
  out += ":00000001FF\r\n";
  return out;
}

std::string Save_Hex(const std::string& path, const Pic_Buf& buf) {
  std::string error = common::Write_Whole_File(path, Hex_Text(buf));
  return error.empty() ? "" : "Buffer Not Saved: " + error;
}

}  // namespace picprog
