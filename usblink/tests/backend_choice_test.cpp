// KV9_PROGRAMMER chooses the programmer; a value it does not know is refused, not taken as USB.
#include "usblink/backend_choice.h"

#include <gtest/gtest.h>

#include "usblink/ftd2xx_libftdi.h"

namespace {

const Ftd2xx_Backend kSimulator = {"sim",   nullptr, nullptr, nullptr, nullptr, nullptr,
                                   nullptr, nullptr, nullptr, nullptr, nullptr};

TEST(BackendChoice, NamesTheBackendOrRefusesAnUnknownValue) {
  struct Case {
    const char* name;
    const Ftd2xx_Backend* want;
  } cases[] = {{nullptr, &Libftdi_Backend()}, {"", &Libftdi_Backend()}, {"usb", &Libftdi_Backend()},
               {"sim", &kSimulator},          {"SIM", nullptr},         {"simulator", nullptr}};
  for (const Case& c : cases) {
    std::string error;
    EXPECT_EQ(Backend_Named(c.name, kSimulator, error), c.want) << (c.name ? c.name : "unset");
    EXPECT_EQ(error.empty(), c.want != nullptr) << error;
  }
}

TEST(BackendChoice, UnknownValueIsSaidAndInstallsNothing) {
  ::setenv("KV9_PROGRAMMER", "box", 1);
  std::ostringstream err;
  EXPECT_FALSE(Install_Backend_From_Environment(kSimulator, "kv9", err));
  ::unsetenv("KV9_PROGRAMMER");
  EXPECT_EQ(err.str(),
            "kv9: KV9_PROGRAMMER=box names no programmer: \"usb\" (or unset) is the programmer on "
            "USB, \"sim\" the simulated programmer\n");
  EXPECT_STREQ(Ftd2xx_Installed().name, "none");
}

}  // namespace
