#include "picprog/cli/fuse_word.h"

#include "common/hex.h"
#include "picprog/core/fuse_panel.h"
#include "picprog/fuse/fuse_layout.h"

namespace picprog::cli {

namespace {

// Bits 2..0: the three-bit oscillator field, the only one with values that no radio stands for.
constexpr uint16_t kFosc3_Bits = 0x0007;

std::string Binary(unsigned value, int digits) {
  std::string text;
  for (int bit = digits - 1; bit >= 0; --bit) text.push_back((value >> bit) & 1 ? '1' : '0');
  return text;
}

}  // namespace

std::string Set_Fuse(Mcu9& m, uint16_t word) {
  m.Fuse_Word = word;
  Decode(m);
  const bool partial = m.Fuse.Code_Protection() == Protection::Partial;
  Osc_SettingsClick(m, "Fuse_Settings");
  const uint16_t made = m.Buf()[kConfig_Word];
  if (made == word) return "";
  const uint16_t differ = made ^ word;
  std::string why = "the " + m.ui["Device"].caption + "'s fuse editor cannot represent " +
                    common::Hex(word, 4) + ": its settings for it give " + common::Hex(made, 4) +
                    " (bits " + common::Hex(differ, 4) + " differ";
  const Fuse_Layout* layout = Find_Fuse_Layout(m.Family);
  if (layout && layout->osc == Osc_Field::Fosc3 && (differ & kFosc3_Bits))
    why += "; the oscillator value " + Binary(word & kFosc3_Bits, 3) + " has no choice there";
  if (partial) why += "; partial code protection has no choice there";
  return why + ")";
}

std::vector<std::string> Fuse_Settings(const Mcu9& m) {
  std::vector<std::string> lines;
  for (std::string_view name : Check_Box_Names) {
    const proglink::Control_State& box = m.ui[std::string(name)];
    if (box.enabled) lines.push_back(box.caption + ": " + (box.checked ? "checked" : "unchecked"));
  }
  std::string osc = "none";
  for (std::string_view name : Osc_Names)
    if (m.ui[std::string(name)].checked) osc = m.ui[std::string(name)].caption;
  lines.push_back("Osc Selection: " + osc);
  for (size_t g = 0; g < kBor_Groups; ++g) {
    const proglink::Control_State& group = m.ui[std::string(Bor_Group_Names[g])];
    if (!group.visible || group.item_index < 0 || group.item_index > 3) continue;
    lines.push_back(std::string(kBor_Group_Caption) + ": " +
                    std::string(Bor_Items[g][static_cast<size_t>(group.item_index)]) +
                    (group.enabled ? "" : " (disabled)"));
  }
  lines.push_back(m.ui["Fuse_Data"].caption);
  return lines;
}

}  // namespace picprog::cli
