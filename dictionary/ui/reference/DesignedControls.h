// The reference windows' controls made from their design tables: place and size in twips,
// font by name, size in points and weight.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "Control.h"
#include "Label.h"
#include "lvButtons_H.h"

namespace dictionary::reference {

struct DesignedFont {
    const wchar_t* name = L"MS Sans Serif";
    float points = 8.25f;
    bool bold = false;
};

// The "Close" button of the keyboard and phonetic guide windows.
std::unique_ptr<controls::lvButtons_H> CreateCloseButton(HWND window, const controls::TwipsRect& place);

std::unique_ptr<controls::Label> CreateDesignedLabel(HWND window, int id, const std::wstring& caption,
                                                     const controls::LabelLook& look, const DesignedFont& font,
                                                     const controls::TwipsRect& place);

// A picture at its design place, shown at its own size from the top-left corner of a box
// of the design size on the system colour `backgroundColour`; the box owns the picture.
HWND CreateDesignedPicture(HWND window, int id, const controls::TwipsRect& place, HBITMAP picture,
                           int backgroundColour = COLOR_WINDOW);

// A picture's box in pixels at the screen's DPI, for pictures drawn at the size they fill.
struct PixelBox {
    int width = 0, height = 0;
};
PixelBox PixelsOf(const controls::TwipsRect& place);

}  // namespace dictionary::reference
