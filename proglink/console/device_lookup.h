// The device a command line names, looked up in a program's catalogue and device list: by device
// code, or by caption in any case (failing that, by a part name as the device list writes it).
// Also the list itself as the `list` command prints it.
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
  std::string problem;                  // why no device was chosen
  std::vector<std::string> candidates;  // device list lines of the devices it may mean
};

Device_Match Find_Device(std::string_view name, const Catalogue_View& view);

// The whole device list; with `text`, the device lines holding it in any case (a note on `err`
// when none does).
void Print_Device_List(std::ostream& out, std::ostream& err, const Catalogue_View& view,
                       std::optional<std::string_view> text);

// Whether `text` holds `part`, in any case.
bool Holds_Ignoring_Case(std::string_view text, std::string_view part);
bool Equal_Ignoring_Case(std::string_view a, std::string_view b);

}  // namespace proglink::console
