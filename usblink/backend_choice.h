// Which programmer a program talks to, as KV9_PROGRAMMER names it: unset, empty or "usb" the
// programmer on USB (libftdi1), "sim" the simulated programmer. Each program's main installs the
// choice before anything talks to the programmer.
#pragma once

#include <iosfwd>
#include <string>

#include "usblink/ftd2xx.h"

// The backend `name` chooses, or null (with the reason in `error`) when it names none.
const Ftd2xx_Backend* Backend_Named(const char* name, const Ftd2xx_Backend& simulator,
                                    std::string& error);

// Installs the backend KV9_PROGRAMMER names; false, with a message on `err` that starts with
// `program`, when it names none.
bool Install_Backend_From_Environment(const Ftd2xx_Backend& simulator, const char* program,
                                      std::ostream& err);
