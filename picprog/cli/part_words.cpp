#include "picprog/cli/part_words.h"

#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "common/hex.h"
#include "picprog/core/checksum_fill.h"
#include "picprog/core/fuse_panel.h"
#include "picprog/ops/pic_ops.h"
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

// Reserved words and device ID, after the ID words in the buffer's configuration area.
constexpr uint16_t kPart_Config_Words[] = {0x2104, 0x2105, 0x2106};

}  // namespace

int Keep_Part_Words(Session& s, const std::string& file, bool config_space) {
  Mcu9& m = s.m;
  const std::optional<Calibration_Kind> cal = Calibration_Of(m.Family);
  std::vector<uint16_t> from_part;
  const Family_Routines* routines = Find_Routines(m.Family);
  if (config_space && routines && routines->core == Core::Serial14)
    for (uint16_t a : kPart_Config_Words)
      if (m.Buf()[a] == s.Fill_Word()) from_part.push_back(a);
  if (!cal && from_part.empty()) return proglink::console::kGood;

  auto wanted = std::make_unique<Pic_Buf>(m.Buf());
  const proglink::Outcome read = s.Run(Move_EpromClick);
  if (proglink::console::Interrupted() || read.verdict != proglink::Verdict::Good)
    return s.Report(read);
  const Pic_Buf& part = m.Buf();
  for (uint16_t a : from_part) (*wanted)[a] = part[a];
  if (cal) {
    const uint16_t at = m.Prog_End;
    const uint16_t value = part[at];
    if ((value & cal->opcode_mask) == cal->opcode) {
      const uint16_t given = (*wanted)[at];
      if (given != value && given != s.Fill_Word())
        s.Err() << s.Program() << ": word " << common::Hex(at, 4) << " of " << file << " is "
                << common::Hex(given, 4) << "; the part's own calibration word "
                << common::Hex(value, 4) << " is kept\n";
      (*wanted)[at] = value;
    } else {
      s.Err() << s.Program() << ": the part shows no calibration value at " << common::Hex(at, 4)
              << " (it reads " << common::Hex(value, 4)
              << "): it may be code protected, or its calibration is lost\n";
    }
    const uint16_t bits = cal->config_bits;
    uint16_t& config = (*wanted)[kConfig_Word];
    config = static_cast<uint16_t>((config & ~bits) | (part[kConfig_Word] & bits));
  }
  m.Buf() = *wanted;
  Show_Config_Word(m);
  Show_Checksum(m);
  return proglink::console::kGood;
}

}  // namespace picprog::cli
