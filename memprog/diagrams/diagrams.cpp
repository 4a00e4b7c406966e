#include "memprog/diagrams/diagrams.h"

#include <map>

#include "memprog/diagrams/layout.h"

namespace memprog {
namespace {

std::vector<std::string> Draw(std::string_view name) {
  if (name == "A2708") return Draw_A2708();
  if (name == "A27X00") return Draw_A27X00();
  if (name == "Page_1" || name == "Page_2") return Draw_Wiring_Page(name);
  return Draw_Socket_Panel(name);
}

}  // namespace

const std::vector<std::string>& Diagram_Lines(std::string_view name) {
  static const std::map<std::string_view, std::vector<std::string>> panels = [] {
    std::map<std::string_view, std::vector<std::string>> drawn;
    for (std::string_view panel : kDiagram_Names) drawn.emplace(panel, Draw(panel));
    return drawn;
  }();
  static const std::vector<std::string> none;
  auto it = panels.find(name);
  return it == panels.end() ? none : it->second;
}

}  // namespace memprog
