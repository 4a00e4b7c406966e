// The state of the window's controls as the logic sets and reads it, by the controls' names.
// Every change is passed on to the host; changes the user makes in the window come back through
// the User_* calls without being echoed.
#pragma once

#include <string>
#include <unordered_map>

#include "proglink/host.h"

namespace proglink {

class Controls {
 public:
  explicit Controls(Host& host) : host_(host) {}

  // The state as designed, before the logic touches it (no notification).
  void Design(const std::string& name, Control_State state) {
    states_[name] = std::move(state);
    designed_[name] = true;
  }

  const Control_State& operator[](const std::string& name) const;
  bool Known(const std::string& name) const { return states_.count(name) != 0; }

  void Caption(const std::string& name, std::string text);
  void Enabled(const std::string& name, bool on);
  void Visible(const std::string& name, bool on);
  void Checked(const std::string& name, bool on);
  void Colour(const std::string& name, proglink::Colour c);
  void Height(const std::string& name, int h);
  void Top(const std::string& name, int top);
  void Item_Index(const std::string& name, int index);
  void Lines(const std::string& name, std::vector<std::string> lines);
  void Focus(const std::string& name);
  void Caret(const std::string& name, int line, int column);

  // What the user did in the window.
  void User_Caption(const std::string& name, std::string text) {
    states_[name].caption = std::move(text);
  }
  void User_Checked(const std::string& name, bool on) { states_[name].checked = on; }
  void User_Item_Index(const std::string& name, int i) { states_[name].item_index = i; }

  Host& host() { return host_; }

  // Names the logic used that the window's design does not have (each one a bug).
  std::vector<std::string> Undesigned() const;

 private:
  Control_State& Get(const std::string& name) { return states_[name]; }

  Host& host_;
  std::unordered_map<std::string, Control_State> states_;
  std::unordered_map<std::string, bool> designed_;
};

}  // namespace proglink
