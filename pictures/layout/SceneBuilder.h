// Small helpers the layouts share to put proportional geometry into a scene.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>

#include "layout/Scene.h"

namespace sindhikit::pictures {

inline int Px(double v) {
    return static_cast<int>(std::lround(v));
}

inline PixelRect Box(double left, double top, double right, double bottom) {
    return {Px(left), Px(top), Px(right), Px(bottom)};
}

inline PixelRect Inset(const PixelRect& r, int by) {
    return {r.left + by, r.top + by, r.right - by, r.bottom - by};
}

struct TextStyle {
    TextFace face = TextFace::Latin;
    Rgb colour;
    bool bold = false;
    TextAlign align = TextAlign::Centre;
    int group = 0;
};

// A text at `em` pixels, allowed to shrink to `minEm` to fit its box (at least one pixel).
inline void AddText(Scene& scene, std::u16string text, const PixelRect& box, const TextStyle& style, double em,
                    double minEm) {
    TextItem item;
    item.text = std::move(text);
    item.box = box;
    item.face = style.face;
    item.pixelHeight = std::max(1, Px(em));
    item.minPixelHeight = std::clamp(Px(minEm), 1, item.pixelHeight);
    item.bold = style.bold;
    item.align = style.align;
    item.colour = style.colour;
    item.group = style.group;
    scene.texts.push_back(std::move(item));
}

inline void AddShape(Scene& scene, ShapeKind kind, const PixelRect& rect, Rgb colour, Rgb colourRight = {},
                     int penWidth = 1) {
    scene.shapes.push_back({kind, rect, colour, colourRight, penWidth});
}

}  // namespace sindhikit::pictures
