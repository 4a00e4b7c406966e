// Runs that go wrong: failed blocks, a stop or time-out half way, a lost programmer, a part that
// hides its calibration word. None may end in a verdict of success.
#include <gtest/gtest.h>

#include "pic_ops_fixture.h"
#include "picprog/files/pic_buf.h"

namespace picprog {
namespace {

using Lines = std::deque<std::string>;
using progsim::Fault;
using progsim::Pic_Chip;

// Makes the nth packet of the code go unanswered, as a programmer that stops replying would.
void Silence(progsim::Programmer& sim, uint8_t code, int nth) {
  auto seen = std::make_shared<int>(0);
  sim.intercept = [=](const progsim::Transfer& t, std::vector<uint8_t>& reply) {
    if (t.Code() != code || ++*seen != nth) return false;
    reply.clear();
    return true;
  };
}

// What each run returns for the command line to decide on: how it ended, and what it found.
TEST_F(PicOpsTest, TheOutcomeSaysHowTheRunEnded) {
  using proglink::Verdict;
  struct Row {
    const char* what;
    int code;
    std::vector<Fault> faults;
    uint8_t silent_code;  // 0: every packet answered
    int silent_nth;
    bool quit;  // the address button, at the second block read
    proglink::Outcome (*run)(Mcu9&);
    Verdict verdict;
  };
  const Row rows[] = {
      {"a blank part", k16F84, {}, 0, 0, false, Blank_ChkClick, Verdict::Good},
      {"a failed block",
       k16F877,
       {{Fault::Fail_Block, 2}},
       0,
       0,
       false,
       Program_EpromClick,
       Verdict::Device_Failed},
      // Win_Mcu9's reply timer stops a run as its Quit button does; the outcome tells them apart.
      {"a read without a reply", k16F877, {}, 0x20, 3, false, Verify_EpromClick, Verdict::Time_Out},
      {"a block without a reply",
       k16F84,
       {},
       0x30,
       1,
       false,
       Program_EpromClick,
       Verdict::Time_Out},
      {"the address button", k16F877, {}, 0, 0, true, Blank_ChkClick, Verdict::Stopped},
      {"a lost programmer",
       k16F877,
       {{Fault::Lose, 8}},
       0,
       0,
       false,
       Blank_ChkClick,
       Verdict::Lost},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    Socket(r.code, r.faults);
    if (r.silent_code) Silence(*sim, r.silent_code, r.silent_nth);
    host.on_pump = [&](int) {
      if (r.quit && Sent_With(0x20).size() == 2) Quit_AddClick(*m);
    };
    EXPECT_EQ(r.run(*m).verdict, r.verdict);
  }
  host.on_pump = nullptr;

  Socket(k16F84);
  Chip().Program(0x12, 0);
  Chip().Program(0x2001, 0x1234);
  const proglink::Outcome not_blank = Blank_ChkClick(*m);
  EXPECT_EQ(not_blank.verdict, Verdict::Device_Failed);
  EXPECT_EQ(not_blank.count, 2u);
  EXPECT_EQ(not_blank.first_address, 0x12u);
}

TEST_F(PicOpsTest, AFailedBlockFailsTheRunAndNothingMoreIsProgrammed) {
  Socket(k16F877, {{Fault::Fail_Block, 2}});
  Pattern(0, 0x1FFF, 0x3FFF);
  Program_EpromClick(*m);
  EXPECT_EQ(Status(), "Device DID NOT Program...");
  EXPECT_EQ(m->Failure, 1);
  EXPECT_EQ(m->link.Status_Tag, proglink::status_tag::Failed);
  EXPECT_EQ(m->ui["StaticText3"].colour, proglink::Colour::Red);
  EXPECT_EQ(Sent_With(0x30).size(), 2u);
  EXPECT_TRUE(Sent_With(0x22).empty());  // no configuration area after it
  EXPECT_EQ(Chip().Word(0x800), 0x3FFF);
}

// A good reply to the configuration packet does not make up for a failed program block.
TEST_F(PicOpsTest, AFailedBlockBeforeTheConfigurationWordIsNotHiddenByIt) {
  Socket(k16F84, {{Fault::Fail_Block, 1}});
  Pattern(0, 0x3FF, 0x3FFF);
  Buf()[0x2107] = 0x3FE9;  // code protection on
  Program_EpromClick(*m);
  EXPECT_EQ(Status(), "Device DID NOT Program...");
  EXPECT_EQ(Chip().Word(Pic_Chip::kConfig14), 0x3FFF);
  EXPECT_FALSE(Chip().Code_Protected());
}

TEST_F(PicOpsTest, A16C5xWhoseIdWordsFailIsNotStartedAgainForItsConfigurationWord) {
  Socket(k16C52, {{Fault::Fail_Block, 2}});
  Program_EpromClick(*m);
  EXPECT_EQ(Status(), "Device DID NOT Program...");
  EXPECT_EQ(Sent_With(0x30).size(), 2u);
  EXPECT_EQ(Sent_With(0x10).size(), 1u);
}

TEST_F(PicOpsTest, FlashThatNeedsAnEraseFailsToProgramUntilErased) {
  Socket(k16F877A);
  Pattern(0, 0x1FFF, 0x3FFF);
  Program_EpromClick(*m);
  ASSERT_EQ(Status(), "Device is Programmed...");
  Pattern(0, 0x1FFF, 0x3FFF, 9);
  sim->Clear_Log();
  Program_EpromClick(*m);
  EXPECT_EQ(Status(), "Device DID NOT Program...");
  EXPECT_EQ(Sent_With(0x30).size(), 1u);
  Erase_ButClick(*m);
  Program_EpromClick(*m);
  EXPECT_EQ(Status(), "Device is Programmed...");
}

TEST_F(PicOpsTest, ProgrammingAndErasingWaitLongerForTheirReplies) {
  Socket(k16F84);
  std::vector<int> intervals;
  sim->intercept = [&](const progsim::Transfer& t, std::vector<uint8_t>&) {
    if (t.Code() == 0x30 || t.Code() == 0x22) intervals.push_back(m->link.Timer_Interval());
    return false;
  };
  Program_EpromClick(*m);
  Erase_ButClick(*m);
  Verify_EpromClick(*m);
  EXPECT_EQ(intervals.front(), 40000);
  EXPECT_EQ(intervals[intervals.size() - 2], 40000);  // the erase's last command
  EXPECT_EQ(intervals.back(), 1000);                  // the verify's Load Configuration
  EXPECT_EQ(m->link.Timer_Interval(), 1000);
}

TEST_F(PicOpsTest, ATimeOutDuringVerifyStopsItWithoutAVerdictOfSuccess) {
  Socket(k16F877);
  Fill_Blank(Buf(), m->Fuse_Blank);
  Buf()[0x2106] = 0x09A0;  // its device ID
  Silence(*sim, 0x20, 3);
  Verify_EpromClick(*m);
  EXPECT_EQ(Status(), "Verify Stopped Before the End...");
  EXPECT_EQ(m->link.Status_Tag, proglink::status_tag::Failed);
  EXPECT_TRUE(m->link.Memo1().Visible());
  EXPECT_EQ(Memo().front(), "Programmer no longer present... PortStatus-0 USB-5");
  auto codes = Codes();
  EXPECT_EQ(std::vector<uint8_t>(codes.end() - 3, codes.end()),
            (std::vector<uint8_t>{0x20, 0x1E, 0x53}));

  // A mismatch listed before the stop is the verdict.
  sim->intercept = nullptr;
  Chip().Program(0x10, 0);
  Pattern(0, 0x1FFF, 0x3FFF);
  Silence(*sim, 0x20, 2);
  Blank_ChkClick(*m);
  EXPECT_EQ(Status(), "Device is NOT Erased...");
}

TEST_F(PicOpsTest, QuitDuringABlankCheckSaysItStopped) {
  Socket(k16F877);
  host.on_pump = [&](int) {
    if (Sent_With(0x20).size() == 2) Quit_AddClick(*m);
  };
  Blank_ChkClick(*m);
  EXPECT_EQ(Status(), "Blank Check Stopped Before the End...");
  EXPECT_EQ(Sent_With(0x20).size(), 2u);
}

TEST_F(PicOpsTest, QuitDuringProgrammingLeavesTheConfigurationWordUnwritten) {
  Socket(k16F84);
  Buf()[0x2107] = 0x3FE9;  // code protection on
  Silence(*sim, 0x30, 1);
  Program_EpromClick(*m);
  EXPECT_EQ(Status(), "Device DID NOT Program...");
  EXPECT_EQ(Sent_With(0x30).size(), 1u);
  EXPECT_FALSE(Chip().Code_Protected());
}

TEST_F(PicOpsTest, ALostProgrammerEndsTheRunAndTheNextRunSendsNothing) {
  // Packet 1 is the search's identify; the blank check's third read is packet 8.
  Socket(k16F877, {{Fault::Lose, 8}});
  Blank_ChkClick(*m);
  EXPECT_EQ(Status(), proglink::Link::kLostStatus);
  EXPECT_EQ(m->link.Status_Tag, proglink::status_tag::Lost);
  EXPECT_EQ(m->link.Connection, proglink::connection::None);

  sim->Clear_Log();
  Buf().fill(0x1111);
  m->Fuse_Word = 0x1111;
  for (auto handler : {Move_EpromClick, Verify_EpromClick, Blank_ChkClick}) {
    handler(*m);
    EXPECT_EQ(Status(), proglink::Link::kLostStatus);
  }
  Program_EpromClick(*m);
  EXPECT_EQ(Status(), proglink::Link::kLostStatus);
  EXPECT_EQ(m->Failure, 1);
  EXPECT_TRUE(sim->Sent().empty());
  EXPECT_TRUE(std::all_of(Buf().begin(), Buf().end(), [](uint16_t w) { return w == 0x1111; }));
  EXPECT_EQ(m->Fuse_Word, 0x1111);
}

TEST_F(PicOpsTest, AProtected12F509IsNotErasedWithoutTheUsersWord) {
  Socket(k12F509);
  ASSERT_TRUE(Chip().Program(Pic_Chip::kConfig12, 0x0FF7));  // code protected: reads 0
  host.answers = {false};
  Erase_ButClick(*m);
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_NE(host.questions[0].text.find("03FF is 0000, not a MOVLW"), std::string::npos);
  EXPECT_EQ(Status(), "Device NOT Erased...");
  EXPECT_EQ(Sent_With(0x22).size(), 1u);  // only the step past the configuration word
  EXPECT_TRUE(Chip().Code_Protected());
  EXPECT_EQ(Chip().Word(0x3FF), 0x0C74);

  // Allowed, the erase leaves the word blank rather than writing back the 0 it read.
  host.answers = {true};
  Erase_ButClick(*m);
  EXPECT_FALSE(Chip().Code_Protected());
  EXPECT_EQ(Chip().Word(0x3FF), 0x0FFF);
  EXPECT_EQ(Chip().Word(0), 0x0FFF);
}

TEST_F(PicOpsTest, AProtected12F675KeepsItsBandGapBitsWhenTheUserAllowsTheErase) {
  Socket(k12F675);
  ASSERT_TRUE(Chip().Program(Pic_Chip::kConfig14, 0x1F7F));  // bit 7 clear: protected
  host.answers = {true};
  Erase_ButClick(*m);
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_NE(host.questions[0].text.find("not a RETLW"), std::string::npos);
  EXPECT_FALSE(Chip().Code_Protected());
  EXPECT_EQ(Chip().Word(0x3FF), 0x3FFF);
  EXPECT_EQ(Chip().Word(Pic_Chip::kConfig14), 0x1FFF);
}

TEST_F(PicOpsTest, ACalibrationThatDidNotProgramBackIsToldToTheUser) {
  Socket(k12F675, {{Fault::Fail_Block, 1}});
  Erase_ButClick(*m);
  EXPECT_EQ(Status(), "Erase DID NOT Finish...");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text,
            "Band Gap & Osc Cal DID NOT Program....\r\nWord 03FF must hold 3484 and the "
            "configuration word 1FFF: put it into the buffer and program the device.");
  EXPECT_EQ(Sent_With(0x30).size(), 1u);
}

TEST_F(PicOpsTest, DataEepromThatDoesNotTakeItsBytesDidNotProgram) {
  Socket(k16F628);
  ASSERT_TRUE(Chip().Program(Pic_Chip::kConfig14, 0x3EFF));  // data protected: reads 0
  std::fill(Buf().begin() + 0x2000, Buf().begin() + 0x2080, 0x55);
  Prg_EEClick(*m);
  EXPECT_EQ(Status(), "EEprom DID NOT Program....");
  EXPECT_EQ(m->Failure, 1);
}

TEST_F(PicOpsTest, ALongListOfMismatchesIsBoundedAndLetsTheQuitButtonIn) {
  Socket(k16F877);
  for (uint16_t a = 0; a <= 0x1FFF; ++a) Chip().Program(a, 0);
  Blank_ChkClick(*m);
  EXPECT_EQ(Memo().size(), proglink::Message_Area::kCapacity);
  EXPECT_EQ(m->link.Memo1().Omitted(), 0x2000u - proglink::Message_Area::kCapacity);
  EXPECT_EQ(Memo().back(), "1FFF  EXPECTED-3FFF  FOUND-0000");

  // A click while the lines are listed stops the check before the next word.
  m->link.Memo1().Clear();
  bool clicked = false;
  host.on_pump = [&](int) {
    if (clicked || Memo().empty()) return;
    clicked = true;
    Quit_AddClick(*m);
  };
  Blank_ChkClick(*m);
  EXPECT_EQ(Memo().size(), 128u);
  EXPECT_EQ(Status(), "Device is NOT Erased...");
}

}  // namespace
}  // namespace picprog
