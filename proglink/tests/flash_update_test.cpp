// The firmware update against the simulated programmer's update support.
#include <cstring>

#include "common/atomic_file.h"
#include "common/tests/bad_files.h"
#include "link_fixture.h"

namespace proglink {
namespace {

constexpr size_t kPacket = 2058;

// An update file of K packets carrying version 3.70, with the check bytes the simulated
// programmer will report (or wrong ones), and `trailing` bytes after the packets.
std::string Update_File(int packets, bool right_check = true, size_t trailing = 0) {
  std::string f(16, '\0');
  std::memcpy(&f[2], "Update File\x06", 12);
  uint16_t sum = 0;
  for (int k = 0; k < packets; ++k) {
    std::string p(kPacket, '\0');
    p[0] = 0x5A;
    p[2] = static_cast<char>((k * 0x100) >> 8);
    p[3] = static_cast<char>(k * 0x100);
    p[4] = 3, p[5] = 70;
    p[7] = 0x55;  // the host replaces it with the checksum
    for (size_t i = 8; i < kPacket; ++i) {
      p[i] = static_cast<char>(i * 7 + k);
      sum = static_cast<uint16_t>(sum + static_cast<uint8_t>(p[i]));
    }
    f += p;
  }
  if (!right_check) sum ^= 0x0101;
  f[14] = static_cast<char>(sum >> 8);
  f[15] = static_cast<char>(sum);
  f += std::string(trailing, '\x77');
  return f;
}

class FlashUpdateTest : public LinkTest {
 protected:
  void SetUp() override {
    Connect();
    link.Open_Dialog_Name = &dialog_name;
    link.Enable_Controls = [this] { ++enabled; };
    link.Disable_Controls = [this] { ++disabled; };
  }
  std::string Write(const std::string& contents) {
    std::string path = ::testing::TempDir() + "update.bin";
    EXPECT_EQ(common::Write_Whole_File(path, contents), "");
    return path;
  }
  std::vector<progsim::Transfer> Firmware_Packets() {
    std::vector<progsim::Transfer> out;
    for (auto& t : Sent())
      if (t.data.size() + 8 == kPacket) out.push_back(t);
    return out;
  }
  std::string dialog_name = "buffer.hex";
  int enabled = 0, disabled = 0;
};

TEST_F(FlashUpdateTest, PacketsGoAsStoredWithTheChecksumAndTheCheckIsReported) {
  host.files = {Write(Update_File(3))};
  link.Flash_Update();
  auto packets = Firmware_Packets();
  ASSERT_EQ(packets.size(), 3u);
  for (auto& p : packets) {
    EXPECT_TRUE(p.refused.empty());
    EXPECT_EQ(p[7], Link::Checksum(p.header.data()));
  }
  auto sent = Sent();
  EXPECT_EQ(sent[sent.size() - 2].Code(), 0xAA);
  EXPECT_EQ(sent[sent.size() - 2][1], 0x43);
  EXPECT_EQ(sent.back().Code(), 0x53);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Good Update...");
  auto& lines = link.Memo1().Lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].substr(0, 11), "Expected - ");
  EXPECT_EQ(lines[1].substr(0, 11), "Found    - ");
  EXPECT_EQ(lines[0].substr(11), lines[1].substr(11));
  EXPECT_EQ(controls["Quit_Func_But"].caption, "&Quit = 00000");
  EXPECT_EQ(link.Write_Len, 8u);
  EXPECT_EQ(dialog_name, "buffer.hex");  // restored
  EXPECT_EQ(enabled, 1);
  EXPECT_EQ(disabled, 1);
  EXPECT_TRUE(controls["MainForm"].enabled);
  EXPECT_FALSE(link.Memo1().Visible());
  // The programmer now runs the new firmware, without a new search.
  EXPECT_EQ(sim->Firmware_Version(), 3 * 256 + 70);
}

TEST_F(FlashUpdateTest, QuitButtonShowsEachPacketsFlashAddress) {
  host.files = {Write(Update_File(3))};
  link.Flash_Update();
  EXPECT_EQ(host.Captions_Of("Quit_Func_But"),
            (std::vector<std::string>{"0000", "0800", "1000", "&Quit = 00000"}));
}

