// The pictures as 24-bit bitmaps. Each call draws a new bitmap that the caller owns
// (DeleteObject); nullptr when the language has no picture or GDI could not draw it.
#pragma once

#include <windows.h>

#include "keymaps/KeyMap.h"

namespace sindhikit::pictures {

HBITMAP CreateKeyboardPicture(Langs lang, bool shifted);
HBITMAP CreateSortOrderPicture();
HBITMAP CreateAboutPicture();
// The Dictionary's splash window background, drawn at the window's size in pixels.
HBITMAP CreateSplashPicture(int width, int height);

}  // namespace sindhikit::pictures
