// One run of kv9: Win_KV9's logic with the console for its window. Everything a command does
// goes through the window's own handlers on this state.
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

#include "memprog/cli/arguments.h"
#include "memprog/cli/progress_bar.h"
#include "memprog/core/kv9.h"
#include "proglink/console_host.h"

namespace memprog::cli {

class Session {
 public:
  // `terminal`: `err` is a terminal, so a progress line is drawn there.
  Session(std::ostream& out, std::ostream& err, bool terminal);
  // Leaves the programmer as the window's shut-down does; the settings file is not touched.
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  std::ostream& Out() { return host.Out(); }
  std::ostream& Err() { return host.Err(); }

  // Selects the device as a click on its line of the device list does.
  void Select(int code);
  // The options of the command line, given through the window's own controls.
  void Apply(const Arguments& a);

  // The Load and Save buttons with the path for their dialog; false when the window would not
  // call the file loaded or saved (its message has been shown), or after Ctrl-C.
  bool Load(const std::string& path, File_Type type);
  bool Save(const std::string& path, File_Type type);

  // The search of the start-up. Its serial numbers and reply dump go to stdout with
  // `show_lines`, else to stderr when it fails; a failure also prints the status text. After
  // Ctrl-C there is no search: false.
  bool Find_Programmer(bool show_lines = false);

  // Runs a handler with the progress line, over the device range when `over_range`; not after
  // Ctrl-C.
  void Run(const std::function<void(Kv9&)>& handler, bool over_range = true);

  // Exit status of a device operation, from what the window shows after it (or Ctrl-C).
  int Outcome();
  // Prints the status text, then gives Outcome().
  int Verdict();

  proglink::Console_Host host;
  Kv9 k;

 private:
  std::unique_ptr<Progress_Bar> bar_;  // only on a terminal
  bool searched_ = false;
  bool quit_clicked_ = false;  // by Ctrl-C
};

}  // namespace memprog::cli
