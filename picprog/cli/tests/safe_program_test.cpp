// program as a production tool keeps parts safe: it verifies what it wrote, --erase erases and
// blank-checks first, --check-id programs only the part its device ID names, and what a part
// cannot honour is refused before anything is sent.
#include <algorithm>

#include "mcu9_fixture.h"
#include "picprog/catalogue/catalogue.h"
#include "picprog/catalogue/device_ids.h"

namespace picprog::cli {
namespace {

using progsim::Fault;

class Mcu9SafeProgramTest : public Mcu9Test {
 protected:
  // Where in what was sent since the log was cleared the last command `code` went; -1 for none.
  long Last_Sent(uint8_t code) const {
    const std::vector<uint8_t> codes = proglink::Sent_Codes(*sim);
    auto at = std::find(codes.rbegin(), codes.rend(), code);
    return at == codes.rend() ? -1 : static_cast<long>(codes.rend() - at) - 1;
  }
};

TEST_F(Mcu9SafeProgramTest, ProgramVerifiesWhatItWroteUnlessToldNot) {
  struct Case {
    std::vector<std::string> options;
    std::vector<Fault> faults;
    int status;
    const char* out;
    bool read_back;
  };
  const Case cases[] = {
      {{}, {}, 0, "Device is Programmed...\nDevice Verified to Buffer...\n", true},
      {{"--no-verify"}, {}, 0, "Device is Programmed...\n", false},
      {{}, {{Fault::Fail_Block, 1}}, 1, "Device DID NOT Program...\n", false},
  };
  Write_Words("image.bin", Words(0x3FFF, 0x3FF, 0x3FFF));
  for (const Case& c : cases) {
    Plug("16F84/A", c.faults);
    std::vector<std::string> args = {"-d", "16F84/A", "program", "image.bin"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    EXPECT_EQ(Run(args), c.status) << c.out;
    EXPECT_EQ(out.str(), c.out);
    EXPECT_EQ(Last_Sent(0x20) > Last_Sent(0x30), c.read_back) << c.out;
  }
}

TEST_F(Mcu9SafeProgramTest, WhatThePartCannotHonourIsRefusedBeforeAnythingIsSent) {
  struct Case {
    std::vector<std::string> args;
    const char* says;
  };
  const Case cases[] = {
      {{"-d", "12C508/A", "--erase"},
       "mcu9: the 12C508/A cannot be erased electrically: --erase does not apply\n"},
      {{"-d", "16F83", "--check-id"},
       "mcu9: the 16F83 has no device ID: --check-id cannot tell it from another part\n"},
      // Protected code reads back as zeros: a verify would fail a good part.
      {{"-d", "16F84/A", "--fuse", "000D"},
       "mcu9: the configuration word 000D turns code protection on: the part could not be read "
       "back to verify it; give --no-verify to program it without the verify\n"},
  };
  Write_Words("image.bin", Words(0x3FFF, 0x1FF, 0x3FFF));
  for (const Case& c : cases) {
    std::vector<std::string> args = c.args;
    args.insert(args.end(), {"program", "image.bin"});
    EXPECT_EQ(Run(args), 2) << c.says;
    EXPECT_EQ(err.str().find(c.says), 0u) << err.str();
    EXPECT_TRUE(sim->Sent().empty()) << c.says;
  }
}

// The part is programmed only when its device ID names the part selected; an erased ID word is
// not taken for it.
TEST_F(Mcu9SafeProgramTest, CheckIdProgramsOnlyThePartItsDeviceIdNames) {
  struct Case {
    const char* socket;
    int status;
    const char* found;
    const char* why;
  };
  const Case cases[] = {
      {"16F84/A", 0, "16F84/A (device ID word 0560)", ""},
      {"16F628", 1, "16F628 or 16LF628 (device ID word 07C0)",
       "mcu9: the socket holds a 16F628 or 16LF628, not the 16F84/A; nothing was written\n"},
      {"16F83", 1, "device ID word 3FFF",
       "mcu9: the answer names no part: the socket may hold another part than the 16F84/A, or "
       "none; nothing was written\n"},
  };
  Write_Words("image.bin", Words(0x3FFF, 0x3FF, 0x3FFF));
  for (const Case& c : cases) {
    Plug(c.socket);
    EXPECT_EQ(Run({"-d", "16F84/A", "program", "--check-id", "image.bin"}), c.status) << c.socket;
    EXPECT_EQ(Out_Lines().front(), std::string("Electronic ID: ") + c.found);
    EXPECT_EQ(err.str(), c.why);
    EXPECT_EQ(Sent_With(0x30).empty(), c.status != 0) << c.socket;
  }
}

// The device-ID table against the parts themselves: a wrong row would turn good parts away.
TEST_F(Mcu9SafeProgramTest, EveryPartWithADeviceIdIsTakenForItself) {
  Write_Words("blank.bin", Words(0x3FFF, 0, 0x3FFF));
  int parts = 0;
  for (const Pic_Device& d : Pic_Devices) {
    if (!Device_Id_Of(d.caption)) continue;
    ++parts;
    const std::string caption(d.caption);
    Plug(caption);
    EXPECT_EQ(Run({"-d", caption, "program", "--check-id", "--no-verify", "blank.bin"}), 0)
        << caption << out.str() << err.str();
  }
  EXPECT_EQ(parts, 41);  // every row names a part of the catalogue
}

// Parts whose flash bits only fall take other words only after an erase; the erase keeps a
// factory calibration, which the blank check after it does not hold against the part.
TEST_F(Mcu9SafeProgramTest, EraseFirstLetsAFlashPartTakeNewWordsAndKeepsItsCalibration) {
  struct Case {
    const char* part;
    uint16_t last;  // program words the files hold
    uint16_t mask;
    const char* note;
  };
  const Case cases[] = {
      {"16F877A", 0x1FFF, 0x3FFF,
       "mcu9: the 16F877A is programmed in program memory only: its ID words and configuration "
       "word keep what they hold\n"},
      {"12F683", 0x7FF, 0x3FFF, ""},
      {"12F509", 0x3FE, 0x0FFF, "mcu9: word 03FF keeps the part's calibration value\n"},
  };
  for (const Case& c : cases) {
    Plug(c.part);
    const uint16_t cal = Chip().Word(0x3FF);
    Write_Words("old.bin", Words(c.mask, c.last, c.mask, 1));
    const auto words = Words(c.mask, c.last, c.mask, 2);
    Write_Words("new.bin", words);
    ASSERT_EQ(Run({"-d", c.part, "program", "old.bin"}), 0) << c.part << err.str();
    EXPECT_EQ(Run({"-d", c.part, "program", "new.bin"}), 1) << c.part;
    ASSERT_EQ(Run({"-d", c.part, "program", "--erase", "new.bin"}), 0) << c.part << out.str();
    EXPECT_EQ(out.str(),
              "Device is Erased...\nDevice is Programmed...\nDevice Verified to Buffer...\n");
    EXPECT_NE(err.str().find(c.note), std::string::npos) << err.str();
    for (unsigned a = 0; a <= c.last; ++a) ASSERT_EQ(Chip().Word(a), words[a]) << c.part << a;
    EXPECT_EQ(Chip().Word(0x3FF), c.last < 0x3FF ? cal : words[0x3FF]) << c.part;
  }
}

TEST_F(Mcu9SafeProgramTest, AnEraseThatDidNotRunStopsTheRunBeforeProgramming) {
  Plug("12F675");
  Write_Words("image.bin", Words(0x3FFF, 0x3FE, 0x3FFF));
  // Protected, it reads its calibration word as 0000: erasing would lose it, and nobody said Yes.
  ASSERT_EQ(Run({"-d", "12F675", "--fuse", "3174", "--no-verify", "program", "image.bin"}), 0)
      << err.str();
  sim->Clear_Log();
  EXPECT_EQ(Run({"-d", "12F675", "program", "--erase", "image.bin"}), 1);
  EXPECT_NE(err.str().find("Erase anyway?"), std::string::npos) << err.str();
  EXPECT_TRUE(Sent_With(0x30).empty());
}

}  // namespace
}  // namespace picprog::cli
