// One run of kv9: Win_KV9's logic with the console for its window. Everything a command does
// goes through the window's own handlers on this state.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>

#include "memprog/cli/arguments.h"
#include "memprog/core/kv9.h"
#include "proglink/console/front_end.h"

namespace memprog::cli {

class Session : public proglink::console::Front_End {
 public:
  // `terminal`: `err` is a terminal, so a progress line is drawn there.
  Session(std::ostream& out, std::ostream& err, bool terminal);
  ~Session() override { Shut_Down(); }

  // Selects the device as a click on its line of the device list does.
  void Select(int code);
  // The options of the command line, given through the window's own controls.
  void Apply(const Arguments& a);

  // The Load and Save buttons with the path for their dialog; false when the window would not
  // call the file loaded or saved (its message has been shown), or after Ctrl-C.
  bool Load(const std::string& path, File_Type type);
  bool Save(const std::string& path, File_Type type);

  // Runs an operation with the progress line, over the device range when `over_range`; not
  // after Ctrl-C (Stopped).
  proglink::Outcome Run(const std::function<proglink::Outcome(Kv9&)>& operation,
                        bool over_range = true);

  Kv9 k;

 protected:
  proglink::Link& Program_Link() override { return k.link; }
  void Idle() override;
  void Quit() override;
};

}  // namespace memprog::cli
