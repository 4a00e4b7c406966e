// Intel hex: ":" count(2) address(4) type(2) data(2 x count) checksum(2, not checked).
// Type 00 data, 01 end, 02 segment base, 04 linear base; other types carry nothing for us.
// Both bases are added, so a file that sets one after the other must clear the first.
#include "memprog/files/field_reader.h"
#include "memprog/files/record_format.h"

namespace memprog {

namespace {

class Intel final : public Record_Format {
 public:
  Line_Verdict Line(std::string_view line, Placer& placer) override {
    if (line.empty() || line[0] != ':') return Line_Verdict::Go_On;
    Field_Reader f(line, 1);
    uint32_t count, address, type, base;
    if (!f.Number(2, count) || !f.Number(4, address) || !f.Number(2, type))
      return Line_Verdict::Bad;
    switch (type) {
      case 0x00: {
        uint8_t data[255];
        if (!f.Bytes(count, data)) return Line_Verdict::Bad;
        placer.Place_Record(address + segment_ + linear_, data, count);
        return Line_Verdict::Go_On;
      }
      case 0x01:
        return Line_Verdict::End;
      case 0x02:
        if (!f.Number(4, base)) return Line_Verdict::Bad;
        segment_ = base * 16;
        return Line_Verdict::Go_On;
      case 0x04:
        if (!f.Number(4, base)) return Line_Verdict::Bad;
        linear_ = base << 16;
        return Line_Verdict::Go_On;
      default:
        return Line_Verdict::Go_On;
    }
  }

 private:
  uint32_t segment_ = 0, linear_ = 0;
};

}  // namespace

std::unique_ptr<Record_Format> Intel_Records() {
  return std::make_unique<Intel>();
}

}  // namespace memprog
