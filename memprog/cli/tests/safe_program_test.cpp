// program as a production tool keeps parts safe: bytes a file leaves out are programmed blank,
// --erase erases and blank-checks first, --check-id programs only the part the ID names.
#include <algorithm>
#include <filesystem>
#include <optional>

#include "cli_fixture.h"

namespace memprog::cli {
namespace {

class SafeProgramTest : public CliTest {
 protected:
  progsim::Options With_Id(std::optional<std::pair<uint8_t, uint8_t>> id) {
    progsim::Options o;
    o.id = id;
    return o;
  }
  // Where in the sent packets the first command `code` went; the end when none did.
  size_t First_Sent(uint8_t code) const {
    const std::vector<uint8_t> codes = Sent_Codes();
    return static_cast<size_t>(std::find(codes.begin(), codes.end(), code) - codes.begin());
  }
};

TEST_F(SafeProgramTest, BytesAShortFileLeavesOutAreProgrammedBlankNotZero) {
  struct Case {
    const char* device;
    uint8_t blank;
  };
  for (const Case c : {Case{"27C256", 0xFF}, Case{"CY27C256", 0x00}}) {
    std::filesystem::remove("chip.bin");
    Plug();
    const auto image = Pattern(0x400);
    Write("small.bin", image);
    ASSERT_EQ(Run({"-d", c.device, "program", "small.bin"}), 0) << c.device << err.str();
    const auto chip = Read("chip.bin");
    ASSERT_EQ(chip.size(), 0x8000u) << c.device;
    EXPECT_TRUE(std::equal(image.begin(), image.end(), chip.begin())) << c.device;
    EXPECT_EQ(std::count(chip.begin() + 0x400, chip.end(), c.blank), 0x7C00) << c.device;
  }
}

// One part of each erase procedure, programmed over with other bytes: flash bits do not rise
// without the erase, so only an erase that ran lets the second image verify.
TEST_F(SafeProgramTest, EraseFirstLetsEachKindOfErasablePartTakeANewImage) {
  constexpr size_t k4K = 0x1000;  // the smallest of them, the AT89C51
  Write("old.bin", Pattern(k4K, 1));
  Write("new.bin", Pattern(k4K, 2));
  for (const char* device : {"27SF256", "Am29F010", "28F001BX", "AT89C51", "28F010"}) {
    std::filesystem::remove("chip.bin");
    Plug();
    ASSERT_EQ(Run({"-d", device, "--end", "FFF", "program", "old.bin"}), 0) << device;
    EXPECT_EQ(Run({"-d", device, "--end", "FFF", "program", "new.bin"}), 1) << device;
    Plug();
    ASSERT_EQ(Run({"-d", device, "--end", "FFF", "program", "--erase", "new.bin"}), 0)
        << device << out.str() << err.str();
    EXPECT_EQ(Out_Lines().front(), "Device is Erased....") << device;
    EXPECT_EQ(Out_Lines().back(), "Device Verified to Buffer....") << device;
    const auto chip = Read("chip.bin");
    EXPECT_TRUE(std::equal(chip.begin(), chip.begin() + k4K, Pattern(k4K, 2).begin())) << device;
  }
}

TEST_F(SafeProgramTest, OptionsThePartCannotHonourAreRefusedBeforeAnythingIsSent) {
  struct Case {
    const char* device;
    const char* option;
    const char* says;
  };
  const Case cases[] = {
      {"27C256", "--erase", "the 27C256 has no erase command: --erase does not apply"},
      {"28C256", "--erase", "the 28C256 has no erase command: --erase does not apply"},
      {"82S23", "--erase", "the 82S23 has no erase command"},
      {"28C256", "--check-id", "the 28C256 answers no electronic ID in the ID tables"},
  };
  Write("image.bin", Pattern(0x100));
  for (const Case& c : cases) {
    Plug();
    EXPECT_EQ(Run({"-d", c.device, "program", c.option, "image.bin"}), 2) << c.device;
    EXPECT_EQ(err.str().find(std::string("kv9: ") + c.says), 0u) << err.str();
    EXPECT_TRUE(sim->Sent().empty()) << c.device;
  }
}

TEST_F(SafeProgramTest, AFailedEraseStopsTheRunBeforeProgramming) {
  progsim::Options o;
  o.faults = {{progsim::Fault::Fail_Erase, 1}};
  Plug(o);
  Write("image.bin", Pattern(0x100));
  EXPECT_EQ(Run({"-d", "Am29F010", "program", "--erase", "image.bin"}), 1);
  EXPECT_EQ(out.str(), "Device is NOT Erased....\n");
  EXPECT_EQ(Count_Sent(0x30), 0u);
}

// The part is programmed only when its ID names the part selected; no answer is taken for it.
TEST_F(SafeProgramTest, CheckIdProgramsOnlyThePartTheIdNames) {
  struct Case {
    std::optional<std::pair<uint8_t, uint8_t>> id;
    int status;
    const char* found;
    const char* why;  // the line on stderr; "" for none
  };
  const Case cases[] = {
      {std::pair{0x89, 0x8C}, 0, "Mfg. Intel 27C256", ""},
      {std::pair{0x89, 0xFD}, 1, "Mfg. Intel 27C512",
       "kv9: the socket holds a 27C512, not the 27C256; nothing was written\n"},
      {std::pair{0x1F, 0x21}, 1, "Mfg. Atmel Flash 49F008T",
       "kv9: the socket holds a 49F008T, not the 27C256; nothing was written\n"},
      {std::nullopt, 1, "Mfg Id - FF Dev Id - FF",
       "kv9: the answer names no part: the socket may hold another part than the 27C256, or "
       "none; nothing was written\n"},
  };
  Write("image.bin", Pattern(0x8000));
  for (const Case& c : cases) {
    Plug(With_Id(c.id));
    EXPECT_EQ(Run({"-d", "27C256", "program", "--check-id", "image.bin"}), c.status) << c.found;
    EXPECT_EQ(Out_Lines().front(), std::string("Electronic ID: ") + c.found);
    EXPECT_EQ(err.str(), c.why);
    EXPECT_EQ(Count_Sent(0x30), c.status == 0 ? 16u : 0u) << c.found;
  }
}

TEST_F(SafeProgramTest, TheIdIsCheckedBeforeTheErase) {
  Write("image.bin", Pattern(0x100));
  Plug(With_Id(std::pair{0x01, 0x20}));  // Am29F010
  ASSERT_EQ(Run({"-d", "Am29F010", "program", "--erase", "--check-id", "image.bin"}), 0)
      << err.str();
  EXPECT_LT(First_Sent(0x18), First_Sent(0x40));
  EXPECT_LT(First_Sent(0x40), First_Sent(0x30));

  Plug(With_Id(std::pair{0x01, 0xA4}));  // Am29F040
  EXPECT_EQ(Run({"-d", "Am29F010", "program", "--erase", "--check-id", "image.bin"}), 1);
  EXPECT_EQ(Count_Sent(0x40), 0u);
}

}  // namespace
}  // namespace memprog::cli
