// The buffer editor on the window: Edit1, its information line Edit_Info and the address field
// Chg_Edit_Add, driven by the editor logic.
#pragma once

#include "common/text_view.h"
#include "memprog/core/kv9.h"

namespace memprog {

void EditClick(Kv9& k);
void Edit1KeyDown(Kv9& k, common::Edit_Key key);
void Edit1KeyPress(Kv9& k, char32_t c);
void Edit1KeyUp(Kv9& k);
void Edit1MouseDown(Kv9& k, int line, int column);
void Edit1Exit(Kv9& k);  // the focus left the view for another control
void Edit_InfoClick(Kv9& k);
void Chg_Edit_AddKeyPress(Kv9& k, char32_t c);
void Chg_Edit_AddExit(Kv9& k);

}  // namespace memprog
