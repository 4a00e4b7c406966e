// The console host's additions (held lines, boxes, the Quit caption's address) and the progress
// line drawn from them.
#include <sstream>

#include "cli_fixture.h"
#include "memprog/cli/session.h"
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

}  // namespace
}  // namespace memprog::cli
