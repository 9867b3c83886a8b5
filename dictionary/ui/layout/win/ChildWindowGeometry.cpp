#include "layout/win/ChildWindowGeometry.h"

#include <algorithm>
#include <cmath>

namespace sindhikit::layout {

namespace {

int ToPixels(float twips, int dpi) {
    // Double keeps the product exact; nearbyint rounds a half to even (the default mode).
    // Windows place and size windows in 16-bit signed coordinates at most.
    const double pixels = std::nearbyint(static_cast<double>(twips) * dpi / 1440.0);
    return static_cast<int>(std::clamp(pixels, -32768.0, 32767.0));
}

float ToTwips(int pixels, int dpi) {
    return static_cast<float>(pixels * 1440.0 / dpi);
}

}  // namespace

int PixelScale::PixelsX(float twips) const {
    return ToPixels(twips, dpiX);
}
int PixelScale::PixelsY(float twips) const {
    return ToPixels(twips, dpiY);
}
float PixelScale::TwipsX(int pixels) const {
    return ToTwips(pixels, dpiX);
}
float PixelScale::TwipsY(int pixels) const {
    return ToTwips(pixels, dpiY);
}

InnerArea InnerAreaOf(HWND window, const PixelScale& scale) {
    RECT client{};
    GetClientRect(window, &client);
    return {0, 0, scale.TwipsX(client.right - client.left), scale.TwipsY(client.bottom - client.top)};
}

ChildWindowBoxes::ChildWindowBoxes(HWND parent, PixelScale scale, std::size_t count)
    : parent_(parent), scale_(scale), children_(count, nullptr) {}

void ChildWindowBoxes::Attach(std::size_t index, HWND child) {
    children_.at(index) = child;
}

RECT ChildWindowBoxes::PixelBox(std::size_t index) const {
    RECT box{};
    GetWindowRect(children_.at(index), &box);
    MapWindowPoints(HWND_DESKTOP, parent_, reinterpret_cast<POINT*>(&box), 2);
    return box;
}

float ChildWindowBoxes::Get(std::size_t index, Dimension dimension) const {
    const RECT box = PixelBox(index);
    switch (dimension) {
        case Dimension::Left:
            return scale_.TwipsX(box.left);
        case Dimension::Top:
            return scale_.TwipsY(box.top);
        case Dimension::Width:
            return scale_.TwipsX(box.right - box.left);
        case Dimension::Height:
            return scale_.TwipsY(box.bottom - box.top);
    }
    return 0;
}

void ChildWindowBoxes::Set(std::size_t index, Dimension dimension, float twips) {
    const RECT box = PixelBox(index);
    int x = box.left, y = box.top, width = box.right - box.left, height = box.bottom - box.top;
    switch (dimension) {
        case Dimension::Left:
            x = scale_.PixelsX(twips);
            break;
        case Dimension::Top:
            y = scale_.PixelsY(twips);
            break;
        case Dimension::Width:
            width = scale_.PixelsX(twips);
            break;
        case Dimension::Height:
            height = scale_.PixelsY(twips);
            break;
    }
    const bool moves = dimension == Dimension::Left || dimension == Dimension::Top;
    SetWindowPos(children_.at(index), nullptr, x, y, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER | (moves ? SWP_NOSIZE : SWP_NOMOVE));
}

}  // namespace sindhikit::layout
