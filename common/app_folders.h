// Where an installed program finds its data and keeps its settings: the data beside the
// executable's own folder (so the install prefix is never written into the program), the
// settings in the user's configuration folder.
#pragma once

#include <optional>
#include <string>

namespace common {

// The running program's file, or empty when the system does not say.
std::string Executable_Path();

// The data folder of a program installed as `executable`: <prefix>/share/kv9 for
// <prefix>/bin/NAME. Empty for an empty path.
std::string Data_Folder_For(const std::string& executable);

// $XDG_CONFIG_HOME/kv9, or $HOME/.config/kv9 when XDG_CONFIG_HOME is unset, empty or relative
// (which the XDG rules say to ignore). nullopt without a usable HOME either. The arguments are
// the two variables' values, null when unset.
std::optional<std::string> Config_Folder_For(const char* xdg_config_home, const char* home);

// Makes the configuration folder of this user when missing and makes it the working folder.
// Empty on success, else what went wrong, for the user.
std::string Enter_Config_Folder();

}  // namespace common
