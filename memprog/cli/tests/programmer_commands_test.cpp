// probe, id, clock and firmware on the simulated programmer.
#include "cli_fixture.h"

namespace memprog::cli {
namespace {

class ProgrammerCommandsTest : public CliTest {
 protected:
  static progsim::Options With_Id(uint8_t mfg, uint8_t dev) {
    progsim::Options o;
    o.id = {mfg, dev};
    return o;
  }
};

TEST_F(ProgrammerCommandsTest, ProbeShowsTheSearchAndTheVersion) {
  EXPECT_EQ(Run({"probe"}), 0);
  EXPECT_EQ(out.str(),
            "FTKV9USB\n56 03 3D 00 00 00 00 00 \nUsb Programmer Found - FirmWare Version 3.61\n"
            "FTDI device 0403:6001 serial FTKV9USB: opened\n");
  progsim::Options none;
  none.serials.clear();
  Plug(none);
  EXPECT_EQ(Run({"probe"}), 3);
  std::vector<std::string> lines = Out_Lines();  // the reply dump, the status, the devices
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[1], "Programmer Not Found or is no longer present....");
  EXPECT_EQ(lines[2], "No FTDI device seen");
}

TEST_F(ProgrammerCommandsTest, IdNamesThePartAndTheLineItWouldPreSelect) {
  Plug(With_Id(0x89, 0x8C));
  EXPECT_EQ(Run({"id"}), 0);
  EXPECT_EQ(out.str(), "Mfg. Intel\n27C256\n27C256               (12.5V)   32K X 8   20\n");
  EXPECT_EQ(Count_Sent(0x18), 1u);  // the first method named it

  Plug(With_Id(0x1F, 0x21));
  EXPECT_EQ(Run({"-d", "27C256", "id"}), 1);  // a named part without a line
  EXPECT_EQ(out.str(), "Mfg. Atmel Flash\n49F008T\n");
  EXPECT_EQ(err.str(), "kv9: no line of the device list goes with this ID\n");

  Plug();  // a chip that answers FF, FF to every method
  EXPECT_EQ(Run({"id"}), 1);
  EXPECT_EQ(out.str(), "Mfg Id - FF\nDev Id - FF\n");
  EXPECT_EQ(Count_Sent(0x18), 5u);
}

TEST_F(ProgrammerCommandsTest, ClockWriteThenRead) {
  EXPECT_EQ(Run({"-d", "M48T08/18/58", "clock", "write", "24", "2", "29", "4", "13", "5a", "07",
                 "00", "20"}),
            0);
  EXPECT_EQ(out.str(), "Programming Time....\n");
  EXPECT_EQ(sim->Chip().Read(0x3FFF), 0x24);  // A13 high: the clock of the M48T08 group
  EXPECT_EQ(sim->Chip().Read(0x3FFA), 0x5A);
  Plug();
  EXPECT_EQ(Run({"-d", "211", "clock", "read"}), 0);
  EXPECT_EQ(out.str(),
            "Clock Read....\nYear=24 Month=02 Date=29 Day=04 Hours=13 Minutes=5A Seconds=07 "
            "Calibration=00 Century=20\n");
}

TEST_F(ProgrammerCommandsTest, FirmwareUpdate) {
  Firmware_File("good.bin", 2, true);
  EXPECT_EQ(Run({"firmware", "good.bin"}), 0);
  EXPECT_EQ(Out_Lines().back(), "Good Update...");
  EXPECT_EQ(Count_Sent(0x5A), 2u);
  EXPECT_EQ(sim->Firmware_Version(), 3 * 256 + 62);

  Firmware_File("bad.bin", 1, false);
  EXPECT_EQ(Run({"firmware", "bad.bin"}), 1);
  EXPECT_EQ(Out_Lines().back(), "Warning: Bad Update...");

  Write("notes.bin", Pattern(100));
  Plug();
  EXPECT_EQ(Run({"firmware", "notes.bin"}), 2);
  EXPECT_NE(err.str().find("Invalid File Type...\nCan Not Update Units With This File......\n"),
            std::string::npos);
  EXPECT_EQ(Count_Sent(0x5A), 0u);
  EXPECT_EQ(Run({"firmware", "missing.bin"}), 2);
}

}  // namespace
}  // namespace memprog::cli
