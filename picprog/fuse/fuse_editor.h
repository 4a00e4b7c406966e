// The configuration-word editor as logic: the state of its check boxes, oscillator radios and
// brown-out groups, decoding a word into them and encoding them into the word. The window shows
// this state and passes the user's clicks to the Set_/Choose_ calls.
//
// The editor writes `Fuse_Word` and its copy in the buffer (word 0x2107) through the references
// it is built with, on every decode and on every encode of a family with a layout, so that the
// word shown is the word programmed.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "picprog/fuse/controls.h"

namespace picprog {

struct Fuse_Layout;

struct Fuse_Control {
  std::string caption;
  bool checked = false;
  bool enabled = false;
};

struct Fuse_Group {
  bool visible = false;
  bool enabled = true;
  int item_index = 0;
};

// The code protection a word gives the part. Partial: some of the part's code-protect bits are
// 0 and some 1, which Protec shows as on, and which the encoder, protecting all or nothing,
// never writes.
enum class Protection { Off, Partial, On };

// The code protection a configuration word turns on in a part of the family (Off for a family
// without a layout).
Protection Code_Protection_Of(uint16_t word, int family);

class Fuse_Editor {
 public:
  // Controls as created: captions as designed, nothing checked, only Protec enabled, the brown-out
  // groups hidden, and Fuse_Data showing `fuse_word`.
  Fuse_Editor(uint16_t& fuse_word, uint16_t& buffer_copy);

  const Fuse_Control& Box(Check_Box b) const { return boxes_[static_cast<size_t>(b)]; }
  const Fuse_Control& Radio(Osc r) const { return radios_[static_cast<size_t>(r)]; }
  const Fuse_Group& Group(Bor_Group g) const { return groups_[static_cast<size_t>(g)]; }
  // "Fuse = " and the word as four hex digits.
  const std::string& Fuse_Data() const { return fuse_data_; }
  // True while decoding (the Osc_Settings Tag at 0): encoding does nothing then.
  bool Encoding_Suppressed() const { return decoding_; }
  // The protection of the word shown; Off for a family without a layout.
  Protection Code_Protection() const { return protection_; }

  // Shows `word` for the family: it becomes Fuse_Word and the buffer copy, the controls the
  // family uses are enabled and checked from their bits, and its captions and brown-out group
  // are shown. Protec is checked when any code-protect bit of the part is 0. An oscillator value
  // no radio of the family stands for leaves the radio checked before.
  void Decode(uint16_t word, int family);

  // Builds the word from the controls (the editor's click handler). A family without a layout
  // (no device) leaves the word as it is. Fuse_Data shows the word either way.
  void Encode(int family);

  // What the user does; a disabled or hidden control does not respond. Each then encodes.
  void Set_Check(Check_Box b, bool checked, int family);
  void Choose_Radio(Osc r, int family);
  void Choose_Item(Bor_Group g, int index, int family);

 private:
  Fuse_Control& Box_(Check_Box b) { return boxes_[static_cast<size_t>(b)]; }
  Fuse_Control& Radio_(Osc r) { return radios_[static_cast<size_t>(r)]; }
  Fuse_Group& Group_(Bor_Group g) { return groups_[static_cast<size_t>(g)]; }
  void Check_Radio(Osc r);
  void Show(uint16_t word);
  void Store(uint16_t word, const Fuse_Layout* layout);

  uint16_t& fuse_word_;
  uint16_t& buffer_copy_;
  std::array<Fuse_Control, kCheck_Boxes> boxes_;
  std::array<Fuse_Control, kOsc_Radios> radios_;
  std::array<Fuse_Group, kBor_Groups> groups_;
  std::string fuse_data_;
  bool decoding_ = false;
  Protection protection_ = Protection::Off;
};

}  // namespace picprog
