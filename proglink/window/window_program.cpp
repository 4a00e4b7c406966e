#include "proglink/window/window_program.h"

#include <QMessageBox>
#include <ostream>

#include "common/app_folders.h"
#include "proglink/version_line.h"

namespace proglink {

namespace {

constexpr const char* kConfig_Folder = "--config-folder";

std::string Usage(const Window_Program& p) {
  const std::string name = p.name;
  return "usage: " + name + " [--config-folder] [Qt options]\n\n" +
         "  --config-folder  keep the settings file " + name +
         ".Cfg in the configuration folder,\n"
         "                   $XDG_CONFIG_HOME/kv9 or ~/.config/kv9, made when missing (the\n"
         "                   desktop menu starts the window so); without it, the settings\n"
         "                   file is kept in the folder the window is started from\n"
         "  --version        the version and the programmer firmware it requires\n"
         "  -h, --help       this text\n";
}

}  // namespace

std::optional<int> Answer_Before_Start(const std::vector<std::string>& args,
                                       const Window_Program& program, std::ostream& out) {
  if (Answer_Version(args, program.name, program.version, program.variant, out)) return 0;
  for (const auto& a : args) {
    if (a == "--help" || a == "-h") {
      out << Usage(program);
      return 0;
    }
  }
  return std::nullopt;
}

std::optional<int> Prepare_Start(const QStringList& arguments, const Window_Program& program) {
  bool config_folder = false;
  for (const QString& a : arguments.mid(1)) {
    if (a == kConfig_Folder) {
      config_folder = true;
      continue;
    }
    std::cerr << program.name << ": unknown argument '" << a.toStdString() << "'\n\n"
              << Usage(program);
    return 2;
  }
  if (!config_folder) return std::nullopt;
  std::string error = common::Enter_Config_Folder();
  if (error.empty()) return std::nullopt;
  // Started from a menu, nobody reads stderr: the box says it too.
  std::cerr << program.name << ": " << error << '\n';
  QMessageBox::critical(nullptr, program.name, QString::fromStdString(error));
  return 1;
}

}  // namespace proglink
