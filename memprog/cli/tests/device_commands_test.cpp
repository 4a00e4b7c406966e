// The device operations on the simulated programmer: verdicts, exit statuses, mismatch lines,
// failed blocks and a programmer that goes away.
#include <csignal>
#include <filesystem>

#include "cli_fixture.h"
#include "common/hex.h"

namespace memprog::cli {
namespace {

constexpr uint32_t k32K = 0x8000;  // the 27C256

class DeviceCommandsTest : public CliTest {
 protected:
  // Programs the 27C256 with `image` and plugs in a fresh programmer holding that chip.
  void Programmed(const std::vector<uint8_t>& image) {
    Write("programmed.bin", image);
    ASSERT_EQ(Run({"-d", "27C256", "program", "programmed.bin", "--no-verify"}), 0) << err.str();
    Plug();
  }
  progsim::Options Faults(std::vector<progsim::Fault> faults) {
    progsim::Options o;
    o.faults = std::move(faults);
    return o;
  }
};

TEST_F(DeviceCommandsTest, ProgramVerifiesAndTheChipHoldsTheImage) {
  const auto image = Pattern(k32K);
  Write("image.bin", image);
  EXPECT_EQ(Run({"-d", "27C256", "program", "image.bin"}), 0);
  EXPECT_EQ(out.str(), "Device is Programmed....\nDevice Verified to Buffer....\n");
  EXPECT_EQ(Count_Sent(0x30), 16u);
  EXPECT_EQ(Count_Sent(0x20), 16u);    // auto-verify read it back
  EXPECT_EQ(Read("chip.bin"), image);  // written back when kv9 closed the programmer
}

TEST_F(DeviceCommandsTest, ProgramWithoutVerify) {
  Write("image.bin", Pattern(k32K));
  EXPECT_EQ(Run({"-d", "27C256", "program", "image.bin", "--no-verify"}), 0);
  EXPECT_EQ(out.str(), "Device is Programmed....\n");
  EXPECT_EQ(Count_Sent(0x20), 0u);
}

TEST_F(DeviceCommandsTest, ReadVerifyCompareAndBlankOfAProgrammedChip) {
  const auto image = Pattern(k32K);
  Programmed(image);
  EXPECT_EQ(Run({"-d", "27C256", "verify", "programmed.bin"}), 0);
  EXPECT_EQ(out.str(), "Device Verified to Buffer....\n");

  Plug();
  EXPECT_EQ(Run({"-d", "27C256", "read", "back.hex"}), 0);
  ASSERT_EQ(Out_Lines().size(), 2u);
  EXPECT_EQ(Out_Lines()[0], "Device Has Been Moved to Buffer....");
  EXPECT_EQ(Out_Lines()[1].rfind("CheckSum=", 0), 0u);
  ASSERT_EQ(Run({"-d", "27C256", "convert", "back.hex", "back.bin"}), 0);
  EXPECT_EQ(Read("back.bin"), image);

  Plug();
  EXPECT_EQ(Run({"-d", "27C256", "compare", "programmed.bin"}), 0);
  EXPECT_EQ(out.str(), "Device Can be Reprogrammed....\n");
  Write("ff.bin", std::vector<uint8_t>(k32K, 0xFF));
  Plug();
  EXPECT_EQ(Run({"-d", "27C256", "compare", "ff.bin"}), 1);
  EXPECT_EQ(out.str(), "1 mismatch, the first at 00000\nDevice CAN NOT be Reprogrammed....\n");

  Plug();
  EXPECT_EQ(Run({"-d", "27C256", "--start", "7FFE", "blank"}), 1);
  EXPECT_EQ(out.str(), "7FFE  EXPECTED-FF FOUND-" + common::Hex(image[0x7FFE], 2) +
                           "\n7FFF  EXPECTED-FF FOUND-" + common::Hex(image[0x7FFF], 2) +
                           "\n2 mismatches, the first at 07FFE\nDevice is NOT Erased....\n");
}

TEST_F(DeviceCommandsTest, BlankCheckOfAnErasedChip) {
  EXPECT_EQ(Run({"-d", "27C256", "blank"}), 0);
  EXPECT_EQ(out.str(), "Device is Erased....\n");
  EXPECT_TRUE(err.str().empty());  // the search says nothing when it finds the programmer
}

TEST_F(DeviceCommandsTest, VerifyListsTheWindowsMismatchLines) {
  auto image = Pattern(k32K);
  image[0x12] = 0x55;
  Programmed(image);
  image[0x12] = 0xAA;
  Write("wanted.bin", image);
  EXPECT_EQ(Run({"-d", "27C256", "verify", "wanted.bin"}), 1);
  EXPECT_EQ(out.str(),
            "00012  EXPECTED-AA FOUND-55\n"
            "1 bytes differ, 1 of them need a bit raised from 0 to 1 (erase first)\n"
            "1 mismatch, the first at 00012\nDevice Did NOT Verify to Buffer....\n");
}

TEST_F(DeviceCommandsTest, SwapAndSplitMapTheBufferAsTheWindowDoes) {
  Write("image.bin", {0x10, 0x11, 0x12, 0x13});
  EXPECT_EQ(Run({"-d", "27C256", "--end", "3", "--swap", "program", "image.bin"}), 0);
  EXPECT_EQ(sim->Chip().Read(0), 0x11);
  EXPECT_EQ(sim->Chip().Read(1), 0x10);
  progsim::Options other;
  other.chip_file = "other_chip.bin";
  Plug(other);
  EXPECT_EQ(Run({"-d", "27C256", "--end", "1", "--split", "odd", "program", "image.bin"}), 0);
  EXPECT_EQ(sim->Chip().Read(0), 0x11);
  EXPECT_EQ(sim->Chip().Read(1), 0x13);
}

TEST_F(DeviceCommandsTest, AFailedBlockExitsOne) {
  Write("image.bin", Pattern(k32K));
  Plug(Faults({{progsim::Fault::Fail_Block, 3}}));
  EXPECT_EQ(Run({"-d", "27C256", "program", "image.bin"}), 1);
  EXPECT_EQ(out.str(), "Device DID NOT Program....\n");
  EXPECT_EQ(err.str().find("Device DID NOT Program...."), std::string::npos);  // its box: not again
  EXPECT_EQ(Count_Sent(0x30), 3u);
  EXPECT_EQ(Count_Sent(0x20), 0u);
}

TEST_F(DeviceCommandsTest, ALostProgrammerExitsThree) {
  Write("image.bin", Pattern(k32K));
  Plug(Faults({{progsim::Fault::Lose, 12}}));
  EXPECT_EQ(Run({"-d", "27C256", "program", "image.bin"}), 3);
  EXPECT_EQ(Out_Lines().back(), "Programmer no longer present, Click Here to Find Programmer....");

  Plug(Faults({{progsim::Fault::Lose, 12}}));
  EXPECT_EQ(Run({"-d", "27C256", "read", "partial.bin"}), 3);
  EXPECT_FALSE(std::filesystem::exists("partial.bin"));  // no file from an unfinished read
}

// A programmer that stops answering or goes away is 3 whatever the moment, the closing reset of
// a run that went well included; a run refused before it touches the device is 2.
TEST_F(DeviceCommandsTest, ExitStatusesSayWhatHappenedWhateverTheMoment) {
  Write("image.bin", Pattern(k32K));
  struct Row {
    const char* what;
    std::vector<progsim::Fault> faults;
    std::vector<std::string> args;
    int status;
    const char* said;  // on stdout or stderr
  } rows[] = {
      {"no reply in the middle",
       {{progsim::Fault::Silent, 10}},
       {"-d", "27C256", "blank"},
       3,
       "kv9: the programmer stopped answering\n"},
      // 0x56; the reset; 0x10, 0x1C; 16 reads; then the closing 0x1E
      {"lost in the closing reset",
       {{progsim::Fault::Lose, 22}},
       {"-d", "27C256", "blank"},
       3,
       "Programmer no longer present, Click Here to Find Programmer...."},
      {"no reply in the closing reset",
       {{progsim::Fault::Silent, 22}},
       {"-d", "27C256", "verify", "image.bin"},
       3,
       "kv9: the programmer stopped answering\n"},
      {"a range past the buffer",
       {},
       {"-d", "27C256", "--split", "odd", "--buffer-start", "800000", "verify", "image.bin"},
       2,
       "Nothing was verified."},
  };
  for (const Row& r : rows) {
    Plug(Faults(r.faults));
    EXPECT_EQ(Run(r.args), r.status) << r.what;
    EXPECT_NE((out.str() + err.str()).find(r.said), std::string::npos)
        << r.what << ": " << err.str();
    EXPECT_EQ(out.str().find("Device Verified"), std::string::npos) << r.what;
    if (r.status == 2) {
      EXPECT_EQ(Count_Sent(0x20), 0u) << r.what;
    }
  }
}

TEST_F(DeviceCommandsTest, NoProgrammerExitsThreeAfterTheInputIsChecked) {
  progsim::Options none;
  none.serials.clear();
  Plug(none);
  EXPECT_EQ(Run({"-d", "27C256", "blank"}), 3);
  EXPECT_EQ(out.str(), "Programmer Not Found or is no longer present....\n");
  EXPECT_NE(err.str().find("The Quillon Programmer III Could Not Be Found....\n"),
            std::string::npos);
  EXPECT_EQ(Run({"-d", "27C256", "verify", "missing.bin"}), 2);  // the file fails first
}

TEST_F(DeviceCommandsTest, OldFirmwareIsToldAndTheRunGoesOn) {
  progsim::Options old;
  old.fw_minor = 5;
  Plug(old);
  EXPECT_EQ(Run({"-d", "27C256", "blank"}), 0);
  EXPECT_EQ(out.str(), "Device is Erased....\n");
  EXPECT_NE(err.str().find("kv9: the programmer's firmware 3.05 is older than the 3.61 this "
                           "software requires; going on with it"),
            std::string::npos);
  EXPECT_EQ(Count_Sent(0x5A), 0u);  // nothing was flashed
}

TEST_F(DeviceCommandsTest, EraseByTheDevicesProcedure) {
  Write("image.bin", Pattern(0x100));
  ASSERT_EQ(Run({"-d", "Am29F010", "--end", "FF", "program", "image.bin"}), 0);
  Plug();
  EXPECT_EQ(Run({"-d", "Am29F010", "erase"}), 0);
  EXPECT_EQ(out.str(), "Device is Erased....\n");
  EXPECT_EQ(sim->Chip().Read(0), 0xFF);
  EXPECT_EQ(Count_Sent(0x40), 1u);

  Plug(Faults({{progsim::Fault::Fail_Erase, 1}}));
  EXPECT_EQ(Run({"-d", "Am29F010", "erase"}), 1);
  EXPECT_EQ(out.str(), "Device is NOT Erased....\n");
}

TEST_F(DeviceCommandsTest, CtrlCStopsAtTheNextBlockAndResetsTheProgrammer) {
  Write("image.bin", Pattern(k32K));
  int blocks = 0;
  sim->intercept = [&](const progsim::Transfer& t, std::vector<uint8_t>&) {
    if (t.Code() == 0x30 && ++blocks == 4) std::raise(SIGINT);
    return false;
  };
  EXPECT_EQ(Run({"-d", "27C256", "program", "image.bin"}), 130);
  EXPECT_EQ(Count_Sent(0x30), 4u);
  EXPECT_EQ(Count_Sent(0x20), 0u);
  EXPECT_EQ(Sent_Codes().back(), 0x53);  // left reset, its supplies off
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(err.str(), "kv9: stopped by Ctrl-C\n");  // nothing of a programmer lost
  EXPECT_EQ(err.str().find("stopped answering"), std::string::npos);

  sim->intercept = nullptr;
  EXPECT_EQ(Run({"-d", "27C256", "verify", "image.bin", "--end", "1FFF"}), 0);  // starts afresh
}

TEST_F(DeviceCommandsTest, SecurityProgramsTheChosenBit) {
  EXPECT_EQ(Run({"-d", "AT89C51", "security", "2"}), 0);
  EXPECT_EQ(out.str(), "Security Bit 2 has been programmed...\n");
  ASSERT_EQ(Count_Sent(0x3C), 1u);
  EXPECT_EQ(sim->Lock_Bits(), 0b10);
}

}  // namespace
}  // namespace memprog::cli
