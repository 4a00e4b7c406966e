// The fuse editor on the window: its check boxes, oscillator radios, brown-out groups and
// Fuse_Data shown from the Fuse_Editor, and every click in it passed to the Fuse_Editor.
#pragma once

#include <string>

#include "picprog/core/mcu9.h"

namespace picprog {

// Shows the Fuse_Editor's state on the controls: captions, checked, enabled, the brown-out
// groups' visibility and item index, Fuse_Data, and Partial_Protect while the word's code
// protection is partial.
void Show_Fuse(Mcu9& m);

// Decodes Fuse_Word for the selected family into the editor and shows it.
void Decode(Mcu9& m);

// Fuse_Word from buffer word 0x2107, decoded: after a load, a fill or an edit of the buffer,
// so that the editor shows the word that will be programmed.
void Show_Config_Word(Mcu9& m);

// Whether the control belongs to the fuse editor (the two groups, their check boxes and radios,
// the brown-out groups).
bool Is_Fuse_Control(const std::string& name);

// The editor's one click handler: `control` is the control clicked, whose checked state or item
// index the window has passed on (User_Checked, User_Item_Index). It encodes.
void Osc_SettingsClick(Mcu9& m, const std::string& control);

}  // namespace picprog
