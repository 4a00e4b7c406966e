// The device operations on the simulated programmer: verdicts, exit statuses, mismatch lines,
// the part's own words, failed blocks and a programmer that goes away.
#include <csignal>
#include <filesystem>

#include "common/hex.h"
#include "mcu9_fixture.h"
#include "picprog/cli/session.h"
#include "proglink/testing/verdict_reports_check.h"

namespace picprog::cli {
namespace {

using progsim::Fault;
using progsim::Pic_Chip;

class Mcu9DeviceTest : public Mcu9Test {};

// A reworded status text or one more message box must not change what mcu9 tells its caller.
TEST(VerdictReports, EachVerdictHasItsExitStatusVerdictLineAndNote) {
  proglink::Expect_Verdict_Reports<Session>("mcu9");
}

TEST_F(Mcu9DeviceTest, ProgramVerifyAndReadA16F877A) {
  Plug("16F877A");
  const auto words = Words(0x3FFF, 0x1FFF, 0x3FFF);
  Write_Words("image.bin", words);
  ASSERT_EQ(Run({"-d", "16F877A", "program", "image.bin"}), 0) << err.str();
  EXPECT_EQ(out.str(), "Device is Programmed...\nDevice Verified to Buffer...\n");
  EXPECT_EQ(err.str(),
            "mcu9: the 16F877A is programmed in program memory only: its ID words and "
            "configuration word keep what they hold\n");
  EXPECT_EQ(Sent_With(0x30).size(), 8u);  // eight blocks of 1024 words
  for (unsigned a = 0; a <= 0x1FFF; ++a) ASSERT_EQ(Chip().Word(a), words[a]) << a;

  // The file has no device ID; the part's own is not held against it.
  ASSERT_EQ(Run({"-d", "16F877A", "verify", "image.bin"}), 0) << out.str();
  EXPECT_EQ(out.str(), "Device Verified to Buffer...\n");

  ASSERT_EQ(Run({"-d", "16F877A", "read", "back.bin"}), 0);
  uint16_t sum = 0;
  for (unsigned a = 0; a <= 0x1FFF; ++a) sum = static_cast<uint16_t>(sum + words[a]);
  EXPECT_EQ(out.str(),
            "Device Has Been Moved to Buffer...\nChecksum=" + common::Hex(sum, 4) + "\n");
  const auto back = Read_Words("back.bin");
  ASSERT_EQ(back.size(), kFile_Words);
  for (unsigned a = 0; a <= 0x1FFF; ++a) ASSERT_EQ(back[a], words[a]) << a;
  EXPECT_EQ(back[0x2000], 0x00FF);  // erased data EEPROM bytes
  EXPECT_EQ(back[0x20FF], 0x00FF);
  EXPECT_EQ(back[0x2105], 0x3FFF);
  EXPECT_EQ(back[0x2106], 0x0E20);  // the device ID
  EXPECT_EQ(back[kConfig_Word], 0x3FFF);

  // A device ID the file does state is compared.
  auto other = words;
  other[0x2106] = 0x0E00;
  Write_Words("other.bin", other);
  EXPECT_EQ(Run({"-d", "16F877A", "verify", "other.bin"}), 1);
  EXPECT_EQ(out.str(),
            "2106  EXPECTED-0E00  FOUND-0E20\n1 mismatch, the first at 2106\n"
            "Device Did NOT Verify to Buffer...\n");
}

TEST_F(Mcu9DeviceTest, TheCalibrationWordOfA12C508IsKept) {
  Plug("12C508/A");
  auto words = Words(0x0FFF, 0x1FE, 0x0FFF);  // a compiler's file: nothing at 01FF
  words[0x2100] = 0x0001;
  words[0x2103] = 0x0004;
  Write_Words("image.bin", words);
  ASSERT_EQ(Run({"-d", "12C508/A", "program", "image.bin"}), 0) << out.str() << err.str();
  EXPECT_EQ(out.str(), "Device is Programmed...\nDevice Verified to Buffer...\n");
  EXPECT_TRUE(err.str().empty());
  EXPECT_EQ(Chip().Word(0x1FF), 0x0C60);
  for (unsigned a = 0; a < 0x1FF; ++a) ASSERT_EQ(Chip().Word(a), words[a]) << a;
  EXPECT_EQ(Chip().Word(0x200), 0x0001);  // the ID words follow program memory
  EXPECT_EQ(Chip().Word(0x203), 0x0004);
  // The part was read before it was programmed.
  const auto sent = sim->Sent();
  auto first_read =
      std::find_if(sent.begin(), sent.end(), [](auto& t) { return t.Code() == 0x20; });
  auto first_write =
      std::find_if(sent.begin(), sent.end(), [](auto& t) { return t.Code() == 0x30; });
  EXPECT_LT(first_read, first_write);

  ASSERT_EQ(Run({"-d", "12C508/A", "verify", "image.bin"}), 0) << out.str();
  EXPECT_EQ(out.str(), "Device Verified to Buffer...\n");
  ASSERT_EQ(Run({"-d", "12C508/A", "read", "back.bin"}), 0);
  const auto back = Read_Words("back.bin");
  EXPECT_EQ(back[0x1FF], 0x0C60);
  EXPECT_EQ(back[0x2100], 0x0001);

  // A calibration value from another part is not written over this one's.
  words[0x1FF] = 0x0C12;
  Write_Words("other.bin", words);
  EXPECT_EQ(Run({"-d", "12C508/A", "program", "other.bin"}), 0);
  EXPECT_EQ(err.str(),
            "mcu9: word 01FF of other.bin is 0C12; the part's own calibration word 0C60 is "
            "kept\n");
  const auto blocks = Sent_With(0x30);
  ASSERT_FALSE(blocks.empty());
  const auto& program_block = blocks.front();
  EXPECT_EQ(Data_Word(program_block, 0x1FF), 0x0C60);
  EXPECT_EQ(Chip().Word(0x1FF), 0x0C60);
}

TEST_F(Mcu9DeviceTest, The12F675KeepsItsCalibrationAndBandGapBits) {
  Plug("12F675");
  auto words = Words(0x3FFF, 0x3FE, 0x3FFF);
  words[kConfig_Word] = 0x31C4;  // band-gap bits 11, as a file cannot know them
  Write_Words("image.bin", words);
  ASSERT_EQ(Run({"-d", "12F675", "program", "image.bin"}), 0) << out.str() << err.str();
  EXPECT_TRUE(err.str().empty());
  EXPECT_EQ(Chip().Word(0x3FF), 0x3484);
  EXPECT_EQ(Chip().Word(Pic_Chip::kConfig14), 0x11C4);  // the factory's 01 in bits 13..12
  ASSERT_EQ(Run({"-d", "12F675", "verify", "image.bin"}), 0) << out.str();
}

TEST_F(Mcu9DeviceTest, APartWithoutItsCalibrationIsToldOf) {
  Plug("12F508");
  Chip().Program(0x1FF, 0x0000);
  Write_Words("image.bin", Words(0x0FFF, 0x1FE, 0x0FFF));
  EXPECT_EQ(Run({"-d", "12F508", "program", "image.bin"}), 1);  // 0FFF does not take over 0000
  EXPECT_EQ(err.str(),
            "mcu9: the part shows no calibration value at 01FF (it reads 0000): it may be code "
            "protected, or its calibration is lost\n");
  EXPECT_EQ(out.str(), "Device DID NOT Program...\n");
}

TEST_F(Mcu9DeviceTest, BlankCheckAfterErase) {
  // The window's settings file names another part and a last file: neither is used or touched.
  const std::string settings = "97\n1\n0\n8191\nlast.hex\n";
  Write_Text("Win_Mcu9.Cfg", settings);
  Write_Words("image.bin", Words(0x3FFF, 0x3FF, 0x3FFF));
  ASSERT_EQ(Run({"-d", "16F84/A", "program", "image.bin"}), 0);
  EXPECT_EQ(Run({"-d", "16F84/A", "blank"}), 1);
  EXPECT_EQ(Out_Lines().front(), "0000  EXPECTED-3FFF  FOUND-0111");
  EXPECT_EQ(Out_Lines().back(), "Device is NOT Erased...");

  EXPECT_EQ(Run({"-d", "16F84/A", "erase"}), 0);
  EXPECT_TRUE(out.str().empty());  // the window says nothing when an erase went well
  EXPECT_TRUE(err.str().empty());
  EXPECT_EQ(Run({"-d", "16F84/A", "blank"}), 0);
  EXPECT_EQ(out.str(), "Device is Erased...\n");
  const auto kept = Read("Win_Mcu9.Cfg");
  EXPECT_EQ(std::string(kept.begin(), kept.end()), settings);
}

TEST_F(Mcu9DeviceTest, DataEepromProgramAndVerify) {
  Plug("16F877A");
  auto words = Words(0x3FFF, 0, 0);
  for (unsigned i = 0; i < 256; ++i) words[0x2000 + i] = static_cast<uint16_t>((i * 7 + 3) & 0xFF);
  Write_Words("ee.bin", words);
  ASSERT_EQ(Run({"-d", "16F877A", "program-ee", "ee.bin"}), 0);
  EXPECT_EQ(out.str(), "EEprom Programmed....\n");
  for (uint16_t i = 0; i < 256; ++i) ASSERT_EQ(Chip().Data(i), words[0x2000 + i]) << i;
  ASSERT_EQ(Sent_With(0x30).size(), 1u);
  EXPECT_EQ(Sent_With(0x30)[0].data.size(), 2u * 256 + 1);

  ASSERT_EQ(Run({"-d", "16F877A", "verify-ee", "ee.bin"}), 0);
  EXPECT_EQ(out.str(), "EEprom Verified to Buffer....\n");
  words[0x2005] = 0x00AA;
  Write_Words("other.bin", words);
  EXPECT_EQ(Run({"-d", "16F877A", "verify-ee", "other.bin"}), 1);
  EXPECT_EQ(out.str(),
            "2005  EXPECTED-00AA  FOUND-" + common::Hex(5 * 7 + 3, 4) +
                "\n1 mismatch, the first at 2005\nEEprom Did NOT Verify to Buffer....\n");
}

TEST_F(Mcu9DeviceTest, VerifyVoltageGoesOutAsTheVccCode) {
  Write_Words("blank.bin", std::vector<uint16_t>(kFile_Words, 0x3FFF));
  const std::pair<const char*, uint8_t> kVolts[] = {{"3", 0}, {"5", 2}, {"6", 66}};
  for (auto [volts, code] : kVolts) {
    Plug();
    ASSERT_EQ(Run({"-d", "16F84/A", "verify", "blank.bin", "--verify-voltage", volts}), 0)
        << out.str();
    const auto begins = Sent_With(0x10);
    ASSERT_EQ(begins.size(), 2u);  // the read of the part's own words, then the verify
    EXPECT_EQ(begins[0][1], 2);
    EXPECT_EQ(begins[1][1], code) << volts;
  }
  Plug("16F877A");
  Write_Words("ee.bin", Words(0x3FFF, 0, 0));
  ASSERT_EQ(Run({"-d", "16F877A", "verify-ee", "ee.bin", "--verify-voltage", "3"}), 0);
  for (const auto& begin : Sent_With(0x10)) EXPECT_EQ(begin[1], 0);
}

TEST_F(Mcu9DeviceTest, AFailedBlockExitsOne) {
  Plug("16F877A", {{Fault::Fail_Block, 3}});
  Write_Words("image.bin", Words(0x3FFF, 0x1FFF, 0x3FFF));
  EXPECT_EQ(Run({"-d", "16F877A", "program", "image.bin"}), 1);
  EXPECT_EQ(out.str(), "Device DID NOT Program...\n");
  EXPECT_EQ(Sent_With(0x30).size(), 3u);  // nothing after the failed block
}

TEST_F(Mcu9DeviceTest, ALostProgrammerExitsThree) {
  Plug("16F877A", {{Fault::Lose, 12}});
  Write_Words("image.bin", Words(0x3FFF, 0x1FFF, 0x3FFF));
  EXPECT_EQ(Run({"-d", "16F877A", "program", "image.bin"}), 3);
  EXPECT_EQ(Out_Lines().back(), "Programmer no longer present, Click Here to Find Programmer....");

  Plug("16F877A", {{Fault::Lose, 12}});
  EXPECT_EQ(Run({"-d", "16F877A", "read", "partial.bin"}), 3);
  EXPECT_FALSE(std::filesystem::exists("partial.bin"));  // no file from an unfinished read

  // Lost while the part's own words are read: nothing is programmed.
  Plug("12C508/A", {{Fault::Lose, 8}});
  EXPECT_EQ(Run({"-d", "12C508/A", "program", "image.bin"}), 3);
  EXPECT_TRUE(Sent_With(0x30).empty());
}

TEST_F(Mcu9DeviceTest, AProgrammerThatStopsAnsweringExitsThree) {
  Plug("16F84/A", {{Fault::Silent, 10}});
  EXPECT_EQ(Run({"-d", "16F84/A", "blank"}), 3);
  EXPECT_EQ(out.str(), "Blank Check Stopped Before the End...\n");  // the link's line is no result
  EXPECT_NE(err.str().find("Programmer no longer present... PortStatus-"), std::string::npos);
  EXPECT_NE(err.str().find("mcu9: the programmer stopped answering\n"), std::string::npos);
}

TEST_F(Mcu9DeviceTest, NoProgrammerExitsThreeAfterTheInputIsChecked) {
  progsim::Options none;
  none.serials.clear();
  sim = &progsim::Install(none);
  EXPECT_EQ(Run({"-d", "16F84/A", "blank"}), 3);
  EXPECT_EQ(out.str(), "Programmer Not Found or is no longer present....\n");
  EXPECT_EQ(Run({"-d", "16F84/A", "verify", "missing.bin"}), 2);  // the file fails first
  EXPECT_EQ(Run({"probe"}), 3);
}

TEST_F(Mcu9DeviceTest, CtrlCStopsAtTheNextBlockAndResetsTheProgrammer) {
  Plug("16F877A");
  Write_Words("image.bin", Words(0x3FFF, 0x1FFF, 0x3FFF));
  int blocks = 0;
  sim->intercept = [&](const progsim::Transfer& t, std::vector<uint8_t>&) {
    if (t.Code() == 0x30 && ++blocks == 3) std::raise(SIGINT);
    return false;
  };
  EXPECT_EQ(Run({"-d", "16F877A", "program", "image.bin"}), 130);
  EXPECT_EQ(Sent_With(0x30).size(), 3u);
  EXPECT_EQ(sim->Sent().back().Code(), 0x53);  // left reset
  EXPECT_EQ(out.str(), "");
  EXPECT_NE(err.str().find("mcu9: stopped by Ctrl-C\n"), std::string::npos);
  EXPECT_EQ(err.str().find("present"), std::string::npos);  // nothing of a programmer lost
}

// A part whose calibration word reads as lost could never be erased from the command line.
TEST_F(Mcu9DeviceTest, YesAllowsErasingAPartWhoseCalibrationLooksLost) {
  Plug("12F509");
  ASSERT_TRUE(Chip().Program(progsim::Pic_Chip::kConfig12, 0x0FF7));  // protected: reads 0
  EXPECT_EQ(Run({"-d", "12F509", "erase"}), 1);
  EXPECT_NE(err.str().find("Erase anyway?"), std::string::npos);
  EXPECT_NE(err.str().find("(answered No: --yes answers Yes)"), std::string::npos);
  EXPECT_TRUE(Chip().Code_Protected());

  EXPECT_EQ(Run({"-d", "12F509", "erase", "--yes"}), 0);
  EXPECT_NE(err.str().find("(answered Yes: --yes)"), std::string::npos);
  EXPECT_FALSE(Chip().Code_Protected());
}

TEST_F(Mcu9DeviceTest, FirmwareUpdateFromTheStartAddKey) {
  Write("notes.bin", std::vector<uint8_t>(100, 0x41));
  EXPECT_EQ(Run({"firmware", "notes.bin"}), 2);
  EXPECT_NE(err.str().find("Invalid File Type...\nCan Not Update Units With This File......\n"),
            std::string::npos);
  EXPECT_TRUE(Sent_With(0x5A).empty());

  // A header with the signature, one packet and its 16-bit sum.
  std::vector<uint8_t> file(16);
  const char signature[] = "Update File\x06";
  std::copy(signature, signature + 12, file.begin() + 2);
  std::vector<uint8_t> packet(2058, 0x11);
  packet[0] = 0x5A;
  packet[2] = packet[3] = 0;
  packet[4] = 3;
  packet[5] = 62;
  const uint16_t sum = static_cast<uint16_t>(0x11 * (2058 - 8));
  file.insert(file.end(), packet.begin(), packet.end());
  file[14] = static_cast<uint8_t>(sum >> 8);
  file[15] = static_cast<uint8_t>(sum);
  Write("update.bin", file);
  EXPECT_EQ(Run({"firmware", "update.bin"}), 0);
  EXPECT_EQ(out.str(), "Expected - 8822\nFound    - 8822\nGood Update...\n");
  EXPECT_EQ(sim->Firmware_Version(), 3 * 256 + 62);
}

TEST_F(Mcu9DeviceTest, ProbeAndAProgressLineOnATerminal) {
  EXPECT_EQ(Run({"probe"}), 0);
  EXPECT_EQ(out.str(),
            "FTKV9USB\nUsb Programmer Found - FirmWare Version 3.61\n"
            "FTDI device 0403:6001 serial FTKV9USB: opened\n");

  Plug("16F877A");
  Write_Words("image.bin", Words(0x3FFF, 0x1FFF, 0x3FFF));
  out.str("");
  err.str("");
  EXPECT_EQ(Run_Mcu9({"-d", "16F877A", "program", "image.bin"}, out, err, true), 0);
  EXPECT_EQ(out.str(), "Device is Programmed...\nDevice Verified to Buffer...\n");
  const std::string e = err.str();
  EXPECT_NE(e.find("Programming Device from Buffer... [#####...............]  25% 0800"),
            std::string::npos)
      << e;
  EXPECT_EQ(e.substr(e.size() - 4), "\r\033[K");
}

}  // namespace
}  // namespace picprog::cli
