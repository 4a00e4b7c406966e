// The start of a window program: the options it answers before the window toolkit starts (so
// that --version and --help work without a display), the configuration folder that a start from
// the desktop menu asks for, and then the window and its event loop.
#pragma once

#include <QApplication>
#include <QStringList>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "proglink/link.h"
#include "usblink/backend_choice.h"

namespace proglink {

struct Window_Program {
  const char* name;     // "Win_KV9": its messages, its desktop entry and its settings file
  const char* version;  // shown by --version
  Variant variant;      // the firmware it requires
};

// --version and --help, which end the program with the status returned; nullopt otherwise.
std::optional<int> Answer_Before_Start(const std::vector<std::string>& args,
                                       const Window_Program& program, std::ostream& out);

// After the toolkit has taken its own options: refuses any argument left but --config-folder,
// and enters the configuration folder on it. nullopt to go on, else the exit status.
std::optional<int> Prepare_Start(const QStringList& arguments, const Window_Program& program);

// Runs the window program to its end; `Window` has Form(), the Form_Window to show.
template <class Window>
int Run_Window_Program(int argc, char** argv, const Window_Program& program,
                       const Ftd2xx_Backend& simulator) {
  if (auto status =
          Answer_Before_Start(std::vector<std::string>(argv + 1, argv + argc), program, std::cout))
    return *status;
  if (!Install_Backend_From_Environment(simulator, program.name, std::cerr)) return 2;
  QApplication app(argc, argv);
  app.setDesktopFileName(program.name);  // the desktop shows the entry's name and icon for it
  if (auto status = Prepare_Start(app.arguments(), program)) return *status;
  Window window;
  window.Form().show();
  return app.exec();
}

}  // namespace proglink
