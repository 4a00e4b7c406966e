#include "memprog/gui/kv9_window.h"

#include <QKeyEvent>
#include <functional>
#include <map>

#include "memprog/core/form.h"
#include "memprog/core/main_form.h"

namespace memprog {

namespace {

using Handler = void (*)(Kv9&);

const std::map<std::string, Handler>& Click_Handlers() {
  static const std::map<std::string, Handler> handlers = {
      {"Quit_Func_But", Quit_Func_ButClick},
      {"StaticText3", StaticText3Click},
  };
  return handlers;
}

}  // namespace

Kv9_Window::Kv9_Window() : form_(Kv9_Form()), kv9_(form_) {
  form_.On_Click = [this](const std::string& name) { Click(name); };
  form_.On_Item = [this](const std::string& name, int index) { Item(name, index); };
  form_.On_Key = [this](const std::string& name, QKeyEvent* e) { return Key(name, e); };
  form_.On_Activate = [this] { FormActivate(kv9_); };
  form_.On_Close = [this] { FormCloseQuery(kv9_); };
  FormCreate(kv9_);
}

void Kv9_Window::Click(const std::string& name) {
  auto it = Click_Handlers().find(name);
  if (it != Click_Handlers().end()) {
    it->second(kv9_);
    return;
  }
  // A click on the form or on a diagram hides the diagrams.
  for (const char* d : kSocket_Diagrams)
    if (name == d) FormClick(kv9_);
}

void Kv9_Window::Item(const std::string&, int) {}

bool Kv9_Window::Key(const std::string&, QKeyEvent*) { return false; }

}  // namespace memprog
