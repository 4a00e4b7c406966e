// A form design built control by control, in the order of its layout, with the conventions both
// programs' windows share.
#pragma once

#include <set>
#include <span>
#include <string>
#include <string_view>

#include "proglink/form_design.h"

namespace proglink {

class Form_Builder {
 public:
  // `need_programmer`: the controls that come alive only once a programmer has been found; they
  // start disabled. Every button is `button_height` high.
  Form_Builder(const char* title, int width, int height, std::set<std::string> need_programmer,
               int button_height);

  void Add(Control_Design c);
  void Button(const char* name, const char* parent, int x, int y, int w, const char* caption,
              const char* hint = "", bool visible = true);
  // A hidden fixed-pitch text panel for each name, all at one place: the socket diagrams, which
  // take turns there.
  void Text_Panels(std::span<const std::string_view> names, int x, int y);

  Form_Design Take() { return std::move(form_); }

 private:
  Form_Design form_;
  std::set<std::string> need_programmer_;
  int button_height_;
};

}  // namespace proglink
