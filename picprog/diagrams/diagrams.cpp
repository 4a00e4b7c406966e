#include "picprog/diagrams/diagrams.h"

#include <map>

#include "picprog/diagrams/socket_panels.h"

namespace picprog {

const std::vector<std::string>& Diagram_Lines(std::string_view name) {
  static const std::map<std::string_view, std::vector<std::string>> panels = [] {
    std::map<std::string_view, std::vector<std::string>> drawn;
    for (std::string_view panel : kDiagram_Names) drawn.emplace(panel, Draw_Socket_Panel(panel));
    return drawn;
  }();
  static const std::vector<std::string> none;
  auto it = panels.find(name);
  return it == panels.end() ? none : it->second;
}

}  // namespace picprog
