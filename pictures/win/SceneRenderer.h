// Draws a scene with GDI: shapes in order, then each text shaped by Uniscribe in its chosen
// face, at the largest size from its em height down to its minimum at which it fits its box;
// the texts of a group all take the size the tightest of them fits.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "layout/Scene.h"

namespace sindhikit::pictures {

// The installed face that draws texts of `face`.
const std::wstring& FaceFor(TextFace face);

struct PlacedText {
    int pixelHeight = 0;  // the em height the text is drawn at
    RECT extent{};        // its line box: advance width by ascent plus descent
    bool fits = false;    // the line box lies inside the item's box at no less than its minimum size
};

// Where and how large each of the scene's texts is drawn; `dc` is only measured with.
std::vector<PlacedText> PlaceTexts(HDC dc, const Scene& scene);
// Draws `item` as placed; a text that does not fit is clipped to its box.
void DrawPlacedText(HDC dc, const TextItem& item, const PlacedText& placed);

// The scene as a new 24-bit bitmap the caller owns; nullptr for an empty size or when GDI fails.
HBITMAP DrawScene(const Scene& scene);

}  // namespace sindhikit::pictures
