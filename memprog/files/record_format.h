// The record files (Intel, Motorola, Tektronix): each line is handed to the format's parser,
// which passes the data of its records to the placer.
#pragma once

#include <memory>
#include <string_view>

#include "memprog/files/placer.h"

namespace memprog {

enum class Line_Verdict {
  Go_On,
  End,  // an end record: the load is complete
  Bad,  // a field is missing or not hex
};

class Record_Format {
 public:
  virtual ~Record_Format() = default;
  virtual Line_Verdict Line(std::string_view line, Placer& placer) = 0;
};

std::unique_ptr<Record_Format> Intel_Records();
std::unique_ptr<Record_Format> Motorola_Records();
std::unique_ptr<Record_Format> Tektronix_Records();

}  // namespace memprog
