// A window as designed: every control with its name, kind, place, caption and first state. The
// logic starts its control model from this table and the window builds its widgets from it, so
// the two always agree.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "proglink/controls.h"

namespace proglink {

enum class Kind {
  Button,
  Label,       // static text; clickable
  Panel,       // container
  Group,       // titled container
  List,        // list box of lines
  Edit,        // one-line entry field
  Memo,        // multi-line read-only text
  Text_Panel,  // fixed-pitch read-only picture made of text lines
  Radio,
  Check,
  Radio_Group,  // titled group of radio items, one chosen by item index
};

enum class Font { Normal, Bold, Fixed, Fixed_Bold };

struct Control_Design {
  const char* name;
  Kind kind;
  const char* parent = nullptr;  // nullptr: the window itself
  int x = 0, y = 0, w = 0, h = 0;
  const char* caption = "";
  bool visible = true;
  bool enabled = true;
  bool checked = false;  // radio buttons and check boxes
  const char* hint = "";
  Colour colour = Colour::Default;
  Font font = Font::Normal;
  std::vector<std::string> items = {};  // list items, radio group items
  int max_length = 0;                   // edit fields: characters accepted; 0 = no limit
  bool upper_case = false;              // edit fields that show what is typed in upper case
};

struct Form_Design {
  const char* title;
  int width, height;  // client area as designed
  std::vector<Control_Design> controls;
};

// The control model's first state: every control as designed.
inline void Start_Controls(Controls& controls, const Form_Design& form) {
  for (const auto& c : form.controls) {
    Control_State s;
    s.caption = c.caption;
    s.visible = c.visible;
    s.enabled = c.enabled;
    s.checked = c.checked;
    s.colour = c.colour;
    s.height = c.h;
    s.top = c.y;
    s.lines = c.items;
    controls.Design(c.name, std::move(s));
  }
}

}  // namespace proglink
