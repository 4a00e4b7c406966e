// Win_KV9's window: the designed form, the logic under it, and the wiring of every control's
// events to the logic's handlers.
#pragma once

#include "memprog/core/kv9.h"
#include "proglink/window/form_window.h"

namespace memprog {

class Kv9_Window {
 public:
  Kv9_Window();

  proglink::Form_Window& Form() { return form_; }
  Kv9& Logic() { return kv9_; }

 private:
  void Click(const std::string& name);
  void Item(const std::string& name, int index);
  bool Key(const std::string& name, QKeyEvent* event);

  proglink::Form_Window form_;
  Kv9 kv9_;
};

}  // namespace memprog
