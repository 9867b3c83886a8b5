#include <string>

#include "win/DibCanvas.h"
#include "win/PictureFonts.h"
#include "win/Pictures.h"
#include "layout/KeyboardLayout.h"

namespace sindhikit::pictures {

namespace {

const COLORREF kGround = RGB(214, 222, 232);
const COLORREF kCap = RGB(255, 255, 255);
const COLORREF kCapEdge = RGB(120, 132, 150);
const COLORREF kLegend = RGB(70, 70, 70);
const COLORREF kLetter = RGB(0, 0, 110);
const COLORREF kTag = RGB(160, 40, 40);

void Fill(HDC dc, const RECT& r, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
}

struct CapFonts {
    HFONT legend, letter, latinLetter;
    int tagHeight;
};

int TextWidth(HDC dc, HFONT font, const std::wstring& text) {
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    return size.cx;
}

// A tag names an invisible character; it shrinks until it fits its cap.
void DrawTag(HDC dc, const std::wstring& text, const RECT& area, int height) {
    for (; height > 6; --height) {
        PictureFont probe(LatinFace(), height, true);
        if (TextWidth(dc, probe.Get(), text) <= area.right - area.left - 2) break;
    }
    PictureFont font(LatinFace(), height, true);
    DrawCentred(dc, text, area, font.Get(), kTag, false);
}

void DrawCap(HDC dc, const KeyCap& key, const CapFonts& fonts) {
    const RECT r{key.rect.left, key.rect.top, key.rect.right, key.rect.bottom};
    HPEN pen = CreatePen(PS_SOLID, 1, kCapEdge);
    HBRUSH brush = CreateSolidBrush(kCap);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    RoundRect(dc, r.left, r.top, r.right, r.bottom, 6, 6);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(brush);
    DeleteObject(pen);

    // The Latin legend in the top-left corner, the map's letter in the rest of the cap.
    const RECT legend{r.left + 3, r.top + 1, r.right - 2, r.top + 13};
    DrawAligned(dc, std::wstring(1, static_cast<wchar_t>(key.code)), legend, fonts.legend, kLegend, DT_LEFT | DT_TOP);
    const RECT letter{r.left + 2, r.top + 10, r.right - 2, r.bottom - 1};
    switch (key.label.kind) {
        case LabelKind::Glyph: {
            // Latin punctuation that the Arabic face lacks comes from the Latin face.
            const std::wstring text = Wide(key.label.text);
            HFONT font = FontHasGlyphs(fonts.letter, text) ? fonts.letter : fonts.latinLetter;
            DrawCentred(dc, text, letter, font, kLetter, key.label.rightToLeft);
            break;
        }
        case LabelKind::Abbreviation:
            DrawTag(dc, Wide(key.label.text), letter, fonts.tagHeight);
            break;
        case LabelKind::None:
            break;
    }
}

}  // namespace

HBITMAP CreateKeyboardPicture(Langs lang, bool shifted) {
    const KeyboardLayout layout = BuildKeyboardLayout(lang, shifted);
    if (layout.keys.empty()) return nullptr;
    DibCanvas canvas(layout.size.width, layout.size.height);
    if (!canvas.Ok()) return nullptr;
    HDC dc = canvas.Dc();
    Fill(dc, RECT{0, 0, layout.size.width, layout.size.height}, kGround);

    const int capHeight = layout.keys.front().rect.Height();
    PictureFont legendFont(LatinFace(), 11);
    PictureFont letterFont(ArabicFace(), capHeight * 11 / 20, false, true);
    PictureFont latinLetterFont(LatinFace(), capHeight * 9 / 20);
    const CapFonts fonts{legendFont.Get(), letterFont.Get(), latinLetterFont.Get(), 9};
    for (const KeyCap& key : layout.keys) DrawCap(dc, key, fonts);
    GdiFlush();
    return canvas.Release();
}

}  // namespace sindhikit::pictures
