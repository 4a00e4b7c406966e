// The buffer editor on the window: Edit_1, its address field Chg_Edit_Add and the labels
// Buf_Start, EE_Start and ID_Start, shown from the Word_Editor after each of its events. The
// window places Edit_1's caret at Editor.Caret() after each event.
#pragma once

#include "common/text_view.h"
#include "picprog/core/mcu9.h"

namespace picprog {

void EditClick(Mcu9& m);  // opens the editor on the first page
void Edit_1KeyDown(Mcu9& m, common::Edit_Key key);
void Edit_1KeyPress(Mcu9& m, char32_t c);
void Edit_1KeyUp(Mcu9& m);
void Edit_1MouseDown(Mcu9& m, int position);  // a position as Word_Editor counts them
// The focus left the editor and its address field: the editor closes, and the buffer it may
// have changed is checksummed and its configuration word shown in the fuse editor.
void Edit_1Exit(Mcu9& m);

void Buf_StartClick(Mcu9& m);
void EE_StartClick(Mcu9& m);
void ID_StartClick(Mcu9& m);
void Chg_Edit_AddKeyPress(Mcu9& m, char32_t c);  // '\r' Enter, '\b' Backspace
// The field shows what the editor took, whatever reached it otherwise (a paste).
void Chg_Edit_AddChange(Mcu9& m);
void Chg_Edit_AddExit(Mcu9& m);

}  // namespace picprog
