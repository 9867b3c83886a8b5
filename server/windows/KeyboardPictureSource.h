// Where frmKB's picture store gets its bitmaps: the pictures module, unless a test puts
// a source in its place to see how the window copes with a picture that cannot be drawn.
#pragma once

#include <windows.h>

#include "keymaps/KeyMap.h"

namespace tavrocodes::windows {

using KeyboardPictureSource = HBITMAP (*)(sindhikit::Langs lang, bool shifted);

// nullptr restores the pictures module. Applies to keyboard windows created afterwards.
void SetKeyboardPictureSource(KeyboardPictureSource source);

}  // namespace tavrocodes::windows
