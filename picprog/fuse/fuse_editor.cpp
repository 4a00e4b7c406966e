#include "picprog/fuse/fuse_editor.h"

#include "common/hex.h"
#include "picprog/fuse/fuse_layout.h"

namespace picprog {

namespace {

Osc_Set Field_Radios(const Fuse_Layout& l) {
  Osc_Set all = l.osc == Osc_Field::Fosc2 ? 0x0F : 0xFF;
  return static_cast<Osc_Set>(all & ~l.without);
}

uint16_t Osc_Value(Osc_Field field, Osc r) {
  unsigned v = static_cast<unsigned>(r);
  switch (field) {
    case Osc_Field::Fosc2:
      return static_cast<uint16_t>(v & 3);
    case Osc_Field::Fosc2_Bit4:
      return static_cast<uint16_t>((v & 3) | (v >= 4 ? 0x10 : 0));
    case Osc_Field::Fosc3:
      return static_cast<uint16_t>(v);
  }
  return 0;
}

int Bor_Shift(Bor_Field f) {
  return f == Bor_Field::BORV2_11_10 ? 10 : 8;
}

Bor_Group Group_Of(Bor_Field f) {
  return f == Bor_Field::BORV2_11_10 ? Bor_Group::BORV2 : Bor_Group::BORV3;
}

constexpr int kBor_Bit = 6;  // BORV2 follows the brown-out enable

Protection Protection_Of(uint16_t word, const Fuse_Layout* l) {
  if (!l) return Protection::Off;
  const uint16_t erased = word & l->protect_bits;
  if (erased == l->protect_bits) return Protection::Off;
  return erased == 0 ? Protection::On : Protection::Partial;
}

}  // namespace

Protection Code_Protection_Of(uint16_t word, int family) {
  return Protection_Of(word, Find_Fuse_Layout(family));
}

Fuse_Editor::Fuse_Editor(uint16_t& fuse_word, uint16_t& buffer_copy)
    : fuse_word_(fuse_word), buffer_copy_(buffer_copy) {
  for (size_t i = 0; i < kCheck_Boxes; ++i) boxes_[i].caption = Check_Box_Captions[i];
  for (size_t i = 0; i < kOsc_Radios; ++i) radios_[i].caption = Osc_Captions[i];
  Box_(Check_Box::Protec).enabled = true;
  Show(fuse_word_);
}

void Fuse_Editor::Check_Radio(Osc r) {
  for (size_t i = 0; i < kOsc_Radios; ++i) radios_[i].checked = i == static_cast<size_t>(r);
}

void Fuse_Editor::Show(uint16_t word) {
  fuse_data_ = "Fuse = " + common::Hex(word, 4);
}

void Fuse_Editor::Store(uint16_t word, const Fuse_Layout* layout) {
  fuse_word_ = word;
  buffer_copy_ = word;
  protection_ = Protection_Of(word, layout);
  Show(word);
}

void Fuse_Editor::Decode(uint16_t word, int family) {
  decoding_ = true;
  for (Fuse_Control& b : boxes_) b.checked = b.enabled = false;
  Box_(Check_Box::Protec).enabled = true;
  for (Fuse_Control& r : radios_) r.enabled = false;
  for (Fuse_Group& g : groups_) g.visible = false;
  for (Osc r : {Osc::LP_Osc, Osc::Xtal, Osc::Hi_Spd, Osc::Ext_Clk})
    Radio_(r).caption = Osc_Captions[static_cast<size_t>(r)];
  for (Check_Box b : {Check_Box::MPEEN, Check_Box::CPMX, Check_Box::LVP})
    Box_(b).caption = Check_Box_Captions[static_cast<size_t>(b)];

  const Fuse_Layout* l = Find_Fuse_Layout(family);
  if (l) {
    Osc_Set field = Field_Radios(*l);
    for (size_t i = 0; i < kOsc_Radios; ++i)
      radios_[i].enabled = (field & ~l->disabled & (1u << i)) != 0;
    for (size_t i = 0; i < l->captions.size(); ++i)
      if (!l->captions[i].empty()) radios_[i].caption = l->captions[i];

    for (const Box_Bit& bb : Box_Bits) {
      const Fuse_Bit& fb = l->*bb.bit;
      if (fb.bit < 0) continue;
      bool set = (word >> fb.bit) & 1;
      Box_(bb.box).checked = set == (fb.level == Level::High);
      Box_(bb.box).enabled = true;
    }
    Box_(Check_Box::Protec).checked = Protection_Of(word, l) != Protection::Off;

    // The two-bit value first, then the three-bit one, which wins when it has a radio.
    auto check_if_in_field = [&](unsigned v) {
      if (field & (1u << v)) Check_Radio(static_cast<Osc>(v));
    };
    check_if_in_field(word & 3);
    if (l->osc == Osc_Field::Fosc3) check_if_in_field(word & 7);
    if (l->osc == Osc_Field::Fosc2_Bit4 && (word & 0x10)) check_if_in_field(4 + (word & 3));

    if (l->bor_field != Bor_Field::None) {
      Fuse_Group& g = Group_(Group_Of(l->bor_field));
      g.visible = true;
      g.item_index = (word >> Bor_Shift(l->bor_field)) & 3;
      g.enabled = l->bor_field != Bor_Field::BORV2_11_10 || ((word >> kBor_Bit) & 1);
    }
  }
  Store(word, l);
  decoding_ = false;
}

void Fuse_Editor::Encode(int family) {
  const Fuse_Layout* l = Find_Fuse_Layout(family);
  if (decoding_ || !l) {
    Show(fuse_word_);
    return;
  }
  uint16_t w = l->base | (fuse_word_ & l->keep);
  for (size_t i = 0; i < kOsc_Radios; ++i)
    if (radios_[i].checked) w |= Osc_Value(l->osc, static_cast<Osc>(i));
  for (const Box_Bit& bb : Box_Bits) {
    const Fuse_Bit& fb = l->*bb.bit;
    if (fb.bit >= 0 && Box(bb.box).checked == (fb.level == Level::High)) w |= 1u << fb.bit;
  }
  if (!Box(Check_Box::Protec).checked) w |= l->protect_off;
  if (l->bor_field != Bor_Field::None) {
    Fuse_Group& g = Group_(Group_Of(l->bor_field));
    w |= static_cast<uint16_t>((g.item_index & 3) << Bor_Shift(l->bor_field));
    if (l->bor_field == Bor_Field::BORV2_11_10) g.enabled = (w >> kBor_Bit) & 1;
  }
  Store(w, l);
}

void Fuse_Editor::Set_Check(Check_Box b, bool checked, int family) {
  if (!Box(b).enabled) return;
  Box_(b).checked = checked;
  Encode(family);
}

void Fuse_Editor::Choose_Radio(Osc r, int family) {
  if (!Radio(r).enabled) return;
  Check_Radio(r);
  Encode(family);
}

void Fuse_Editor::Choose_Item(Bor_Group g, int index, int family) {
  const Fuse_Group& group = Group(g);
  const auto& items = Bor_Items[static_cast<size_t>(g)];
  bool listed = index >= 0 && index < 4 && !items[static_cast<size_t>(index)].empty();
  if (!group.visible || !group.enabled || !listed) return;
  Group_(g).item_index = index;
  Encode(family);
}

}  // namespace picprog
