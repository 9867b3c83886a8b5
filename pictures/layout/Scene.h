// A picture as plain geometry at one pixel size: rectangles filled, outlined or shaded, and
// texts each placed in a box it must fit. The layouts build scenes from the kit's tables; the
// GDI side draws any scene, fitting each text to its box, so no picture hard-codes a drawing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "layout/Geometry.h"

namespace sindhikit::pictures {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

enum class ShapeKind {
    Fill,      // the rectangle in `colour`
    Outline,   // its border, `penWidth` pixels wide, inside the rectangle
    Gradient,  // shaded from `colour` at the left edge to `colourRight` at the right edge
};

struct Shape {
    ShapeKind kind = ShapeKind::Fill;
    PixelRect rect;
    Rgb colour;
    Rgb colourRight;
    int penWidth = 1;
};

// Which of the chosen faces draws a text: Sindhi is shaped and laid out right to left.
enum class TextFace { Sindhi, Latin, Phonetic };
enum class TextAlign { Left, Centre, Right };

struct TextItem {
    std::u16string text;
    PixelRect box;  // drawn inside it, centred vertically
    TextFace face = TextFace::Latin;
    int pixelHeight = 0;     // the em height it is drawn at when the text fits the box
    int minPixelHeight = 0;  // the smallest it may shrink to and still be read
    bool bold = false;
    TextAlign align = TextAlign::Centre;
    Rgb colour;
    int group = 0;  // texts of one group (not 0) are drawn at one size, like a table's column
};

struct Scene {
    PictureSize size;
    Rgb ground;
    std::vector<Shape> shapes;  // drawn in order, before the texts
    std::vector<TextItem> texts;
};

}  // namespace sindhikit::pictures
