#include "win/DibCanvas.h"
#include "win/PictureFonts.h"
#include "win/Pictures.h"
#include "win/ShapedLine.h"

#include <string>

namespace sindhikit::pictures {

namespace {
const COLORREF kTop = RGB(64, 0, 0);  // the English-to-Sindhi window's dark red
const COLORREF kBottom = RGB(24, 24, 8);
const COLORREF kAccent = RGB(255, 128, 0);  // the orange of the lookup windows' strips
const COLORREF kTitle = RGB(255, 255, 255);
const COLORREF kSubtitle = RGB(240, 220, 170);

void FillGradient(HDC dc, int width, int height) {
    TRIVERTEX v[2] = {};
    v[0].Red = static_cast<COLOR16>(GetRValue(kTop) << 8);
    v[0].Green = static_cast<COLOR16>(GetGValue(kTop) << 8);
    v[0].Blue = static_cast<COLOR16>(GetBValue(kTop) << 8);
    v[1].x = width;
    v[1].y = height;
    v[1].Red = static_cast<COLOR16>(GetRValue(kBottom) << 8);
    v[1].Green = static_cast<COLOR16>(GetGValue(kBottom) << 8);
    v[1].Blue = static_cast<COLOR16>(GetBValue(kBottom) << 8);
    GRADIENT_RECT r{0, 1};
    GradientFill(dc, v, 2, &r, 1, GRADIENT_FILL_RECT_V);
}

// The width of an Arabic line as the script engine shapes it: joined letters are narrower
// than the sum of their separate forms that plain text measuring adds up.
int ShapedWidth(HDC dc, const std::wstring& text, HFONT font) {
    HGDIOBJ old = SelectObject(dc, font);
    int width = 0;
    {
        ShapedLine line(dc, text, true);
        if (line.Ok()) width = line.Size().cx;
    }
    SelectObject(dc, old);
    return width;
}

// An Arabic line centred in `rect` on its shaped size.
void DrawArabicCentred(HDC dc, const std::wstring& text, RECT rect, HFONT font, COLORREF colour) {
    HGDIOBJ old = SelectObject(dc, font);
    SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);
    {
        ShapedLine line(dc, text, true);
        if (line.Ok()) {
            const SIZE size = line.Size();
            line.Draw(rect.left + (rect.right - rect.left - size.cx) / 2,
                      rect.top + (rect.bottom - rect.top - size.cy) / 2);
        }
    }
    SelectObject(dc, old);
}

void Band(HDC dc, int top, int height, int width) {
    HBRUSH brush = CreateSolidBrush(kAccent);
    const RECT band{0, top, width, top + height};
    FillRect(dc, &band, brush);
    DeleteObject(brush);
}
}  // namespace

// The title in Sindhi and English on the lookup windows' colours; the lower quarter stays
// dark so the splash window's white progress caption reads on it.
HBITMAP CreateSplashPicture(int width, int height) {
    if (width <= 0 || height <= 0) return nullptr;
    DibCanvas canvas(width, height);
    if (!canvas.Ok()) return nullptr;
    HDC dc = canvas.Dc();
    FillGradient(dc, width, height);
    const int unit = height / 30;
    Band(dc, unit * 3, unit / 3 + 1, width);
    Band(dc, unit * 19, unit / 3 + 1, width);

    // The Sindhi title as large as fits the width.
    const std::wstring title = L"\u0633\u0646\u068C\u064A \u068A\u06AA\u0634\u0646\u0631\u064A";
    int titleHeight = unit * 3;
    for (; titleHeight > unit; --titleHeight) {
        PictureFont trial(ArabicFace(), titleHeight, true, true);
        if (ShapedWidth(dc, title, trial.Get()) <= width * 9 / 10) break;
    }
    PictureFont sindhiFont(ArabicFace(), titleHeight, true, true);
    PictureFont titleFont(LatinFace(), unit * 2, true);
    PictureFont subtitleFont(LatinFace(), unit, false);
    // "Sindhi dictionary" in Sindhi.
    DrawArabicCentred(dc, title, RECT{0, unit * 5, width, unit * 10}, sindhiFont.Get(), kTitle);
    DrawCentred(dc, L"Dictionary", RECT{0, unit * 11, width, unit * 14}, titleFont.Get(), kTitle, false);
    DrawCentred(dc, L"English \u2194 Sindhi", RECT{0, unit * 14, width, unit * 16}, subtitleFont.Get(), kSubtitle,
                false);
    DrawArabicCentred(dc, L"\u0627\u0646\u06AF\u0631\u064A\u0632\u064A \u2194 \u0633\u0646\u068C\u064A",
                      RECT{0, unit * 16, width, unit * 18}, subtitleFont.Get(), kSubtitle);
    GdiFlush();
    return canvas.Release();
}

}  // namespace sindhikit::pictures
