// The pictures as 24-bit bitmaps. Each call draws a new bitmap that the caller owns
// (DeleteObject); nullptr when the language has no picture or GDI could not draw it.
#pragma once

#include <windows.h>

#include <string>

#include "keymaps/KeyMap.h"
#include "layout/Geometry.h"

namespace sindhikit::pictures {

HBITMAP CreateKeyboardPicture(Langs lang, bool shifted);
HBITMAP CreateSortOrderPicture();
HBITMAP CreateAboutPicture();
// The Dictionary's splash window background, drawn at the window's size in pixels.
HBITMAP CreateSplashPicture(int width, int height);

// The Dictionary's pictures are drawn at the pixel size asked for, so they stay sharp at any
// screen resolution: a window asks for its box in twips at its DPI (PixelsForTwips). An empty
// size gives nullptr.

// The phonetic guide window's alphabet and digits (kPhoneticAlphabetTwips, kPhoneticDigitsTwips).
HBITMAP CreatePhoneticAlphabetPicture(PictureSize size);
HBITMAP CreatePhoneticDigitsPicture(PictureSize size);
// The About window's artwork (kDictionaryAboutTwips); `version` as "2.0.0", or empty for none.
HBITMAP CreateDictionaryAboutPicture(PictureSize size, const std::wstring& version);
// The lookup windows' banner (kLookupBannerTwips), drawn at the size of the box it fills.
HBITMAP CreateLookupBannerPicture(PictureSize size);

}  // namespace sindhikit::pictures
