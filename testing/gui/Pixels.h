// Pixels of a bitmap or a window, for checks that a picture was really drawn.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace sindhikit::guitest {

struct Pixels {
    int width = 0, height = 0;
    std::vector<std::uint8_t> bgr;  // rows top to bottom, 3 bytes a pixel, no padding

    std::uint32_t At(int x, int y) const;  // 0x00RRGGBB
    size_t DistinctColours() const;
    // Share of pixels that differ from `other` (1.0 when the sizes differ).
    double DifferenceFrom(const Pixels& other) const;
    // Share of pixels that differ from the most common colour.
    double InkFraction() const;
};

Pixels ReadBitmap(HBITMAP bitmap);
// What the screen shows of the window's outer rectangle (the window should be on top).
Pixels CaptureWindow(HWND hwnd);

}  // namespace sindhikit::guitest
