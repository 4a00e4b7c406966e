// The command line: options in their forms, what each command takes, and usage errors.
#include "memprog/cli/arguments.h"

#include "cli_fixture.h"
#include "proglink/testing/parse_result.h"

namespace memprog::cli {
namespace {

Arguments Parsed(std::vector<std::string> args) {
  return proglink::Accepted(Parse_Arguments(args));
}

std::string Problem(std::vector<std::string> args) {
  return proglink::Refusal(Parse_Arguments(args));
}

TEST(Arguments, OptionsInEveryFormAndPlace) {
  Arguments a = Parsed({"program", "-d", "27C256", "in.bin", "--start=100", "--end", "0x7fff",
                        "--split", "odd", "--swap", "--no-verify", "--fill=ff", "-fintel"});
  EXPECT_EQ(a.id, Command::Program);
  EXPECT_EQ(a.device, "27C256");
  EXPECT_EQ(a.operands, std::vector<std::string>{"in.bin"});
  EXPECT_EQ(a.in_format, File_Type::Intel);  // -f wins over the extension
  EXPECT_EQ(a.split, 2);
  EXPECT_TRUE(a.swap);
  EXPECT_TRUE(a.steps.no_verify);
  EXPECT_EQ(a.fill, 0xFF);
  ASSERT_EQ(a.ranges.size(), 2u);
  EXPECT_EQ(a.ranges[0].button, "Start_Add");
  EXPECT_EQ(a.ranges[0].hex, "100");
  EXPECT_EQ(a.ranges[1].button, "End_Add");
  EXPECT_EQ(a.ranges[1].hex, "7fff");  // 0x dropped, as the entry field would not take it
}

TEST(Arguments, ARepeatedRangeOptionCountsOnceWithItsLastValue) {
  Arguments a = Parsed({"-d", "1", "blank", "--end", "10", "--end", "0000020"});
  ASSERT_EQ(a.ranges.size(), 1u);
  EXPECT_EQ(a.ranges[0].hex, "20");
}

TEST(Arguments, AddressesBeyondTheBufferAreRefusedNotReadAsNegative) {
  for (const char* option : {"--start", "--end", "--buffer-start"}) {
    EXPECT_EQ(Problem({"-d", "1", "blank", option, "FFFFFFFF"}),
              std::string(option) + " FFFFFFFF is out of range: it takes 0 to FFFFFF");
    EXPECT_EQ(Problem({"-d", "1", "blank", option, "0x1000000"}),
              std::string(option) + " 0x1000000 is out of range: it takes 0 to FFFFFF");
    EXPECT_EQ(Parsed({"-d", "1", "blank", option, "FFFFFF"}).ranges[0].hex, "FFFFFF");
  }
  // A hex file address or offset is meant as 32 bits: a negative offset moves a file down.
  EXPECT_EQ(Parsed({"-d", "1", "checksum", "a.hex", "--hex-offset", "FFFF8000"}).ranges[0].hex,
            "FFFF8000");
}

TEST(Arguments, FormatsComeFromTheExtensionInAnyCase) {
  EXPECT_EQ(Parsed({"-d", "1", "convert", "a.HEX", "b.s19"}).out_format, File_Type::Motorola);
  EXPECT_EQ(Parsed({"-d", "1", "convert", "a.HEX", "b.s19"}).in_format, File_Type::Intel);
  EXPECT_EQ(Parsed({"-d", "1", "checksum", "a.Bin"}).in_format, File_Type::Binary);
  EXPECT_EQ(Parsed({"-d", "1", "checksum", "a.tek"}).in_format, File_Type::Tektronix);
  EXPECT_EQ(Parsed({"-d", "1", "checksum", "a.asc"}).in_format, File_Type::Ascii);
  for (const char* m : {"x.s28", "x.s37", "x.srec", "x.mot"})
    EXPECT_EQ(Parsed({"-d", "1", "read", m}).out_format, File_Type::Motorola);
  EXPECT_EQ(Parsed({"-d", "1", "read", "x.dat", "--out-format", "ascii"}).out_format,
            File_Type::Ascii);
  EXPECT_EQ(Problem({"-d", "1", "read", "x.dat"}),
            "the format of 'x.dat' is not known from its name: give --out-format");
  EXPECT_EQ(Problem({"-d", "1", "verify", "x"}),
            "the format of 'x' is not known from its name: give -f");
  EXPECT_EQ(Problem({"-d", "1", "verify", "x.bin", "-f", "elf"}),
            "unknown format 'elf' for -f (bin, intel, motorola, tektronix or ascii)");
}

TEST(Arguments, UsageProblems) {
  EXPECT_EQ(Problem({}), "no command given");
  EXPECT_EQ(Problem({"burn"}), "unknown command 'burn'");
  EXPECT_EQ(Problem({"list", "--frobnicate"}), "unknown option '--frobnicate'");
  EXPECT_EQ(Problem({"list", "-x"}), "unknown option '-x'");
  EXPECT_EQ(Problem({"blank", "-d"}), "option -d needs a value");
  EXPECT_EQ(Problem({"-d", "1", "blank", "--swap=yes"}), "option --swap takes no value");
  EXPECT_EQ(Problem({"blank"}), "blank needs a device: -d DEVICE");
  EXPECT_EQ(Problem({"-d", "1", "blank", "--start", "12G"}), "bad hex value '12G' for --start");
  EXPECT_EQ(Problem({"-d", "1", "blank", "--end", "100000000"}),
            "bad hex value '100000000' for --end");
  EXPECT_EQ(Problem({"-d", "1", "blank", "--split", "word"}), "--split takes byte, even or odd");
  EXPECT_EQ(Problem({"-d", "1", "read", "a.bin", "--fill", "100"}),
            "bad hex value '100' for --fill (one byte)");
  EXPECT_EQ(Problem({"-d", "1", "convert", "a.bin"}),
            "wrong arguments for convert: kv9 -d DEVICE convert IN OUT");
  EXPECT_EQ(Problem({"id", "x"}), "wrong arguments for id: kv9 [-d DEVICE] id");
  EXPECT_EQ(Problem({"list", "a", "b"}), "wrong arguments for list: kv9 list [TEXT]");
}

TEST(Arguments, OptionsOnlyWhereTheyMeanSomething) {
  EXPECT_EQ(Problem({"-d", "1", "list"}), "option -d does not apply to list");
  EXPECT_EQ(Problem({"-d", "1", "read", "a.bin", "-f", "bin"}), "option -f does not apply to read");
  EXPECT_EQ(Problem({"-d", "1", "verify", "a.bin", "--out-format", "bin"}),
            "option --out-format does not apply to verify");
  EXPECT_EQ(Problem({"-d", "1", "verify", "a.bin", "--no-verify"}),
            "option --no-verify does not apply to verify");
  EXPECT_EQ(Problem({"-d", "1", "info", "--end", "10"}), "option --end does not apply to info");
  EXPECT_EQ(Problem({"-d", "1", "blank", "--fill", "0"}), "option --fill does not apply to blank");
  EXPECT_EQ(Problem({"firmware", "f.bin", "-d", "1"}), "option -d does not apply to firmware");
}

TEST(Arguments, SecurityAndClockOperands) {
  for (const char* bit : {"1", "2", "3"}) Parsed({"-d", "464", "security", bit});
  EXPECT_EQ(Problem({"-d", "464", "security", "4"}),
            "security takes the bit to program: 1, 2 or 3");
  Parsed({"-d", "211", "clock", "read"});
  Parsed({"-d", "211", "clock", "write", "07", "12", "23", "7", "17", "45", "0", "00", "20"});
  EXPECT_EQ(Problem({"-d", "211", "clock", "write", "07"}),
            "wrong arguments for clock: kv9 -d DEVICE clock read | clock write YY MM DD DAY HH "
            "MM SS CAL CENTURY");
  EXPECT_EQ(Problem({"-d", "211", "clock", "read", "now"}),
            "wrong arguments for clock: kv9 -d DEVICE clock read | clock write YY MM DD DAY HH "
            "MM SS CAL CENTURY");
  EXPECT_EQ(
      Problem({"-d", "211", "clock", "write", "07", "12", "23", "7", "17", "45", "0", "00", "1G"}),
      "bad clock field '1G': one or two hex digits");
  EXPECT_EQ(
      Problem({"-d", "211", "clock", "write", "07", "12", "23", "7", "17", "45", "0", "00", "120"}),
      "bad clock field '120': one or two hex digits");
}

TEST(Arguments, DoubleDashEndsTheOptions) {
  Arguments a = Parsed({"-d", "1", "checksum", "-f", "bin", "--", "-odd-name.bin"});
  EXPECT_EQ(a.operands, std::vector<std::string>{"-odd-name.bin"});
}

class UsageTest : public CliTest {};

TEST_F(UsageTest, HelpPrintsTheUsageOnStdoutAndSucceeds) {
  EXPECT_EQ(Run({"--help"}), 0);
  EXPECT_EQ(out.str(), Usage_Text());
  EXPECT_EQ(Run({"-d", "nothing", "burn", "-h"}), 0);  // help wins over everything else
  EXPECT_EQ(out.str(), Usage_Text());
  EXPECT_TRUE(err.str().empty());
}

TEST_F(UsageTest, AUsageErrorPrintsTheProblemAndWhereTheUsageIsNotTheUsage) {
  EXPECT_EQ(Run({}), 2);
  EXPECT_EQ(err.str(), "kv9: no command given\nkv9 --help shows the usage\n");
  EXPECT_EQ(Run({"-d", "27C256", "blank", "--start", "xyz"}), 2);
  EXPECT_EQ(err.str().rfind("kv9: bad hex value 'xyz' for --start\n", 0), 0u);
  EXPECT_TRUE(out.str().empty());
  EXPECT_TRUE(sim->Sent().empty());  // nothing reached the programmer
}

TEST_F(UsageTest, AnOperationTheDeviceDoesNotHaveIsAUsageError) {
  EXPECT_EQ(Run({"-d", "27C256", "erase"}), 2);
  EXPECT_EQ(err.str().rfind("kv9: the 27C256 cannot be erased electrically\n", 0), 0u);
  EXPECT_EQ(Run({"-d", "27C256", "clock", "read"}), 2);
  EXPECT_EQ(err.str().rfind("kv9: the 27C256 has no clock\n", 0), 0u);
  EXPECT_EQ(Run({"-d", "28F010", "security", "1"}), 2);
  EXPECT_EQ(err.str().rfind("kv9: the 28F010 has no security bits\n", 0), 0u);
  EXPECT_EQ(err.str().find("usage:"), std::string::npos);
  EXPECT_TRUE(sim->Sent().empty());
}

}  // namespace
}  // namespace memprog::cli
