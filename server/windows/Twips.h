// Lengths in twips (1/1440 inch) to pixels at the screen's logical resolution.
#pragma once

#include <windows.h>

namespace tavrocodes::windows {

struct Dpi {
    int x = 96, y = 96;
    static Dpi OfScreen() {
        HDC dc = GetDC(nullptr);
        Dpi d{GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY)};
        ReleaseDC(nullptr, dc);
        return d;
    }
    int X(int twips) const { return MulDiv(twips, x, 1440); }
    int Y(int twips) const { return MulDiv(twips, y, 1440); }
};

}  // namespace tavrocodes::windows
