// One run of a command-line front end: a program's logic with the console for its window. The
// front end's own session derives from this, holds the program's state and gives the few
// handlers that differ (the idle step after a search, the Quit button).
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "proglink/console/command_line.h"
#include "proglink/console/progress_bar.h"
#include "proglink/console/run_record.h"
#include "proglink/console_host.h"
#include "proglink/link.h"

namespace proglink::console {

// How a front end shows itself.
struct Front_End_Style {
  const char* program;        // "kv9": the name its messages start with
  int address_digits;         // the Quit button's address
  const char* progress_text;  // the control whose caption names the running operation
};

// A device range for the progress bar: first and last address.
using Progress_Range = std::optional<std::pair<uint32_t, uint32_t>>;

class Front_End {
 public:
  // `terminal`: `err` is a terminal, so a progress line is drawn there.
  Front_End(std::ostream& out, std::ostream& err, bool terminal, const Front_End_Style& style);
  virtual ~Front_End() = default;
  Front_End(const Front_End&) = delete;
  Front_End& operator=(const Front_End&) = delete;

  std::ostream& Out() { return host.Out(); }
  std::ostream& Err() { return host.Err(); }
  const char* Program() const { return style_.program; }

  // The run's command and console options, and the device it names (its caption and code).
  // With --json, stdout's lines are kept for the one object Final_Status prints.
  void Start_Run(const Console_Options& options, std::optional<std::string> device,
                 std::optional<int> device_code);
  const Console_Options& Options() const { return options_; }

  // The search of the start-up. Its serial numbers and reply dump go to stdout with
  // `show_lines`, else to stderr when it fails; a failure also prints the status text. After
  // Ctrl-C there is no search: false.
  bool Find_Programmer(bool show_lines = false);

  // Runs a handler with the progress line; not after Ctrl-C.
  void Run(const std::function<void()>& handler, Progress_Range range);
  // Runs an operation with the progress line and gives its outcome; after Ctrl-C it does not
  // run: Stopped. Its first mismatch lines are printed (all of them with --all), its message
  // boxes wait for its report.
  Outcome Operate(const std::function<Outcome()>& operation, Progress_Range range);
  // Runs a handler whose file dialog is answered with `path`; gives what the handler gives (that
  // the file was loaded or saved), false after Ctrl-C.
  bool Run_With_File(const std::string& path, const std::function<bool()>& handler);

  // One step of the run, named `step` (empty: the command's name), reported: the count of its
  // mismatches and the first one's address when it has any, then `verdict_line` on stdout where
  // the verdict's report says so (empty: nothing), its message boxes that do not repeat the
  // verdict line and the verdict's note on stderr. Gives the step's exit status, after Ctrl-C
  // that of an interrupted run. With --json the step is kept for the object instead.
  int Report(const Outcome& outcome, const std::string& verdict_line, std::string_view step = {});
  // The same with the status text for the verdict line.
  int Report(const Outcome& outcome) { return Report(outcome, host.Status()); }
  int Report_Step(std::string_view step, const Outcome& outcome) {
    return Report(outcome, host.Status(), step);
  }
  // The buffer checksum as its caption shows it, on stdout.
  void Show_Checksum(const std::string& caption, uint16_t checksum);

  // The exit status of the whole run: `status`, unless Ctrl-C, SIGTERM or SIGHUP stopped it
  // (which is said): then 128 + the signal, as shells report a command a signal ended. With
  // --json the run's object goes to stdout.
  int Final_Status(int status);

  // probe: the search with its lines, and the firmware version.
  int Probe();
  // The firmware update the window starts with `start`, its file dialog answered with `file`.
  int Firmware_Update(const std::string& file, const std::function<Outcome()>& start);

  Console_Host host;

 protected:
  virtual Link& Program_Link() = 0;
  // The window's step after a search: the controls enabled for the connection found.
  virtual void Idle() = 0;
  // The window's Quit button, which Ctrl-C clicks.
  virtual void Quit() = 0;

  // Leaves the programmer as the window's shut-down does; the settings file is not touched. The
  // derived session's destructor runs it while its state still lives.
  void Shut_Down();

 private:
  // Held message boxes on stderr, but not one that is `verdict_line`.
  void Print_Boxes(const std::string& verdict_line);
  // With --json, what stdout has been given since the last call.
  std::vector<std::string> Take_Output();

  Front_End_Style style_;
  Console_Options options_;
  Run_Record record_;
  std::ostream& out_;
  std::ostringstream kept_out_;        // stdout's text with --json
  std::unique_ptr<Progress_Bar> bar_;  // only on a terminal
  bool searched_ = false;
  bool quit_clicked_ = false;  // by Ctrl-C
};

}  // namespace proglink::console
