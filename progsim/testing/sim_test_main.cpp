// The main of the tests that run on the simulated programmer: the test program's set-up installs
// it, as each program's main installs the programmer it was asked for.
#include <gtest/gtest.h>

#include "progsim/ftd2xx_sim.h"

int main(int argc, char** argv) {
  Ftd2xx_Install(progsim::Backend());
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