TEST_F(FlashUpdateTest, AFileWithoutAWholePacketIsRefusedNotReportedGood) {
  for (size_t trailing : {size_t{0}, kPacket - 1}) {
    host.messages.clear();
    host.files = {Write(Update_File(0, true, trailing))};
    link.Flash_Update();
    EXPECT_TRUE(Sent().empty()) << trailing;
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "Invalid File Type...\r\nCan Not Update Units With This File......");
  }
}

TEST_F(FlashUpdateTest, BadFilesAreInvalidWithoutWaitingAndNothingIsSent) {
  common::testing::Hang_Guard guard;
  for (const auto& f : common::testing::Make_Bad_Files(::testing::TempDir() + "bad_fw", 163840)) {
    host.messages.clear();
    host.files = {f.path};
    link.Flash_Update();
    EXPECT_TRUE(Sent().empty()) << f.what;
    ASSERT_EQ(host.messages.size(), 1u) << f.what;
    EXPECT_EQ(host.messages[0].text,
              "Invalid File Type...\r\nCan Not Update Units With This File......");
  }
}

TEST_F(FlashUpdateTest, TrailingBytesThatDoNotFillAPacketAreIgnored) {
  for (size_t trailing : {size_t{1}, kPacket - 1}) {
    sim->Clear_Log();
    host.files = {Write(Update_File(2, true, trailing))};
    link.Flash_Update();
    EXPECT_EQ(Firmware_Packets().size(), 2u) << trailing;
  }
}

TEST_F(FlashUpdateTest, WrongCheckBytesReportABadUpdate) {
  host.files = {Write(Update_File(1, false))};
  link.Flash_Update();
  EXPECT_EQ(host.messages.at(0).text, "Warning: Bad Update...");
}

TEST_F(FlashUpdateTest, BadSignatureOrUnreadableFileSendsNothing) {
  std::string bad = Update_File(1);
  bad[5] = 'x';
  for (const std::string& path :
       {Write(bad), std::string("/nonexistent/update.bin"), Write(std::string("\0\0Update", 8))}) {
    host.messages.clear();
    sim->Clear_Log();
    host.files = {path};
    link.Flash_Update();
    EXPECT_TRUE(Sent().empty()) << path;
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              "Invalid File Type...\r\nCan Not Update Units With This File......");
    EXPECT_EQ(dialog_name, "buffer.hex");
  }
}

TEST_F(FlashUpdateTest, CancelledDialogKeepsTheFileNameAndEnablesTheWindow) {
  link.Flash_Update();
  EXPECT_TRUE(Sent().empty());
  EXPECT_EQ(host.dialogs.at(0).file_name, "buffer.hex");
  EXPECT_EQ(dialog_name, "buffer.hex");
  EXPECT_TRUE(controls["MainForm"].enabled);
  EXPECT_EQ(enabled, 1);
}

TEST_F(FlashUpdateTest, TimeOutInTheMiddleGoesOnAndReportsABadUpdate) {
  progsim::Options o;
  o.faults = {{progsim::Fault::Silent, 3}};  // identify, then packet 1, then packet 2 unanswered
  Connect(o);
  link.Open_Dialog_Name = &dialog_name;
  host.files = {Write(Update_File(3))};
  link.Flash_Update();
  EXPECT_EQ(Firmware_Packets().size(), 3u);  // carries on with the rest
  EXPECT_FALSE(link.Log().Lines().empty());
  // The wait that timed out left Stop_Code set, so what follows gives up too: a bad update.
  EXPECT_EQ(host.messages.at(0).text, "Warning: Bad Update...");
}

class Mcu9FlashTest : public LinkTest {
 protected:
  Mcu9FlashTest() : LinkTest(Variant::Mcu9()) {}
};

TEST_F(Mcu9FlashTest, NoBusySetsAndTheFileNameIsNotRestored) {
  Connect();
  std::string name = "prog.hex";
  int calls = 0;
  link.Open_Dialog_Name = &name;
  link.Enable_Controls = link.Disable_Controls = [&] { ++calls; };
  std::string path = ::testing::TempDir() + "mcu_update.bin";
  ASSERT_EQ(common::Write_Whole_File(path, Update_File(1)), "");
  host.files = {path};
  link.Flash_Update();
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(name, path);
  EXPECT_EQ(controls["Quit_Add"].caption, "0000");
  EXPECT_EQ(host.messages.at(0).text, "Good Update...");
}

}  // namespace
}  // namespace proglink
