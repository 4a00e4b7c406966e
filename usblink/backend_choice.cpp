#include "usblink/backend_choice.h"

#include <cstdlib>
#include <ostream>
#include <string_view>

#include "usblink/ftd2xx_libftdi.h"

const Ftd2xx_Backend* Backend_Named(const char* name, const Ftd2xx_Backend& simulator,
                                    std::string& error) {
  std::string_view n = name ? name : "";
  if (n.empty() || n == "usb") return &Libftdi_Backend();
  if (n == "sim") return &simulator;
  error = "KV9_PROGRAMMER=" + std::string(n) +
          " names no programmer: \"usb\" (or unset) is the programmer on USB, \"sim\" the "
          "simulated programmer";
  return nullptr;
}

bool Install_Backend_From_Environment(const Ftd2xx_Backend& simulator, const char* program,
                                      std::ostream& err) {
  std::string error;
  const Ftd2xx_Backend* backend = Backend_Named(std::getenv("KV9_PROGRAMMER"), simulator, error);
  if (!backend) {
    err << program << ": " << error << '\n';
    return false;
  }
  Ftd2xx_Install(*backend);
  return true;
}
