// Every word of every family, decoded into the editor and encoded back: what the user saw is
// what gets written, and nothing of the old word leaks into bits the editor does not show.
#include <gtest/gtest.h>

#include <map>

#include "common/hex.h"
#include "picprog/catalogue/catalogue.h"
#include "picprog/fuse/fuse_editor.h"

namespace picprog {
namespace {

// Per family, the bits its controls show one by one (oscillator, boxes, brown-out voltage, the
// code-protect bit where the part has only one, and the bits family 27 keeps).
const std::map<int, uint16_t> kShown = {
    {1, 0x000F},  {2, 0x000F},  {3, 0x0007},  {5, 0x000F},  {6, 0x001F},
    {7, 0x000F},  {8, 0x004F},  {9, 0x005F},  {11, 0x000F}, {12, 0x21FF},
    {13, 0x000F}, {14, 0x01FF}, {16, 0x004F}, {19, 0x0C7F}, {20, 0x0C4F},
    {22, 0x01CF}, {23, 0x21CF}, {24, 0x004F}, {26, 0x009F}, {27, 0x31FF},
    {30, 0x001F}, {31, 0x001F}, {32, 0x0FFF}, {33, 0x1FFF}, {34, 0x002F},
};

struct View {
  std::array<bool, kCheck_Boxes> boxes;
  std::array<bool, kOsc_Radios> radios;
  int bor_item;
  bool operator==(const View&) const = default;
};

View Look(const Fuse_Editor& ed) {
  View v{};
  for (size_t i = 0; i < kCheck_Boxes; ++i) v.boxes[i] = ed.Box(static_cast<Check_Box>(i)).checked;
  for (size_t i = 0; i < kOsc_Radios; ++i) v.radios[i] = ed.Radio(static_cast<Osc>(i)).checked;
  v.bor_item = ed.Group(Bor_Group::BORV2).visible   ? ed.Group(Bor_Group::BORV2).item_index
               : ed.Group(Bor_Group::BORV3).visible ? ed.Group(Bor_Group::BORV3).item_index
                                                    : -1;
  return v;
}

uint16_t Osc_Mask(int family) {
  switch (family) {
    case 12:
    case 14:
      return 0x13;
    case 19:
    case 26:
    case 27:
    case 32:
    case 33:
    case 34:
      return 0x07;
    default:
      return 0x03;
  }
}

TEST(FuseRoundTrip, EveryWordOfEveryFamily) {
  ASSERT_EQ(kShown.size(), Pic_Families.size());
  for (const Pic_Family& f : Pic_Families) {
    const int family = f.family;
    const uint16_t shown = kShown.at(family);
    uint16_t fuse_word = 0, copy = 0;
    Fuse_Editor ed(fuse_word, copy);  // one editor: earlier words leave their radio behind
    std::map<bool, uint16_t> rest_by_protection;
    int failures = 0;
    for (uint32_t w = 0; w <= f.fuse_blank && failures < 5; ++w) {
      ed.Decode(static_cast<uint16_t>(w), family);
      const View seen = Look(ed);
      ed.Encode(family);
      const uint16_t out = fuse_word;
      bool reserved_osc = (family == 26 || family == 34) && (w & 7) == 3;
      uint16_t must_match = reserved_osc ? shown & ~Osc_Mask(family) : shown;

      bool ok = copy == out && (out & ~f.fuse_blank) == 0 && ((out ^ w) & must_match) == 0;
      // The rest of the word depends on nothing but the protection shown.
      bool prot = seen.boxes[static_cast<size_t>(Check_Box::Protec)];
      auto [it, fresh] = rest_by_protection.emplace(prot, out & ~shown);
      ok = ok && it->second == (out & ~shown);
      // Decoding what was written shows the same, and writes it again unchanged.
      ed.Decode(out, family);
      ok = ok && Look(ed) == seen;
      ed.Encode(family);
      ok = ok && fuse_word == out && ed.Fuse_Data() == "Fuse = " + common::Hex(out, 4);
      if (!ok) {
        ++failures;
        ADD_FAILURE() << "family " << family << " word " << common::Hex(w, 4) << " gave "
                      << common::Hex(out, 4) << ", then " << common::Hex(fuse_word, 4);
      }
    }
  }
}

}  // namespace
}  // namespace picprog
