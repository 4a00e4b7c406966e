#include "common/app_folders.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace common {

namespace fs = std::filesystem;

std::string Executable_Path() {
  std::error_code ec;
  fs::path p = fs::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : p.string();
}

std::string Data_Folder_For(const std::string& executable) {
  if (executable.empty()) return {};
  fs::path bin = fs::path(executable).parent_path();
  return (bin / ".." / "share" / "kv9").lexically_normal().string();
}

std::optional<std::string> Config_Folder_For(const char* xdg_config_home, const char* home) {
  if (xdg_config_home && fs::path(xdg_config_home).is_absolute())
    return (fs::path(xdg_config_home) / "kv9").string();
  if (home && fs::path(home).is_absolute()) return (fs::path(home) / ".config" / "kv9").string();
  return std::nullopt;
}

std::string Enter_Config_Folder() {
  auto folder = Config_Folder_For(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
  if (!folder) return "no configuration folder: neither XDG_CONFIG_HOME nor HOME is set";
  std::error_code ec;
  fs::create_directories(*folder, ec);
  if (!ec) fs::current_path(*folder, ec);
  if (ec) return "cannot use the configuration folder " + *folder + ": " + ec.message();
  return {};
}

}  // namespace common
