// The device a command line names, looked up in a program's catalogue and device list as people
// write part names: by device code or caption in any case; failing that by any name a caption or
// list line stands for (16F84A for "16F84/A", 24C02 for "2402 /24C02 /24LC02"); failing that
// without the maker's prefix (AT28C256, PIC16F877A). Also the list itself as the `list` command
// prints it.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace proglink::console {

struct Catalogue_Name {
  int code;
  std::string_view caption;
};

// What the lookup needs to know of a program's catalogue.
struct Catalogue_View {
  const char* program;                         // "kv9": its messages name the program
  std::vector<Catalogue_Name> entries;         // in catalogue order; a code may come more than once
  std::vector<std::string_view> lines;         // the device list as the window shows it
  int (*code_of_line)(std::string_view line);  // 0 for a line naming no device
};

struct Device_Match {
  int code = 0;                         // the device; 0 when the name gives none or several
  std::string caption;                  // the device's
  std::string note;                     // which device a name that is not its caption gave
  std::string problem;                  // why no device was chosen
  std::vector<std::string> candidates;  // device list lines of the devices it may mean
};

Device_Match Find_Device(std::string_view name, const Catalogue_View& view);

// The whole device list; with `text`, the device lines holding it in any case (a note on `err`
// when none does). False when `text` found no line.
bool Print_Device_List(std::ostream& out, std::ostream& err, const Catalogue_View& view,
                       std::optional<std::string_view> text);

// Whether `text` holds `part`, in any case.
bool Holds_Ignoring_Case(std::string_view text, std::string_view part);
bool Equal_Ignoring_Case(std::string_view a, std::string_view b);

}  // namespace proglink::console
