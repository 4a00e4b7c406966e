#include "picprog/diagrams/diagrams.h"

#include "common/drawn_pages.h"
#include "picprog/diagrams/socket_panels.h"

namespace picprog {

const std::vector<std::string>& Diagram_Lines(std::string_view name) {
  static const common::Drawn_Pages pages(kDiagram_Names, Draw_Socket_Panel);
  return pages.Lines(name);
}

}  // namespace picprog
