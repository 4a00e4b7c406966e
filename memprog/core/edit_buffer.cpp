#include "memprog/core/edit_buffer.h"

#include "memprog/core/main_form.h"
#include "memprog/core/ranges.h"

namespace memprog {

namespace {

// Shows what the last event changed: the page (a redraw formats 16 lines), the information
// line, the caret and the address field.
void Show(Kv9& k) {
  Buffer_Editor& e = k.Editor;
  if (e.Take_Change().kind != common::Redraw::None)
    k.ui.Lines("Edit1", std::vector<std::string>(e.Lines().begin(), e.Lines().end()));
  k.ui.Caption("Edit_Info", e.Edit_Info());
  common::Line_Col caret = kEdit1_Grid.At(e.Caret());
  k.ui.Caret("Edit1", caret.line, caret.column);
  if (e.Chg_Edit_Add_Shown() != k.ui["Chg_Edit_Add"].visible) {
    k.ui.Visible("Chg_Edit_Add", e.Chg_Edit_Add_Shown());
    k.ui.Focus(e.Chg_Edit_Add_Shown() ? "Chg_Edit_Add" : "Edit1");
  }
  if (e.Chg_Edit_Add() != k.ui["Chg_Edit_Add"].caption)
    k.ui.Caption("Chg_Edit_Add", e.Chg_Edit_Add());
}

}  // namespace

void EditClick(Kv9& k) {
  k.link.Memo1().Show(false);
  Enable_All(k);
  k.Editor.EditClick(k.Buf_Start_Add);
  k.ui.Visible("Edit1", true);
  k.ui.Visible("Edit_Info", true);
  Show(k);
  k.ui.Focus("Edit1");
}

void Edit1KeyDown(Kv9& k, common::Edit_Key key) {
  k.Editor.Edit1KeyDown(key);
  Show(k);
}

void Edit1KeyPress(Kv9& k, char32_t c) {
  k.Editor.Edit1KeyPress(c);
  Show(k);
  k.host.Pump_Messages();
}

void Edit1KeyUp(Kv9& k) {
  k.Editor.Edit1KeyUp();
  Show(k);
}

void Edit1MouseDown(Kv9& k, int line, int column) {
  k.Editor.Edit1MouseDown(kEdit1_Grid.Position({line, column}));
  Show(k);
}

void Edit1Exit(Kv9& k) {
  if (!k.Editor.Edit1Exit()) return;
  k.ui.Visible("Edit1", false);
  k.ui.Visible("Edit_Info", false);
  k.ui.Visible("Chg_Edit_Add", false);
  Checksum(k);
}

void Edit_InfoClick(Kv9& k) {
  if (!k.Editor.Open()) return;
  k.Editor.Edit_InfoClick();
  Show(k);
}

void Chg_Edit_AddKeyPress(Kv9& k, char32_t c) {
  k.Editor.Chg_Edit_AddKeyPress(c);
  Show(k);
}

void Chg_Edit_AddExit(Kv9& k) {
  k.Editor.Chg_Edit_AddExit();
  Show(k);
}

}  // namespace memprog
