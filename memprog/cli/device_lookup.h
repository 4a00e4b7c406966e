// The device a command line names: by device code, or by caption in any case (failing that, by
// a part name as the device list writes it).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace memprog::cli {

struct Device_Match {
  int code = 0;                         // the device; 0 when the name gives none or several
  std::string problem;                  // why no device was chosen
  std::vector<std::string> candidates;  // device list lines of the devices it may mean
};

Device_Match Find_Device(std::string_view name);

// Whether `text` holds `part`, in any case.
bool Holds_Ignoring_Case(std::string_view text, std::string_view part);

}  // namespace memprog::cli
