// Reading back what a window shows: its text and where it is.
#pragma once

#include <windows.h>

#include <string>

namespace sindhikit::guitest {

std::wstring TextOf(HWND hwnd);  // WM_GETTEXT (works for windows of any thread of this process)

struct Box {
    int left = 0, top = 0, width = 0, height = 0;
};
Box WindowBox(HWND hwnd);     // outer rectangle in screen coordinates
Box ClientBox(HWND hwnd);     // client area size (left/top 0)
Box BoxInParent(HWND child);  // outer rectangle in its parent's client coordinates

// Pixels for a length in twips at the screen's logical resolution.
int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);

}  // namespace sindhikit::guitest
