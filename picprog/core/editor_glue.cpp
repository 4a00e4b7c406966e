#include "picprog/core/editor_glue.h"

#include "picprog/core/checksum_fill.h"
#include "picprog/core/fuse_panel.h"
#include "picprog/core/main_form.h"

namespace picprog {

namespace {

void Show_Address_Field(Mcu9& m) {
  const Word_Editor& e = m.Editor;
  m.ui.Caption("Chg_Edit_Add", e.Chg_Edit_Add());
  m.ui.Visible("Chg_Edit_Add", e.Chg_Edit_Add_Shown());
  m.ui.Visible("Buf_Start", e.Buf_Start_Shown());
  m.ui.Visible("EE_Start", e.EE_Start_Shown());
  m.ui.Visible("ID_Start", e.ID_Start_Shown());
}

enum class Focus { Stays, Edit_1, Address };

// Focus goes to Edit_1 before the address field hides, and to the field once it shows: a focused
// control that hides passes the focus on, and the editor would close.
void Show_Editor(Mcu9& m, Focus focus = Focus::Stays) {
  const auto& lines = m.Editor.Lines();
  m.ui.Lines("Edit_1", std::vector<std::string>(lines.begin(), lines.end()));
  m.ui.Visible("Edit_1", m.Editor.Open());
  if (focus == Focus::Edit_1) m.ui.Focus("Edit_1");
  Show_Address_Field(m);
  if (focus == Focus::Address) m.ui.Focus("Chg_Edit_Add");
}

}  // namespace

void EditClick(Mcu9& m) {
  Hide_Panels(m);
  m.Editor.EditClick();
  Show_Editor(m, Focus::Edit_1);
}

void Edit_1KeyDown(Mcu9& m, common::Edit_Key key) {
  m.Editor.Edit_1KeyDown(key);
  Show_Editor(m);
}

void Edit_1KeyPress(Mcu9& m, char32_t c) {
  m.Editor.Edit_1KeyPress(c, m.Fuse_Blank);
  Show_Editor(m);
}

void Edit_1KeyUp(Mcu9& m) {
  m.Editor.Edit_1KeyUp();
}

void Edit_1MouseDown(Mcu9& m, int position) {
  m.Editor.Edit_1MouseDown(position, m.Erase_Flag != 0);
  Show_Editor(m, m.Editor.Chg_Edit_Add_Shown() ? Focus::Address : Focus::Stays);
}

void Edit_1Exit(Mcu9& m) {
  if (!m.Editor.Edit_1Exit()) return;
  Show_Editor(m);
  Show_Config_Word(m);
  Show_Checksum(m);
}

void Buf_StartClick(Mcu9& m) {
  m.Editor.Buf_StartClick();
  Show_Editor(m, Focus::Edit_1);
}

void EE_StartClick(Mcu9& m) {
  m.Editor.EE_StartClick();
  Show_Editor(m, Focus::Edit_1);
}

void ID_StartClick(Mcu9& m) {
  m.Editor.ID_StartClick();
  Show_Editor(m, Focus::Edit_1);
}

void Chg_Edit_AddKeyPress(Mcu9& m, char32_t c) {
  m.Editor.Chg_Edit_AddKeyPress(c);
  if (c == U'\r' || c == U'\n')
    Show_Editor(m, Focus::Edit_1);
  else
    Show_Address_Field(m);
}

void Chg_Edit_AddChange(Mcu9& m) {
  m.ui.Caption("Chg_Edit_Add", m.Editor.Chg_Edit_Add());
}

void Chg_Edit_AddExit(Mcu9& m) {
  m.Editor.Chg_Edit_AddExit();
  Show_Address_Field(m);
}

}  // namespace picprog
