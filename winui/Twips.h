// Lengths in twips (1/1440 inch) to pixels at the screen's logical resolution: the
// windows of both programs are laid out from tables in twips.
#pragma once

#include <windows.h>

namespace sindhikit::winui {

struct TwipsSize {
    int width = 0, height = 0;
};

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
    SIZE Size(TwipsSize twips) const { return {X(twips.width), Y(twips.height)}; }
};

}  // namespace sindhikit::winui
