#include "proglink/form_builder.h"

#include <utility>

namespace proglink {

Form_Builder::Form_Builder(const char* title, int width, int height,
                           std::set<std::string> need_programmer, int button_height)
    : form_{title, width, height, {}},
      need_programmer_(std::move(need_programmer)),
      button_height_(button_height) {}

void Form_Builder::Add(Control_Design c) {
  if (need_programmer_.count(c.name)) c.enabled = false;
  form_.controls.push_back(std::move(c));
}

void Form_Builder::Button(const char* name, const char* parent, int x, int y, int w,
                          const char* caption, const char* hint, bool visible) {
  Add({.name = name,
       .kind = Kind::Button,
       .parent = parent,
       .x = x,
       .y = y,
       .w = w,
       .h = button_height_,
       .caption = caption,
       .visible = visible,
       .hint = hint});
}

void Form_Builder::Text_Panels(std::span<const std::string_view> names, int x, int y) {
  for (std::string_view name : names)
    Add({.name = name.data(),
         .kind = Kind::Text_Panel,
         .x = x,
         .y = y,
         .visible = false,
         .font = Font::Fixed});
}

}  // namespace proglink
