#include "progsim/pic_chip_file.h"

#include <cstring>

#include "common/atomic_file.h"
#include "common/input_file.h"

namespace progsim {

namespace {

constexpr size_t kCaption_Bytes = 32;
constexpr size_t kHeader_Bytes = kPic_File_Signature.size() + kCaption_Bytes + 4;
// The largest file: 8 K program words, ID and configuration words, 256 data bytes.
constexpr uint64_t kMax_File = kHeader_Bytes + 2 * (0x2000 + 5) + 256;

void Put_Word(std::string& out, uint16_t w) {
  out.push_back(static_cast<char>(w & 0xFF));
  out.push_back(static_cast<char>(w >> 8));
}

// The words and bytes of the file after its header, read in order.
class Fields {
 public:
  explicit Fields(std::string_view bytes) : bytes_(bytes) {}
  uint16_t Word() {
    uint16_t w = static_cast<uint16_t>(static_cast<uint8_t>(bytes_[at_]) |
                                       static_cast<uint8_t>(bytes_[at_ + 1]) << 8);
    at_ += 2;
    return w;
  }
  uint8_t Byte() { return static_cast<uint8_t>(bytes_[at_++]); }
  void Skip(size_t n) { at_ += n; }

 private:
  std::string_view bytes_;
  size_t at_ = 0;
};

}  // namespace

bool Starts_As_Pic_File(std::string_view bytes) {
  return bytes.substr(0, kPic_File_Signature.size()) == kPic_File_Signature;
}

std::string Read_Pic_File(const std::string& path, Pic_File& file) {
  common::File_Data data = common::Read_File(path, kMax_File, common::Over_Limit::Cut);
  if (!data.Ok() && !data.missing) return data.error;
  file = {};
  if (data.bytes.empty()) return "";
  const std::string no_pic = "the chip file " + path + " holds no simulated PIC";
  if (!Starts_As_Pic_File(data.bytes)) return no_pic + " (a memory chip's image, by its look)";
  if (data.bytes.size() < kHeader_Bytes) return no_pic + ": it ends inside its header";
  std::string caption = data.bytes.substr(kPic_File_Signature.size(), kCaption_Bytes);
  caption.resize(std::strlen(caption.c_str()));
  const Pic_Part* part = Find_Pic_Part(caption);
  if (part == nullptr) return no_pic + ": '" + caption + "' is not a PIC of the catalogue";
  Fields f(data.bytes);
  f.Skip(kPic_File_Signature.size() + kCaption_Bytes);
  const size_t words = f.Word(), ee_bytes = f.Word();
  if (words != part->prog_end + 1u || ee_bytes != part->ee_bytes ||
      data.bytes.size() != kHeader_Bytes + 2 * (words + 5) + ee_bytes)
    return no_pic + ": its sizes are not those of a " + caption;
  file.part = part;
  file.contents.program.resize(words);
  for (uint16_t& w : file.contents.program) w = f.Word();
  for (uint16_t& w : file.contents.ids) w = f.Word();
  file.contents.config = f.Word();
  file.contents.ee.resize(ee_bytes);
  for (uint8_t& b : file.contents.ee) b = f.Byte();
  return "";
}

std::string Write_Pic_File(const std::string& path, const Pic_Chip& chip) {
  const Pic_Contents c = chip.Contents();
  std::string out(kPic_File_Signature);
  std::string caption = chip.Part().caption;
  caption.resize(kCaption_Bytes, '\0');
  out += caption;
  Put_Word(out, static_cast<uint16_t>(c.program.size()));
  Put_Word(out, static_cast<uint16_t>(c.ee.size()));
  for (uint16_t w : c.program) Put_Word(out, w);
  for (uint16_t w : c.ids) Put_Word(out, w);
  Put_Word(out, c.config);
  out.append(c.ee.begin(), c.ee.end());
  return common::Write_Whole_File(path, out);
}

}  // namespace progsim
