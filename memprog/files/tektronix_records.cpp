// Tektronix hex. Standard: "/" address(4) count(2) header checksum(2) data data checksum(2);
// it has no end record, the file is read to its end. Extended: "%" length(2: characters after
// the mark) type(1) checksum(2) address length(1) address data; only type 6 carries data (3 is
// a symbol record, 8 the termination record).
#include "memprog/files/field_reader.h"
#include "memprog/files/record_format.h"

namespace memprog {

namespace {

Line_Verdict Standard(std::string_view line, Placer& placer) {
  Field_Reader f(line, 1);
  uint32_t address, count;
  if (!f.Number(4, address) || !f.Number(2, count)) return Line_Verdict::Bad;
  f.Skip(2);
  uint8_t data[255];
  if (!f.Bytes(count, data)) return Line_Verdict::Bad;
  placer.Place_Record(address, data, count);
  return Line_Verdict::Go_On;
}

Line_Verdict Extended(std::string_view line, Placer& placer) {
  Field_Reader f(line, 1);
  uint32_t length;
  if (!f.Number(2, length)) return Line_Verdict::Bad;
  if (line.size() < 4 || line[3] != '6') return Line_Verdict::Go_On;
  f.Skip(3);  // the type and the checksum
  uint32_t address_digits, address;
  if (!f.Number(1, address_digits)) return Line_Verdict::Bad;
  if (address_digits == 0) address_digits = 16;
  if (!f.Number(address_digits, address)) return Line_Verdict::Bad;
  uint32_t header = 6 + address_digits;  // length, type, checksum, address length, address
  size_t data_count = length > header ? (length - header) / 2 : 0;
  uint8_t data[128];
  if (!f.Bytes(data_count, data)) return Line_Verdict::Bad;
  placer.Place_Record(address, data, data_count);
  return Line_Verdict::Go_On;
}

class Tektronix final : public Record_Format {
 public:
  Line_Verdict Line(std::string_view line, Placer& placer) override {
    if (line.empty()) return Line_Verdict::Go_On;
    if (line[0] == '/') return Standard(line, placer);
    if (line[0] == '%') return Extended(line, placer);
    return Line_Verdict::Go_On;
  }
};

}  // namespace

std::unique_ptr<Record_Format> Tektronix_Records() {
  return std::make_unique<Tektronix>();
}

}  // namespace memprog
