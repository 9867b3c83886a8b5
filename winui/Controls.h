// Child controls of the library's windows, placed in pixels.
#pragma once

#include <windows.h>

namespace sindhikit::winui {

// A child control of `parent` with the font of the window it belongs to.
HWND AddControl(HWND parent, const wchar_t* windowClass, const wchar_t* text, DWORD style, int id, int x, int y,
                int width, int height);

// Sizes a control (a label) to its own text in its own font; it keeps its place.
void SizeToText(HWND control);

}  // namespace sindhikit::winui
