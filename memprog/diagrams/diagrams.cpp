#include "memprog/diagrams/diagrams.h"

#include "common/drawn_pages.h"
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
  static const common::Drawn_Pages pages(kDiagram_Names, Draw);
  return pages.Lines(name);
}

}  // namespace memprog
