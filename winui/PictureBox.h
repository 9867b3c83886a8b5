// A picture box: a child that paints its picture at its top-left corner on a background
// colour, without stretching, and owns the picture. Labels may be its children; it
// colours them and passes their clicks and cursor requests to `events`.
#pragma once

#include <windows.h>

namespace sindhikit::winui {

struct PictureBoxEvents {
    // WM_CTLCOLORSTATIC for a child label: answer the brush, or nullptr for the default.
    HBRUSH (*colourLabel)(HWND label, HDC dc) = nullptr;
    // A child label was clicked (SS_NOTIFY labels).
    void (*labelClicked)(HWND label) = nullptr;
    // WM_SETCURSOR over a child: answer the cursor, or nullptr for the default.
    HCURSOR (*cursorFor)(HWND child) = nullptr;
};

HWND CreatePictureBox(HWND parent, int id, int x, int y, int width, int height, HBITMAP picture, int backgroundColour,
                      const PictureBoxEvents& events = {});

}  // namespace sindhikit::winui
