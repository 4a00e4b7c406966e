// Which diagram each algorithm family shows.
//
// Legend of the fields:
//   diagram    the panel's control name
//   families   the algorithm families that show it
//   flash_x16  the byte-order box Flash_x16 is shown with it
#include <initializer_list>

#include "memprog/diagrams/diagrams.h"

namespace memprog {
namespace {

struct Family_Diagram {
  const char* diagram = "";
  std::initializer_list<int> families = {};
  bool flash_x16 = false;
};

const Family_Diagram kFamily_Diagrams[] = {
    {.diagram = "Pin_24", .families = {1, 2, 14, 19, 30, 42}},
    {.diagram = "Pin_28", .families = {3, 4, 5, 9, 10, 15, 20, 21, 27, 32, 40}},
    {.diagram = "Pin_28A", .families = {31}},
    {.diagram = "Pin_32",
     .families = {6, 7, 8, 11, 12, 13, 16, 17, 18, 22, 23, 24, 25, 26, 33, 37, 41}},
    {.diagram = "Pin_40", .families = {28, 29}},
    {.diagram = "Pin_40A", .families = {34, 35, 36}, .flash_x16 = true},
    {.diagram = "Pin_40B", .families = {43}, .flash_x16 = true},
    {.diagram = "A27X00", .families = {38, 39}},
    {.diagram = "A2708", .families = {49}},
    {.diagram = "Pin_8", .families = {50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 68}},
    {.diagram = "Plc_20", .families = {64, 65}},
    {.diagram = "Pin_8B", .families = {67}},
    {.diagram = "Pin_Dn", .families = {80, 84}},
    {.diagram = "Pin_Up", .families = {81, 85}},
    {.diagram = "Page_1", .families = {82, 86}},
    {.diagram = "Page_2", .families = {83}},
    {.diagram = "A874X", .families = {87}},
    {.diagram = "A875X", .families = {88, 89, 90, 91}},
};

const Family_Diagram* Find(int family) {
  for (const Family_Diagram& entry : kFamily_Diagrams) {
    for (int f : entry.families) {
      if (f == family) return &entry;
    }
  }
  return nullptr;
}

}  // namespace

const char* Diagram_For_Family(int family) {
  const Family_Diagram* entry = Find(family);
  return entry ? entry->diagram : nullptr;
}

bool Shows_Flash_x16(int family) {
  const Family_Diagram* entry = Find(family);
  return entry && entry->flash_x16;
}

}  // namespace memprog
