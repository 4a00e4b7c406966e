#include "picprog/core/fuse_panel.h"

#include <algorithm>

namespace picprog {

namespace {

template <typename Names>
int Index_Of(const Names& names, const std::string& name) {
  auto it = std::find(names.begin(), names.end(), name);
  return it == names.end() ? -1 : static_cast<int>(it - names.begin());
}

}  // namespace

void Show_Fuse(Mcu9& m) {
  auto show = [&m](std::string_view name, const Fuse_Control& c) {
    std::string n(name);
    m.ui.Caption(n, c.caption);
    m.ui.Checked(n, c.checked);
    m.ui.Enabled(n, c.enabled);
  };
  for (size_t i = 0; i < kCheck_Boxes; ++i)
    show(Check_Box_Names[i], m.Fuse.Box(static_cast<Check_Box>(i)));
  for (size_t i = 0; i < kOsc_Radios; ++i) show(Osc_Names[i], m.Fuse.Radio(static_cast<Osc>(i)));
  for (size_t i = 0; i < kBor_Groups; ++i) {
    std::string n(Bor_Group_Names[i]);
    const Fuse_Group& g = m.Fuse.Group(static_cast<Bor_Group>(i));
    m.ui.Item_Index(n, g.item_index);
    m.ui.Enabled(n, g.enabled);
    m.ui.Visible(n, g.visible);
  }
  m.ui.Caption("Fuse_Data", m.Fuse.Fuse_Data());
  m.ui.Visible("Fuse_Data", true);
  m.ui.Visible("Partial_Protect", m.Fuse.Code_Protection() == Protection::Partial);
}

void Decode(Mcu9& m) {
  m.Fuse.Decode(m.Fuse_Word, m.Family);
  Show_Fuse(m);
}

void Show_Config_Word(Mcu9& m) {
  m.Fuse_Word = m.Buf()[kConfig_Word];
  Decode(m);
}

bool Is_Fuse_Control(const std::string& name) {
  return name == "Osc_Settings" || name == "Fuse_Settings" ||
         Index_Of(Check_Box_Names, name) >= 0 || Index_Of(Osc_Names, name) >= 0 ||
         Index_Of(Bor_Group_Names, name) >= 0;
}

void Osc_SettingsClick(Mcu9& m, const std::string& control) {
  if (int b = Index_Of(Check_Box_Names, control); b >= 0)
    m.Fuse.Set_Check(static_cast<Check_Box>(b), m.ui[control].checked, m.Family);
  else if (int r = Index_Of(Osc_Names, control); r >= 0)
    m.Fuse.Choose_Radio(static_cast<Osc>(r), m.Family);
  else if (int g = Index_Of(Bor_Group_Names, control); g >= 0)
    m.Fuse.Choose_Item(static_cast<Bor_Group>(g), m.ui[control].item_index, m.Family);
  else
    m.Fuse.Encode(m.Family);
  Show_Fuse(m);
}

}  // namespace picprog
