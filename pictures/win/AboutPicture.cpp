#include "win/DibCanvas.h"
#include "win/PictureFonts.h"
#include "win/Pictures.h"
#include "layout/MakerInfo.h"

namespace sindhikit::pictures {

namespace {
constexpr int kWidth = 464;
constexpr int kHeight = 308;
const COLORREF kBand = RGB(0, 40, 96);
const COLORREF kBandText = RGB(255, 255, 255);
const COLORREF kAccent = RGB(255, 204, 64);
const COLORREF kBody = RGB(40, 40, 40);
}  // namespace

// The lower part (below y 210) stays white: the About window puts its e-mail and web
// labels there.
HBITMAP CreateAboutPicture() {
    DibCanvas canvas(kWidth, kHeight);
    if (!canvas.Ok()) return nullptr;
    HDC dc = canvas.Dc();
    const RECT all{0, 0, kWidth, kHeight};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HBRUSH band = CreateSolidBrush(kBand);
    const RECT top{0, 0, kWidth, 110};
    FillRect(dc, &top, band);
    DeleteObject(band);

    PictureFont nameFont(LatinFace(), 30, true);
    PictureFont arabicFont(ArabicFace(), 24, false, true);
    PictureFont bodyFont(LatinFace(), 13);
    PictureFont smallFont(LatinFace(), 11);
    const std::u16string product = kProductName;
    DrawAligned(dc, std::wstring(product.begin(), product.end()), RECT{20, 10, 300, 50}, nameFont.Get(), kBandText,
                DT_LEFT | DT_VCENTER);
    // "Sindhi, Urdu and Farsi" in Sindhi.
    DrawAligned(dc, L"\u0633\u0646\u068C\u064A\u060C \u0627\u0631\u062F\u0648 \u06FD \u0641\u0627\u0631\u0633\u064A",
                RECT{20, 52, kWidth - 20, 100}, arabicFont.Get(), kAccent, DT_RIGHT | DT_VCENTER | DT_RTLREADING);
    DrawAligned(dc, L"Write Sindhi, English, Farsi and Urdu", RECT{20, 124, kWidth - 20, 144}, bodyFont.Get(), kBody,
                DT_LEFT);
    DrawAligned(dc, L"in your word processor, key by key.", RECT{20, 144, kWidth - 20, 164}, bodyFont.Get(), kBody,
                DT_LEFT);
    DrawAligned(dc, L"Keyboard layouts \u00B7 InPage conversion \u00B7 Sindhi sort order",
                RECT{20, 172, kWidth - 20, 190}, smallFont.Get(), RGB(90, 90, 90), DT_LEFT);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(200, 200, 200));
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, 20, 200, nullptr);
    LineTo(dc, kWidth - 20, 200);
    SelectObject(dc, old);
    DeleteObject(pen);
    GdiFlush();
    return canvas.Release();
}

}  // namespace sindhikit::pictures
