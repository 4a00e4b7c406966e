// The command line of mcu9: its options, what each command takes, and usage errors.
#include "picprog/cli/arguments.h"

#include "mcu9_fixture.h"
#include "proglink/testing/parse_result.h"

namespace picprog::cli {
namespace {

Arguments Parsed(std::vector<std::string> args) {
  return proglink::Accepted(Parse_Arguments(args));
}

std::string Problem(std::vector<std::string> args) {
  return proglink::Refusal(Parse_Arguments(args));
}

TEST(Mcu9Arguments, OptionsAndTheirValues) {
  Arguments a = Parsed({"verify", "-d", "16F877A", "fw.dat", "-fhex", "--verify-voltage=6",
                        "--fuse", "0x3f72", "--fill", "0"});
  EXPECT_EQ(a.id, Command::Verify);
  EXPECT_EQ(a.device, "16F877A");
  EXPECT_EQ(a.operands, std::vector<std::string>{"fw.dat"});
  EXPECT_EQ(a.in_format, kIntel_Hex);
  EXPECT_EQ(a.verify_volts, 2);
  EXPECT_EQ(a.fuse, 0x3F72);
  EXPECT_EQ(a.fill, "0");
  EXPECT_EQ(Parsed({"-d", "1", "verify-ee", "x.bin", "--verify-voltage", "3"}).verify_volts, 0);

  a = Parsed({"-d", "1", "convert", "a.HEX", "b.Bin"});
  EXPECT_EQ(a.in_format, kIntel_Hex);
  EXPECT_EQ(a.out_format, kBinary);
  EXPECT_EQ(Parsed({"-d", "1", "read", "x", "--out-format", "HEX"}).out_format, kIntel_Hex);
  EXPECT_EQ(Parsed({"-d", "1", "fuse", "001d"}).fuse, 0x001D);
}

TEST(Mcu9Arguments, UsageProblems) {
  EXPECT_EQ(Problem({}), "no command given");
  EXPECT_EQ(Problem({"burn"}), "unknown command 'burn'");
  EXPECT_EQ(Problem({"program", "x.hex"}), "program needs a device: -d DEVICE");
  EXPECT_EQ(Problem({"-d", "1", "program", "x.txt"}),
            "the format of 'x.txt' is not known from its name: give -f");
  EXPECT_EQ(Problem({"-d", "1", "read", "x"}),
            "the format of 'x' is not known from its name: give --out-format");
  EXPECT_EQ(Problem({"-d", "1", "program", "x.bin", "-f", "intel"}),
            "unknown format 'intel' for -f (bin or hex)");
  EXPECT_EQ(Problem({"-d", "1", "verify", "x.bin", "--verify-voltage", "4"}),
            "--verify-voltage takes 3, 5 or 6");
  EXPECT_EQ(Problem({"-d", "1", "program", "x.bin", "--fuse", "12345"}),
            "bad hex value '12345' for --fuse (a word, up to 4 hex digits)");
  EXPECT_EQ(Problem({"-d", "1", "program", "x.bin", "--fill", "zz"}),
            "bad hex value 'zz' for --fill (a word, up to 4 hex digits)");
  EXPECT_EQ(Problem({"-d", "1", "fuse"}), "wrong arguments for fuse: mcu9 -d DEVICE fuse HEX");
  EXPECT_EQ(Problem({"-d", "1", "fuse", "3FFFF"}),
            "bad configuration word '3FFFF' (up to 4 hex digits)");
  EXPECT_EQ(Problem({"-d", "1", "erase", "now"}),
            "wrong arguments for erase: mcu9 -d DEVICE erase");
}

TEST(Mcu9Arguments, OptionsOnlyWhereTheyMeanSomething) {
  EXPECT_EQ(Problem({"-d", "1", "blank", "--fuse", "1D"}), "option --fuse does not apply to blank");
  EXPECT_EQ(Problem({"-d", "1", "verify", "x.bin", "--erase"}),
            "option --erase does not apply to verify");
  EXPECT_EQ(Problem({"-d", "1", "program-ee", "x.bin", "--fuse", "1D"}),
            "option --fuse does not apply to program-ee");
  EXPECT_EQ(Problem({"-d", "1", "checksum", "x.bin", "--fuse", "1D"}),
            "option --fuse does not apply to checksum");
  EXPECT_EQ(Problem({"-d", "1", "fuse", "1D", "--fill", "0"}),
            "option --fill does not apply to fuse");
  EXPECT_EQ(Problem({"-d", "1", "list"}), "option -d does not apply to list");
  EXPECT_EQ(Problem({"probe", "--swap"}),
            "unknown option '--swap'; did you mean '--wrap'?");  // kv9's, not mcu9's
}

class Mcu9UsageTest : public Mcu9Test {};

TEST_F(Mcu9UsageTest, HelpAndUsageErrors) {
  EXPECT_EQ(Run({"-h"}), 0);
  EXPECT_EQ(out.str(), Usage_Text());
  EXPECT_EQ(Run({"-d", "16F84/A", "program", "x.bin", "--fuse", "wxyz"}), 2);
  EXPECT_EQ(err.str(),
            "mcu9: bad hex value 'wxyz' for --fuse (a word, up to 4 hex digits)\n"
            "mcu9 --help shows the usage\n");
  EXPECT_TRUE(out.str().empty());
  EXPECT_TRUE(sim->Sent().empty());
}

TEST_F(Mcu9UsageTest, AnOperationThePartDoesNotHaveIsAUsageError) {
  EXPECT_EQ(Run({"-d", "12C508/A", "erase"}), 2);
  EXPECT_EQ(err.str(),
            "mcu9: the 12C508/A cannot be erased electrically\nmcu9 --help shows the usage\n");
  Write_Words("ee.bin", Words(0x3FFF, 0, 0));
  EXPECT_EQ(Run({"-d", "16F84/A", "program-ee", "ee.bin"}), 2);  // its EEPROM is not offered
  EXPECT_EQ(err.str().rfind("mcu9: the 16F84/A has no data EEPROM\n", 0), 0u);
  EXPECT_EQ(Run({"-d", "16F84/A", "verify-ee", "ee.bin"}), 2);
  EXPECT_TRUE(sim->Sent().empty());
}

}  // namespace
}  // namespace picprog::cli
