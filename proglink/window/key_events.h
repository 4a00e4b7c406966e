// A key press as both programs' logic takes it.
#pragma once

#include "common/text_view.h"

class QKeyEvent;

namespace proglink {

// The character the key delivers, as the logic's key filters see it; 0 for keys that type
// nothing (arrows, function keys), which the filters leave alone.
char Typed(QKeyEvent* e);

// The key as the buffer editors move by it.
common::Edit_Key Edit_Key_Of(int key);

}  // namespace proglink
