// The console host's additions (held lines, boxes, the Quit caption's address) and the progress
// line drawn from them.
#include <sstream>

#include "cli_fixture.h"
#include "memprog/cli/session.h"
#include "proglink/console/json_writer.h"
#include "proglink/console/progress_bar.h"
#include "proglink/message_area.h"
#include "proglink/testing/verdict_reports_check.h"

namespace memprog::cli {
namespace {

using proglink::console::Progress_Bar;

// A reworded status text or one more message box must not change what kv9 tells its caller.
TEST(VerdictReports, EachVerdictHasItsExitStatusVerdictLineAndNote) {
  proglink::Expect_Verdict_Reports<Session>("kv9");
}

TEST(ConsoleHost, CaptionAddressIsTheTrailingHexDigits) {
  EXPECT_EQ(proglink::Caption_Address("&Quit = 07800"), 0x7800u);
  EXPECT_EQ(proglink::Caption_Address("0F80"), 0xF80u);
  EXPECT_EQ(proglink::Caption_Address("&Quit = "), std::nullopt);
  EXPECT_EQ(proglink::Caption_Address("&Quit = 123456789"), std::nullopt);  // past 32 bits
}

TEST(ConsoleHost, HeldLinesWaitAndBoxesAreKept) {
  std::ostringstream out, err;
  proglink::Console_Host host(out, err);
  proglink::Message_Area memo1("Memo1", host), memo2("Memo2", host);
  host.Hold_Lines(true);
  memo1.Add("FTKV9USB");
  memo2.Insert("log line");  // the log area is never held
  host.Hold_Lines(false);
  memo1.Insert("shown");
  host.Show_Message("one\r\ntwo", proglink::Box::Warning, {});
  EXPECT_EQ(out.str(), "shown\n");
  EXPECT_EQ(err.str(), "log line\none\ntwo\n");
  EXPECT_EQ(host.Take_Held_Lines(), std::vector<std::string>{"FTKV9USB"});
  EXPECT_TRUE(host.Take_Held_Lines().empty());
  EXPECT_EQ(host.Boxes(), std::vector<std::string>{"one\ntwo"});
}

TEST(ProgressBar, DrawsOnlyWhileStartedAndWipesBeforeOtherLines) {
  std::ostringstream tty, out;
  Progress_Bar bar(tty);
  proglink::Console_Host host(out, tty);
  host.Set_Progress(&bar);
  proglink::Control_State quit;
  quit.caption = "&Quit = 00800";
  host.Control_Changed("Quit_Func_But", quit, proglink::Field::Caption);
  EXPECT_TRUE(tty.str().empty());  // not started

  proglink::Control_State status;
  status.caption = "Verifying Device to Buffer....";
  host.Control_Changed("StaticText3", status, proglink::Field::Caption);
  bar.Start(std::pair<uint32_t, uint32_t>{0, 0x7FFF});
  host.Control_Changed("Quit_Func_But", quit, proglink::Field::Caption);
  EXPECT_EQ(tty.str(), "\r\033[KVerifying Device to Buffer.... [#...................]   6% 00800");
  host.Control_Changed("Quit_Func_But", quit, proglink::Field::Caption);  // unchanged: not again
  quit.caption = "&Quit = 08000";
  host.Control_Changed("Quit_Func_But", quit, proglink::Field::Caption);
  EXPECT_NE(tty.str().find("[####################] 100% 08000"), std::string::npos);

  tty.str("");
  host.Out() << "line\n";
  EXPECT_EQ(tty.str(), "\r\033[K");
  EXPECT_EQ(out.str(), "line\n");
  bar.Stop();  // nothing drawn: nothing to wipe
  EXPECT_EQ(tty.str(), "\r\033[K");
}

TEST(ProgressBar, WithoutARangeOnlyTheAddress) {
  std::ostringstream tty;
  Progress_Bar bar(tty);
  bar.Start(std::nullopt);
  bar.Address(0x1F80);
  EXPECT_EQ(tty.str(), "\r\033[K01F80");
  bar.Stop();
  EXPECT_EQ(tty.str(), "\r\033[K01F80\r\033[K");
}

class ProgressCliTest : public CliTest {};

TEST_F(ProgressCliTest, AnOperationOnATerminalDrawsProgressAndEndsWithACleanLine) {
  Write("image.bin", Pattern(0x8000));
  EXPECT_EQ(Run_Kv9({"-d", "27C256", "program", "image.bin"}, out, err, true), 0);
  EXPECT_EQ(out.str(), "Device is Programmed....\nDevice Verified to Buffer....\n");
  const std::string e = err.str();
  EXPECT_NE(e.find("Programming Device from Buffer.... [##########..........]  50% 04000"),
            std::string::npos);
  EXPECT_NE(e.find("Verifying Device to Buffer...."), std::string::npos);
  EXPECT_EQ(e.substr(e.size() - 4), "\r\033[K");  // wiped at the end
}

// Control characters, quotes and bytes that are not UTF-8 must not break a log line's JSON.
TEST(JsonWriter, StringsStayValidJsonWhateverTheyHold) {
  const std::pair<std::string, std::string> cases[] = {
      {"image.hex", R"("image.hex")"},
      {"a\"b\\c", R"("a\"b\\c")"},
      {"\r\n\t\x01\x7F", R"("\r\n\t\u0001\u007f")"},
      {"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80",
       "\"caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80\""},
      {"\xFF", R"("\ufffd")"},                      // no UTF-8 byte
      {"x\xC3", R"("x\ufffd")"},                    // cut off
      {"\xC0\xAF", R"("\ufffd\ufffd")"},            // overlong '/'
      {"\xED\xA0\x80", R"("\ufffd\ufffd\ufffd")"},  // a surrogate
      {std::string("\0", 1), R"("\u0000")"},
  };
  for (const auto& [text, json] : cases) EXPECT_EQ(proglink::console::Json_String(text), json);
}

// What a run prints, from the chip it meets and the arguments it is given.
struct Output_Case {
  const char* what;
  std::vector<std::string> args;
  bool programmed;  // the chip holds the image first
  std::vector<progsim::Fault> faults;
  int status;
  int out_lines;  // -1: every line listed (the count line tells how many)
  std::vector<std::pair<int, std::string>> starts;  // line (from the end when negative), start
  const char* out_holds;
  const char* err_holds;
  const char* err_lacks;
};

const Output_Case kOutputs[] = {
    {"program then verify: each verdict once",
     {"program", "image.bin"},
     false,
     {},
     0,
     2,
     {{0, "Device is Programmed...."}, {1, "Device Verified to Buffer...."}},
     "",
     "",
     "Device"},
    {"program alone",
     {"program", "image.bin", "--no-verify"},
     false,
     {},
     0,
     1,
     {{0, "Device is Programmed...."}},
     "",
     "",
     ""},
    {"a failed block's verdict once, not its box again",
     {"program", "image.bin"},
     false,
     {{progsim::Fault::Fail_Block, 3}},
     1,
     1,
     {{0, "Device DID NOT Program...."}},
     "",
     "",
     "Device DID NOT"},
    {"blank check of a programmed chip: 20 lines, the count, the verdict",
     {"blank"},
     true,
     {},
     1,
     22,
     {{0, "0000  EXPECTED-FF FOUND-"}, {20, "32"}, {-1, "Device is NOT Erased...."}},
     " mismatches, the first at 00000 (",
     "",
     ""},
    {"blank check with --all lists them all",
     {"blank", "--all"},
     true,
     {},
     1,
     -1,
     {{-1, "Device is NOT Erased...."}},
     "",
     "",
     ""},
    {"verify that fails",
     {"verify", "other.bin"},
     true,
     {},
     1,
     23,
     {{-2, "32"}, {-1, "Device Did NOT Verify to Buffer...."}},
     "not listed: --all lists them",
     "",
     ""},
    {"--json: one object with both steps",
     {"--json", "program", "image.bin"},
     false,
     {},
     0,
     1,
     {{0, R"({"program":"kv9","command":"program","device":"27C256","device_code":20,)"
          R"("verdict":"good","exit_status":0,"count":0,"first_address":null,"checksum":null,)"
          R"("files":["image.bin"],"steps":[{"step":"program","verdict":"good",)"
          R"("text":"Device is Programmed....","count":0,"first_address":null,"lines":[]},)"
          R"({"step":"verify","verdict":"good","text":"Device Verified to Buffer....",)"}},
     "",
     "",
     ""},
    {"--json of a failed verify: its count, address and first lines",
     {"verify", "other.bin", "--json"},
     true,
     {},
     1,
     1,
     {{0, R"({"program":"kv9","command":"verify")"}},
     R"("verdict":"device_failed","exit_status":1,"count":32)",
     "",
     ""},
    {"--json of a refusal",
     {"--json", "erase"},
     false,
     {},
     2,
     1,
     {},
     R"("verdict":"refused","exit_status":2)",
     "kv9 --help shows the usage",
     ""},
    {"--json keeps the other lines",
     {"info", "--json"},
     false,
     {},
     0,
     1,
     {},
     R"("output":["Code=20 Caption=27C256 )",
     "",
     ""},
};

class OutputTest : public CliTest {};

TEST_F(OutputTest, EachRunPrintsWhatItsCaseSays) {
  const auto image = Pattern(0x8000);
  Write("image.bin", image);
  Write("other.bin", Pattern(0x8000, 4));
  for (const Output_Case& c : kOutputs) {
    SCOPED_TRACE(c.what);
    progsim::Options o;
    o.faults = c.faults;
    Plug(o);
    if (c.programmed)
      for (uint32_t a = 0; a < image.size(); ++a) sim->Chip().Program(a, image[a]);
    std::vector<std::string> args = {"-d", "27C256"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    EXPECT_EQ(Run(args), c.status) << err.str();
    const std::vector<std::string> lines = Out_Lines();
    if (c.out_lines >= 0) {
      EXPECT_EQ(lines.size(), static_cast<size_t>(c.out_lines));
    }
    for (const auto& [at, start] : c.starts) {
      const int i = at < 0 ? static_cast<int>(lines.size()) + at : at;
      ASSERT_TRUE(i >= 0 && i < static_cast<int>(lines.size())) << at;
      EXPECT_EQ(lines[i].rfind(start, 0), 0u) << lines[i];
    }
    EXPECT_NE(out.str().find(c.out_holds), std::string::npos) << out.str().substr(0, 2000);
    EXPECT_NE(err.str().find(c.err_holds), std::string::npos) << err.str();
    if (*c.err_lacks) {
      EXPECT_EQ(err.str().find(c.err_lacks), std::string::npos) << err.str();
    }
  }
}

TEST_F(OutputTest, AllListsEveryMismatchTheCountLineCounts) {
  const auto image = Pattern(0x8000);
  for (uint32_t a = 0; a < image.size(); ++a) sim->Chip().Program(a, image[a]);
  EXPECT_EQ(Run({"-d", "27C256", "blank", "--all"}), 1);
  const std::vector<std::string> lines = Out_Lines();
  const size_t listed = std::count(image.begin(), image.end(), 0xFF);
  EXPECT_EQ(lines.size(), image.size() - listed + 2);
  EXPECT_EQ(lines[lines.size() - 2],
            std::to_string(image.size() - listed) + " mismatches, the first at 00000");
}

TEST_F(OutputTest, YesAnswersTheFirmwareOfferWithoutItTheMessageSaysSo) {
  progsim::Options o;
  o.fw_minor = 0;
  Plug(o);
  EXPECT_EQ(Run({"-d", "27C256", "blank"}), 0);
  EXPECT_NE(err.str().find("Flash Update the Programmer ?\n(answered No: --yes answers Yes)\n"),
            std::string::npos);
  Plug(o);
  EXPECT_EQ(Run({"-d", "27C256", "blank", "--yes"}), 0);
  EXPECT_NE(err.str().find("(answered Yes: --yes)\n(the window would ask for a file here"),
            std::string::npos);
  EXPECT_EQ(out.str(), "Device is Erased....\n");
}

TEST_F(OutputTest, AMistypedCommandOrOptionGetsTheNearestAndNoUsage) {
  EXPECT_EQ(Run({"-d", "27C256", "porgram", "x.bin"}), 2);
  EXPECT_EQ(err.str(),
            "kv9: unknown command 'porgram'; did you mean 'program'?\n"
            "kv9 --help shows the usage\n");
  EXPECT_EQ(Run({"-d", "27C256", "blank", "--al"}), 2);
  EXPECT_EQ(err.str().rfind("kv9: unknown option '--al'; did you mean '--all'?\n", 0), 0u);
  EXPECT_EQ(Run({"-d", "27C256", "zap"}), 2);
  EXPECT_EQ(err.str(), "kv9: unknown command 'zap'\nkv9 --help shows the usage\n");
}

}  // namespace
}  // namespace memprog::cli
