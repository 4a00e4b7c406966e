#include "picprog/cli/part_words.h"

#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "common/hex.h"
#include "picprog/core/checksum_fill.h"
#include "picprog/core/fuse_panel.h"
#include "picprog/ops/pic_ops.h"
#include "picprog/ops/pic_packets.h"
#include "picprog/ops/routine_table.h"
#include "proglink/console/exit_status.h"
#include "proglink/console/interrupt.h"

namespace picprog::cli {

namespace {

// The instruction a calibration value is: MOVLW (0x0Cxx) on the 12-bit parts, RETLW (0x34xx) on
// the 12F629/675, whose configuration word also holds the band-gap calibration in bits 13..12.
struct Calibration_Kind {
  int family;
  uint16_t opcode_mask;
  uint16_t opcode;
  uint16_t config_bits;
};
constexpr Calibration_Kind kCalibrated[] = {
    {27, 0x3F00, 0x3400, 0x3000},
    {30, 0x0F00, 0x0C00, 0},
    {31, 0x0F00, 0x0C00, 0},
};

std::optional<Calibration_Kind> Calibration_Of(int family) {
  for (const Calibration_Kind& c : kCalibrated)
    if (c.family == family) return c;
  return std::nullopt;
}

// After the four ID words of the buffer's configuration space: the reserved words and device ID.
constexpr uint16_t kFirst_Reserved = kID_Words + 4;

// The configuration words of the buffer that `config` takes from the part.
std::vector<uint16_t> Config_From_Part(const Session& s, Config_Words config) {
  std::vector<uint16_t> words;
  const Family_Routines* routines = Find_Routines(s.m.Family);
  if (config == Config_Words::None || !routines || routines->core != Core::Serial14) return words;
  const uint16_t first = config == Config_Words::All ? kID_Words : kFirst_Reserved;
  const uint16_t last = config == Config_Words::All ? kConfig_Word : kDevice_Id_Word;
  for (uint16_t a = first; a <= last; ++a)
    if (config == Config_Words::All || s.m.Buffer->at(a) == s.Fill_Word()) words.push_back(a);
  return words;
}

}  // namespace

Part_Read Read_Part(Session& s) {
  Mcu9& m = s.m;
  Part_Read read{proglink::console::kGood, std::make_unique<Pic_Buf>(m.Buf())};
  const proglink::Outcome outcome = s.Run(Move_EpromClick);
  std::swap(*read.words, m.Buf());
  Show_Config_Word(m);
  Show_Checksum(m);
  if (proglink::console::Interrupted() || outcome.verdict != proglink::Verdict::Good)
    return {s.Report(outcome), nullptr};
  return read;
}

bool Holds_Calibration(int family) {
  return Calibration_Of(family).has_value();
}

int Keep_Part_Words(Session& s, const std::string& file, Config_Words config, const Pic_Buf* part) {
  Mcu9& m = s.m;
  const std::optional<Calibration_Kind> cal = Calibration_Of(m.Family);
  const std::vector<uint16_t> from_part = Config_From_Part(s, config);
  if (!cal && from_part.empty()) return proglink::console::kGood;

  Part_Read read{proglink::console::kGood, nullptr};
  if (!part) {
    read = Read_Part(s);
    if (!read.words) return read.status;
    part = read.words.get();
  }
  Pic_Buf& wanted = m.Buf();
  for (uint16_t a : from_part) wanted[a] = (*part)[a];
  if (cal) {
    const uint16_t at = m.Prog_End;
    const uint16_t value = (*part)[at];
    if ((value & cal->opcode_mask) == cal->opcode) {
      const uint16_t given = wanted[at];
      if (given != value && given != s.Fill_Word())
        s.Err() << s.Program() << ": word " << common::Hex(at, 4) << " of " << file << " is "
                << common::Hex(given, 4) << "; the part's own calibration word "
                << common::Hex(value, 4) << " is kept\n";
      wanted[at] = value;
    } else {
      s.Err() << s.Program() << ": the part shows no calibration value at " << common::Hex(at, 4)
              << " (it reads " << common::Hex(value, 4)
              << "): it may be code protected, or its calibration is lost\n";
    }
    const uint16_t bits = cal->config_bits;
    uint16_t& config_word = wanted[kConfig_Word];
    config_word = static_cast<uint16_t>((config_word & ~bits) | ((*part)[kConfig_Word] & bits));
  }
  Show_Config_Word(m);
  Show_Checksum(m);
  return proglink::console::kGood;
}

}  // namespace picprog::cli
