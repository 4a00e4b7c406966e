#include "picprog/ops/pic_ops.h"

#include "picprog/ops/pic_packets.h"
#include "picprog/ops/routines.h"
#include "proglink/programming_timeout.h"

namespace picprog {

namespace {

constexpr uint8_t kProgram_Vcc = 2;
constexpr uint8_t kVerify_Vcc[] = {0, 2, 66};  // V_Verify: "3 Volts", "5 Volts", "6 Volts"

namespace stop = proglink::stop;
namespace connection = proglink::connection;
using proglink::Outcome;
using proglink::Verdict;

constexpr int kTag_Good = proglink::status_tag::Good;
constexpr int kTag_Failed = proglink::status_tag::Failed;
constexpr int kTag_Lost = proglink::status_tag::Lost;

uint8_t Verify_Vcc(const Mcu9& m) {
  return m.Verify_Volts >= 0 && m.Verify_Volts < 3 ? kVerify_Vcc[m.Verify_Volts] : kProgram_Vcc;
}

// Steps 1 to 3 of every handler. A run without an identified programmer would send nothing and
// judge a stale reply: it ends at once as a lost programmer instead.
void Begin(Mcu9& m, const char* during, bool show_memo, uint8_t vcc) {
  Busy_State(m);
  m.ui.Caption("StaticText2", during);
  m.ui.Visible("StaticText2", true);
  m.Failure = 0;
  m.Mismatches = 0;
  if (show_memo) {
    m.link.Memo1().Clear();
    m.link.Memo1().Show(true);
  }
  m.link.Vcc_Code = vcc;
  Pic_Begin(m);
  if (m.link.Connection != connection::Ready && m.link.Stop_Code == stop::Go_On)
    m.link.Stop_Code = stop::Lost;
}

void End(Mcu9& m) {
  m.link.Write_Len = 8;
  Enable_Step(m);
}

bool Lost(const Mcu9& m) {
  return m.link.Stop_Code == stop::Lost || m.link.Connection != connection::Ready;
}

void Show_Verdict(Mcu9& m, const char* text, int tag) {
  m.link.Status(text);
  m.link.Status_Tag = tag;
  m.ui.Colour(proglink::Link::kStatus,
              tag == kTag_Good ? proglink::Colour::Lime : proglink::Colour::Red);
}

// The programmer went away during the run: its text is the one that searches for it again.
bool Show_If_Lost(Mcu9& m) {
  if (!Lost(m)) return false;
  Show_Verdict(m, proglink::Link::kLostStatus, kTag_Lost);
  return true;
}

// The closing text of a run that compares: the mismatches listed, else whether it saw everything.
void Show_Compare_Verdict(Mcu9& m, const char* good, const char* bad, const char* stopped) {
  if (Show_If_Lost(m)) return;
  if (m.Failure == 1) return Show_Verdict(m, bad, kTag_Failed);
  if (Stopped(m)) return Show_Verdict(m, stopped, kTag_Failed);
  Show_Verdict(m, good, kTag_Good);
  m.link.Memo1().Show(false);
}

// What the run found, judged before its closing text replaces the status tag that tells whether a
// reply wait gave up: `failed` (mismatches listed, the part not erased), a stop (the Quit button,
// else a failed block), and what broke the run off.
Outcome Judged(const Mcu9& m, bool failed) {
  Outcome outcome{.count = m.Mismatches};
  if (m.Mismatches > 0) outcome.first_address = m.First_Mismatch;
  Verdict own = Verdict::Good;
  if (failed)
    own = Verdict::Device_Failed;
  else if (Stopped(m))
    own = m.link.Quit_Clicked ? Verdict::Stopped : Verdict::Device_Failed;
  outcome.verdict = m.link.Run_Verdict(own);
  return outcome;
}

// The enable step, and the verdict as the closing reset leaves it.
Outcome Finish(Mcu9& m, Outcome outcome) {
  End(m);
  outcome.verdict = m.link.Run_Verdict(outcome.verdict);
  return outcome;
}

constexpr Outcome kNo_Device{.verdict = Verdict::Refused};

}  // namespace

Outcome Blank_ChkClick(Mcu9& m) {
  const Family_Routines* r = Find_Routines(m.Family);
  if (!r) return kNo_Device;
  Begin(m, "Checking to see if Device is erased...", true, kProgram_Vcc);
  Blank_Check(m, r->core);
  const Outcome outcome = Judged(m, m.Failure == 1);
  Show_Compare_Verdict(m, "Device is Erased...", "Device is NOT Erased...",
                       "Blank Check Stopped Before the End...");
  return Finish(m, outcome);
}

Outcome Verify_EpromClick(Mcu9& m) {
  const Family_Routines* r = Find_Routines(m.Family);
  if (!r) return kNo_Device;
  Begin(m, "Verifying Device to Buffer...", true, Verify_Vcc(m));
  Verify(m, r->core);
  const Outcome outcome = Judged(m, m.Failure == 1);
  Show_Compare_Verdict(m, "Device Verified to Buffer...", "Device Did NOT Verify to Buffer...",
                       "Verify Stopped Before the End...");
  return Finish(m, outcome);
}

Outcome Move_EpromClick(Mcu9& m) {
  const Family_Routines* r = Find_Routines(m.Family);
  if (!r) return kNo_Device;
  Begin(m, "Moving Device to Buffer...", false, kProgram_Vcc);
  Read_Device(m, r->core);
  const Outcome outcome = Judged(m, false);
  if (!Show_If_Lost(m)) {
    if (Stopped(m)) {
      // Part of the buffer is new, the rest as it was: the configuration word is left alone.
      Show_Verdict(m, "Move Stopped Before the End...", kTag_Failed);
    } else {
      m.Fuse.Decode(m.Buf()[kConfig_Word], m.Family);  // Fuse_Word and the editor
      Show_Verdict(m, "Device Has Been Moved to Buffer...", kTag_Good);
    }
  }
  return Finish(m, outcome);
}

// Every block and step must have been taken: a failed block ends the run, and a good reply to a
// later packet does not make up for it.
Outcome Program_EpromClick(Mcu9& m) {
  const Family_Routines* r = Find_Routines(m.Family);
  if (!r) return kNo_Device;
  Begin(m, "Programming Device from Buffer...", false, kProgram_Vcc);
  {
    proglink::Programming_Timeout wait(m.link);
    Program(m, r->program);
  }
  const Outcome outcome = Judged(m, false);
  if (Stopped(m) || Lost(m)) {
    m.Failure = 1;
    if (!Show_If_Lost(m)) Show_Verdict(m, "Device DID NOT Program...", kTag_Failed);
  } else {
    Show_Verdict(m, "Device is Programmed...", kTag_Good);
  }
  return Finish(m, outcome);
}

Outcome Erase_ButClick(Mcu9& m) {
  const Family_Routines* r = Find_Routines(m.Family);
  if (!r) return kNo_Device;
  Begin(m, "Eraseing Device...", false, kProgram_Vcc);
  Erase_Result result;
  {
    proglink::Programming_Timeout wait(m.link);
    result = Erase(m, r->erase);
  }
  // A part kept for its calibration word is not erased.
  const Outcome outcome = Judged(m, result == Erase_Result::Declined);
  if (result == Erase_Result::Declined)
    Show_Verdict(m, "Device NOT Erased...", kTag_Failed);
  else if (!Show_If_Lost(m) && Stopped(m))
    Show_Verdict(m, "Erase DID NOT Finish...", kTag_Failed);
  return Finish(m, outcome);
}

Outcome Prg_EEClick(Mcu9& m) {
  if (!Find_Routines(m.Family) || EE_Words(m) == 0) return kNo_Device;
  Begin(m, "Verifying Device to Buffer....", false, kProgram_Vcc);
  {
    proglink::Programming_Timeout wait(m.link);
    Program_EE(m);
  }
  const Outcome outcome = Judged(m, false);
  // Said after the programmer's answer, not before the transfer.
  if (Stopped(m) || Lost(m)) {
    m.Failure = 1;
    if (!Show_If_Lost(m)) Show_Verdict(m, "EEprom DID NOT Program....", kTag_Failed);
  } else {
    Show_Verdict(m, "EEprom Programmed....", kTag_Good);
  }
  return Finish(m, outcome);
}

Outcome Verify_EEClick(Mcu9& m) {
  if (!Find_Routines(m.Family) || EE_Words(m) == 0) return kNo_Device;
  Begin(m, "Verifying Device to Buffer....", true, Verify_Vcc(m));
  Verify_EE(m);
  const Outcome outcome = Judged(m, m.Failure == 1);
  Show_Compare_Verdict(m, "EEprom Verified to Buffer....", "EEprom Did NOT Verify to Buffer....",
                       "EEprom Verify Stopped Before the End....");
  return Finish(m, outcome);
}

void Quit_AddClick(Mcu9& m) {
  m.link.Quit();
}

}  // namespace picprog
