// Win_Mcu9's window: the designed form, the logic under it, and the wiring of every control's
// events to the logic's handlers.
#pragma once

#include "picprog/core/mcu9.h"
#include "proglink/window/form_window.h"

namespace picprog {

class Mcu9_Window {
 public:
  Mcu9_Window();

  proglink::Form_Window& Form() { return form_; }
  Mcu9& Logic() { return mcu9_; }

 private:
  void Click(const std::string& name);
  void Item(const std::string& name, int index);
  bool Key(const std::string& name, QKeyEvent* event);
  bool Edit_1_Key(QKeyEvent* event);
  void Focus_Out(const std::string& name);
  void Place_Caret();

  proglink::Form_Window form_;
  Mcu9 mcu9_;
};

}  // namespace picprog
