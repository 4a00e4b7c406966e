// kv9 as a user with the box runs it: through the installed libftdi1 and libusb to an emulated
// FT245R with the simulated programmer behind it. The search, a program run, a firmware update,
// Ctrl-C, and the faults of a USB link.
#include <csignal>

#include "cli_fixture.h"
#include "progsim/testing/programmer_on_usb.h"

namespace memprog::cli {
namespace {

class Kv9UsbTest : public CliTest {
 protected:
  // The programmer the fixture plugged in, now behind an emulated chip; more chips can join it.
  usbemu::Emulated_Chip& Plug_Usb(progsim::Options o = {}, usbemu::Chip_Config chip = {}) {
    return bus.Plug(Plug(o), std::move(chip));
  }
  bool Out_Has(const std::string& text) const { return out.str().find(text) != std::string::npos; }
  static progsim::Options With(std::vector<progsim::Fault> faults) {
    progsim::Options o;
    o.faults = std::move(faults);
    return o;
  }

  progsim::Programmer_On_Usb bus;
};

TEST_F(Kv9UsbTest, ProbeFindsTheProgrammerAndListsTheBus) {
  Plug_Usb();
  EXPECT_EQ(Run({"probe"}), 0) << err.str();
  EXPECT_EQ(out.str(),
            "FTKV9USB\n56 03 3D 00 00 00 00 00 \nUsb Programmer Found - FirmWare Version 3.61\n"
            "FTDI device 0403:6001 (bus 001 device " +
                std::string(bus.usb.bus.Present()[0]->Address() < 10 ? "00" : "0") +
                std::to_string(bus.usb.bus.Present()[0]->Address()) +
                ") serial FTKV9USB: opened\n");

  progsim::Options old;
  old.fw_minor = 5;
  Plug_Usb(old);
  EXPECT_EQ(Run({"probe"}), 0);
  EXPECT_TRUE(Out_Has("FirmWare Version 3.05"));
  EXPECT_NE(err.str().find("older than the 3.61"), std::string::npos) << err.str();
}

TEST_F(Kv9UsbTest, ProgramAndVerifyA27C256) {
  Plug_Usb();
  Write("image.bin", Pattern(0x8000));
  ASSERT_EQ(Run({"-d", "27C256", "program", "image.bin"}), 0) << err.str();
  EXPECT_EQ(Out_Lines().back(), "Device Verified to Buffer....");
  for (uint32_t a = 0; a < 0x8000; ++a) ASSERT_EQ(sim->Chip().Read(a), Pattern(0x8000)[a]) << a;
  EXPECT_EQ(Run({"-d", "27C256", "verify", "image.bin"}), 0);
  Write("other.bin", Pattern(0x8000, 9));
  EXPECT_EQ(Run({"-d", "27C256", "verify", "other.bin"}), 1);
}

TEST_F(Kv9UsbTest, FirmwareUpdateThroughUsb) {
  progsim::Options old;
  old.fw_minor = 5;
  Plug_Usb(old);
  Firmware_File("update.bin", 3, true);
  EXPECT_EQ(Run({"firmware", "update.bin"}), 0) << err.str();
  EXPECT_EQ(Out_Lines().back(), "Good Update...");
  EXPECT_EQ(sim->Firmware_Version(), 3 * 256 + 62);
}

TEST_F(Kv9UsbTest, CtrlCInTheMiddleStopsAndResetsTheProgrammer) {
  usbemu::Emulated_Chip& chip = Plug_Usb();
  Write("image.bin", Pattern(0x8000));
  int writes = 0;
  chip.after_out = [&] {
    if (++writes == 10) std::raise(SIGINT);  // the user presses Ctrl-C
  };
  EXPECT_EQ(Run({"-d", "27C256", "program", "image.bin"}), 130);
  EXPECT_FALSE(Out_Has("Programmed")) << out.str();
  std::vector<uint8_t> codes = Sent_Codes();
  ASSERT_GE(codes.size(), 2u);
  EXPECT_EQ(codes[codes.size() - 2], 0x1E);  // end of operation
  EXPECT_EQ(codes.back(), 0x53);             // and the programmer's reset
}

TEST_F(Kv9UsbTest, UsbFaultsEndAsALostProgrammerNeverAsSuccess) {
  struct Case {
    const char* what;
    progsim::Options options;
    int in_timeouts;  // bulk reads that time out
    int want;
  } cases[] = {
      {"unplugged in the middle", With({{progsim::Fault::Lose, 12}}), 0, 3},
      {"a write that times out", With({{progsim::Fault::Short_Write, 4}}), 0, 3},
      {"a read that times out", {}, 1, 0},
  };
  Write("image.bin", Pattern(0x8000));
  for (const Case& c : cases) {
    usbemu::Emulated_Chip& chip = Plug_Usb(c.options);
    chip.in_timeouts = c.in_timeouts;
    EXPECT_EQ(Run({"-d", "27C256", "program", "image.bin"}), c.want) << c.what << err.str();
    EXPECT_EQ(Out_Has("Device is Programmed") || Out_Has("Verified"), c.want == 0) << c.what;
  }
  bus.plugged->Unplug();  // nothing on the bus at all
  EXPECT_EQ(Run({"-d", "27C256", "program", "image.bin"}), 3);
  EXPECT_TRUE(Out_Has("Programmer Not Found or is no longer present...."));
}

TEST_F(Kv9UsbTest, AnotherFtdiDeviceIsListedAndLeftAlone) {
  usbemu::Emulated_Chip& other = bus.usb.Plug({.serial = "A50285BI"});
  usbemu::Emulated_Chip& programmer = Plug_Usb({}, {.kernel_driver = true});
  EXPECT_EQ(Run({"probe"}), 0) << err.str();
  EXPECT_TRUE(Out_Has("serial A50285BI: not the programmer, not opened")) << out.str();
  EXPECT_TRUE(Out_Has("serial FTKV9USB: opened"));
  EXPECT_TRUE(other.log.empty());
  EXPECT_FALSE(programmer.kernel_driver);  // the serial driver was detached
}

TEST_F(Kv9UsbTest, NoPermissionIsSaidWithTheRuleToInstall) {
  Plug_Usb({}, {.no_permission = true});
  EXPECT_EQ(Run({"probe"}), 3);
  EXPECT_TRUE(Out_Has("serial unknown: cannot be opened: no permission")) << out.str();
  EXPECT_TRUE(Out_Has(": it may be the programmer."));
  EXPECT_TRUE(Out_Has("99-kv9-programmer.rules"));
  EXPECT_TRUE(Out_Has("plugdev"));
  // Any other command says it on stderr with the failed search.
  EXPECT_EQ(Run({"-d", "27C256", "blank"}), 3);
  EXPECT_NE(err.str().find("plugdev"), std::string::npos) << err.str();
}

}  // namespace
}  // namespace memprog::cli
