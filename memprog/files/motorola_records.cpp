// Motorola S-records: "S" type(1) count(2) address(4, 6 or 8) data checksum(2, not checked).
// S1/S2/S3 carry data, S7/S8/S9 end the file, S0, S5 and the rest carry nothing for us.
#include "memprog/files/field_reader.h"
#include "memprog/files/record_format.h"

namespace memprog {

namespace {

// Record addresses are cut to 20 bits, which lets files linked for a high address (a ROM at
// 0xFC0000, flash at 0x08000000) load at the device's start. Devices larger than 1 MiB keep
// the address bits they need, or their upper part would land on their first MiB.
constexpr uint32_t kAddress_Cut = 0xFFFFF;

class Motorola final : public Record_Format {
 public:
  Line_Verdict Line(std::string_view line, Placer& placer) override {
    if (line.size() < 2 || line[0] != 'S') return Line_Verdict::Go_On;
    size_t address_digits;
    switch (line[1]) {
      case '1':
        address_digits = 4;
        break;
      case '2':
        address_digits = 6;
        break;
      case '3':
        address_digits = 8;
        break;
      case '7':
      case '8':
      case '9':
        return Line_Verdict::End;
      default:
        return Line_Verdict::Go_On;
    }
    Field_Reader f(line, 2);
    uint32_t count, address;
    if (!f.Number(2, count) || !f.Number(address_digits, address)) return Line_Verdict::Bad;
    size_t overhead = address_digits / 2 + 1;  // the address and the checksum
    size_t data_count = count > overhead ? count - overhead : 0;
    uint8_t data[255];
    if (!f.Bytes(data_count, data)) return Line_Verdict::Bad;
    placer.Place_Record(address & (kAddress_Cut | placer.Mask()), data, data_count);
    return Line_Verdict::Go_On;
  }
};

}  // namespace

std::unique_ptr<Record_Format> Motorola_Records() {
  return std::make_unique<Motorola>();
}

}  // namespace memprog
