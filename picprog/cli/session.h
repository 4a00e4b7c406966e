// One run of mcu9: Win_Mcu9's logic with the console for its window. Everything a command does
// goes through the window's own handlers on this state; no settings file is read or written.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>

#include "picprog/cli/arguments.h"
#include "picprog/core/mcu9.h"
#include "proglink/console/front_end.h"

namespace picprog::cli {

class Session : public proglink::console::Front_End {
 public:
  // `terminal`: `err` is a terminal, so a progress line is drawn there.
  Session(std::ostream& out, std::ostream& err, bool terminal);
  ~Session() override { Shut_Down(); }

  // Selects the device as a click on its line of the device list does.
  void Select(int code);
  // The options of the command line that are settings of the window (the verify voltage).
  void Apply(const Arguments& a);

  // The buffer as every command that fills it starts: "Fill Buffer With FFFF" (the part's blank
  // word), or the --fill value typed into FillEdit. The window starts with zeros, which would
  // program a configuration word of 0000 (code protection on) from a file without one.
  void Fill(const Arguments& a);
  // The word the fill wrote.
  uint16_t Fill_Word() const { return fill_word_; }

  // The Load and Save buttons with the path for their dialog; false when the window would not
  // call the file loaded or saved (its message has been shown), or after Ctrl-C.
  bool Load(const std::string& path, File_Format format);
  bool Save(const std::string& path, File_Format format);

  // Runs an operation with the progress line, over program memory when `over_program`; not after
  // Ctrl-C (Stopped).
  proglink::Outcome Run(const std::function<proglink::Outcome(Mcu9&)>& operation,
                        bool over_program = true);

  Mcu9 m;

 protected:
  proglink::Link& Program_Link() override { return m.link; }
  void Idle() override;
  void Quit() override;

 private:
  uint16_t fill_word_ = 0;
};

}  // namespace picprog::cli
