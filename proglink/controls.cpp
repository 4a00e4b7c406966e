#include "proglink/controls.h"

namespace proglink {

const Control_State& Controls::operator[](const std::string& name) const {
  static const Control_State kUnknown;
  auto it = states_.find(name);
  return it == states_.end() ? kUnknown : it->second;
}

std::vector<std::string> Controls::Undesigned() const {
  std::vector<std::string> out;
  for (const auto& [name, state] : states_)
    if (!designed_.count(name) && name != "MainForm") out.push_back(name);
  return out;
}

void Controls::Caption(const std::string& name, std::string text) {
  Control_State& s = Get(name);
  s.caption = std::move(text);
  host_.Control_Changed(name, s, Field::Caption);
}

void Controls::Enabled(const std::string& name, bool on) {
  Control_State& s = Get(name);
  s.enabled = on;
  host_.Control_Changed(name, s, Field::Enabled);
}

void Controls::Visible(const std::string& name, bool on) {
  Control_State& s = Get(name);
  s.visible = on;
  host_.Control_Changed(name, s, Field::Visible);
}

void Controls::Checked(const std::string& name, bool on) {
  Control_State& s = Get(name);
  s.checked = on;
  host_.Control_Changed(name, s, Field::Checked);
}

void Controls::Colour(const std::string& name, proglink::Colour c) {
  Control_State& s = Get(name);
  s.colour = c;
  host_.Control_Changed(name, s, Field::Colour);
}

void Controls::Height(const std::string& name, int h) {
  Control_State& s = Get(name);
  s.height = h;
  host_.Control_Changed(name, s, Field::Height);
}

void Controls::Top(const std::string& name, int top) {
  Control_State& s = Get(name);
  s.top = top;
  host_.Control_Changed(name, s, Field::Top);
}

void Controls::Item_Index(const std::string& name, int index) {
  Control_State& s = Get(name);
  s.item_index = index;
  host_.Control_Changed(name, s, Field::Item_Index);
}

void Controls::Lines(const std::string& name, std::vector<std::string> lines) {
  Control_State& s = Get(name);
  s.lines = std::move(lines);
  host_.Control_Changed(name, s, Field::Lines);
}

void Controls::Caret(const std::string& name, int line, int column) {
  Control_State& s = Get(name);
  s.caret_line = line;
  s.caret_column = column;
  host_.Control_Changed(name, s, Field::Caret);
}

void Controls::Focus(const std::string& name) {
  host_.Control_Changed(name, Get(name), Field::Focus);
}

}  // namespace proglink
