// The hidden "Test Buttons" panel: programming pass and pulse, Auto ID, Reset Defaults, Flash
// Update and the way into the Vpp calibration. One letter key on Vpp_But or Help opens it.
#pragma once

#include "memprog/core/kv9.h"
#include "proglink/outcome.h"

namespace memprog {

// The key that opens the panel, in either case.
constexpr char kTest_Panel_Key = 'T';

// A key pressed on Vpp_But or Help; true when it opened the panel (the key is used up).
bool Vpp_ButKeyPress(Kv9& k, char key);
void Quit_TestClick(Kv9& k);
// "Flash Update": the firmware update, after which the button is enabled again.
proglink::Outcome FlashClick(Kv9& k);

}  // namespace memprog
