#include "win/SceneRenderer.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "win/DibCanvas.h"
#include "win/PictureFonts.h"
#include "win/ShapedLine.h"

namespace sindhikit::pictures {

namespace {

COLORREF Colour(Rgb c) {
    return RGB(c.r, c.g, c.b);
}

RECT Rect(const PixelRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

bool IsRightToLeft(const TextItem& item) {
    return item.face == TextFace::Sindhi;
}

// The line's size at `pixelHeight`.
SIZE Measure(HDC dc, const TextItem& item, int pixelHeight) {
    PictureFont font(FaceFor(item.face), pixelHeight, item.bold, IsRightToLeft(item));
    HGDIOBJ old = SelectObject(dc, font.Get());
    const ShapedLine line(dc, Wide(item.text), IsRightToLeft(item));
    const SIZE size = line.Size();
    SelectObject(dc, old);
    return size;
}

// Glyphs may reach past the ends of their advance (the tails of Naskh's final letters do): a
// line keeps that much room from its box's sides.
int Overhang(const TextItem& item, int pixelHeight) {
    return static_cast<int>(std::ceil(pixelHeight * (IsRightToLeft(item) ? 0.15 : 0.08)));
}

bool Fits(const TextItem& item, SIZE size, int pixelHeight) {
    return size.cx + 2 * Overhang(item, pixelHeight) <= item.box.Width() && size.cy <= item.box.Height();
}

// Where `item` lies when drawn at `pixelHeight`.
PlacedText PlaceTextAt(HDC dc, const TextItem& item, int pixelHeight) {
    const SIZE size = Measure(dc, item, pixelHeight);
    const int boxWidth = item.box.Width(), boxHeight = item.box.Height(), room = Overhang(item, pixelHeight);
    PlacedText placed;
    placed.pixelHeight = pixelHeight;
    placed.fits = size.cx > 0 && Fits(item, size, pixelHeight) && pixelHeight >= item.minPixelHeight;
    int x = item.box.left + (boxWidth - size.cx) / 2;
    if (item.align == TextAlign::Left) x = item.box.left + room;
    if (item.align == TextAlign::Right) x = item.box.right - room - size.cx;
    const int y = item.box.top + (boxHeight - size.cy) / 2;
    placed.extent = {x, y, x + size.cx, y + size.cy};
    return placed;
}

// The largest em height from the item's own down to its minimum at which it fits.
int FittingHeight(HDC dc, const TextItem& item) {
    const int boxWidth = item.box.Width(), boxHeight = item.box.Height();
    int height = item.pixelHeight;
    SIZE size = Measure(dc, item, height);
    if (Fits(item, size, height)) return height;
    // Text scales nearly in proportion with its em height: jump close to the size that fits,
    // then step down to it.
    const double ratio = std::min(boxWidth / std::max(1.0, static_cast<double>(size.cx + 2 * Overhang(item, height))),
                                  boxHeight / std::max(1.0, static_cast<double>(size.cy)));
    height = std::clamp(static_cast<int>(height * ratio) + 1, item.minPixelHeight, item.pixelHeight);
    size = Measure(dc, item, height);
    while (!Fits(item, size, height) && height > item.minPixelHeight) size = Measure(dc, item, --height);
    return height;
}

void DrawShape(HDC dc, const Shape& shape) {
    const RECT r = Rect(shape.rect);
    switch (shape.kind) {
        case ShapeKind::Fill: {
            HBRUSH brush = CreateSolidBrush(Colour(shape.colour));
            FillRect(dc, &r, brush);
            DeleteObject(brush);
            break;
        }
        case ShapeKind::Outline: {
            HPEN pen = CreatePen(PS_INSIDEFRAME, shape.penWidth, Colour(shape.colour));
            HGDIOBJ oldPen = SelectObject(dc, pen);
            HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
            Rectangle(dc, r.left, r.top, r.right, r.bottom);
            SelectObject(dc, oldBrush);
            SelectObject(dc, oldPen);
            DeleteObject(pen);
            break;
        }
        case ShapeKind::Gradient: {
            auto vertex = [](LONG x, LONG y, Rgb c) {
                return TRIVERTEX{x,
                                 y,
                                 static_cast<COLOR16>(c.r << 8),
                                 static_cast<COLOR16>(c.g << 8),
                                 static_cast<COLOR16>(c.b << 8),
                                 0};
            };
            TRIVERTEX corners[2] = {vertex(r.left, r.top, shape.colour), vertex(r.right, r.bottom, shape.colourRight)};
            GRADIENT_RECT span{0, 1};
            GradientFill(dc, corners, 2, &span, 1, GRADIENT_FILL_RECT_H);
            break;
        }
    }
}

}  // namespace

const std::wstring& FaceFor(TextFace face) {
    switch (face) {
        case TextFace::Sindhi:
            return ArabicFace();
        case TextFace::Phonetic:
            return PhoneticFace();
        case TextFace::Latin:
            break;
    }
    return LatinFace();
}

std::vector<PlacedText> PlaceTexts(HDC dc, const Scene& scene) {
    std::vector<int> heights;
    std::map<int, int> groupHeight;
    for (const TextItem& item : scene.texts) {
        heights.push_back(FittingHeight(dc, item));
        if (item.group == 0) continue;
        auto [at, added] = groupHeight.emplace(item.group, heights.back());
        if (!added) at->second = std::min(at->second, heights.back());
    }
    std::vector<PlacedText> placed;
    for (size_t i = 0; i < scene.texts.size(); ++i) {
        const TextItem& item = scene.texts[i];
        placed.push_back(PlaceTextAt(dc, item, item.group ? groupHeight[item.group] : heights[i]));
    }
    return placed;
}

void DrawPlacedText(HDC dc, const TextItem& item, const PlacedText& placed) {
    PictureFont font(FaceFor(item.face), placed.pixelHeight, item.bold, IsRightToLeft(item));
    HGDIOBJ old = SelectObject(dc, font.Get());
    SetTextColor(dc, Colour(item.colour));
    SetBkMode(dc, TRANSPARENT);
    const ShapedLine line(dc, Wide(item.text), IsRightToLeft(item));
    // A text that fits is drawn unclipped, so a glyph reaching past its line box shows.
    const int saved = placed.fits ? 0 : SaveDC(dc);
    if (saved) IntersectClipRect(dc, item.box.left, item.box.top, item.box.right, item.box.bottom);
    line.Draw(placed.extent.left, placed.extent.top);
    if (saved) RestoreDC(dc, saved);
    SelectObject(dc, old);
}

HBITMAP DrawScene(const Scene& scene) {
    if (scene.size.width <= 0 || scene.size.height <= 0) return nullptr;
    DibCanvas canvas(scene.size.width, scene.size.height);
    if (!canvas.Ok()) return nullptr;
    HDC dc = canvas.Dc();
    Shape ground;
    ground.rect = {0, 0, scene.size.width, scene.size.height};
    ground.colour = scene.ground;
    DrawShape(dc, ground);
    for (const Shape& shape : scene.shapes) DrawShape(dc, shape);
    const std::vector<PlacedText> placed = PlaceTexts(dc, scene);
    for (size_t i = 0; i < placed.size(); ++i) DrawPlacedText(dc, scene.texts[i], placed[i]);
    GdiFlush();
    return canvas.Release();
}

}  // namespace sindhikit::pictures
