// mcu9 through the installed libftdi1 and libusb to an emulated FT245R with the simulated
// programmer behind it, as a user with the box runs it.
#include "mcu9_fixture.h"
#include "progsim/testing/programmer_on_usb.h"

namespace picprog::cli {
namespace {

class Mcu9UsbTest : public Mcu9Test {
 protected:
  progsim::Programmer_On_Usb bus;
};

TEST_F(Mcu9UsbTest, ProgramVerifyAndReadA16F877A) {
  bus.Plug(Plug("16F877A"));
  const auto words = Words(0x3FFF, 0x1FFF, 0x3FFF);
  Write_Words("image.bin", words);
  ASSERT_EQ(Run({"-d", "16F877A", "program", "image.bin"}), 0) << err.str();
  EXPECT_EQ(out.str(), "Device is Programmed...\nDevice Verified to Buffer...\n");
  for (unsigned a = 0; a <= 0x1FFF; ++a) ASSERT_EQ(Chip().Word(a), words[a]) << a;
  ASSERT_EQ(Run({"-d", "16F877A", "verify", "image.bin"}), 0) << out.str();
  ASSERT_EQ(Run({"-d", "16F877A", "read", "back.bin"}), 0);
  const auto back = Read_Words("back.bin");
  for (unsigned a = 0; a <= 0x1FFF; ++a) ASSERT_EQ(back[a], words[a]) << a;
}

}  // namespace
}  // namespace picprog::cli
