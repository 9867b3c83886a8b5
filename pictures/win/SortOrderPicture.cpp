#include <string>

#include "win/DibCanvas.h"
#include "win/PictureFonts.h"
#include "win/Pictures.h"
#include "layout/SortOrderChart.h"

namespace sindhikit::pictures {

namespace {

const COLORREF kGround = RGB(255, 253, 244);
const COLORREF kCellEdge = RGB(196, 180, 140);
const COLORREF kTitle = RGB(120, 30, 20);
const COLORREF kLetter = RGB(0, 0, 0);
const COLORREF kNumber = RGB(150, 60, 40);
const COLORREF kKeys = RGB(90, 90, 90);

}  // namespace

HBITMAP CreateSortOrderPicture() {
    const SortOrderChart chart = BuildSortOrderChart();
    DibCanvas canvas(chart.size.width, chart.size.height);
    if (!canvas.Ok()) return nullptr;
    HDC dc = canvas.Dc();
    HBRUSH ground = CreateSolidBrush(kGround);
    const RECT all{0, 0, chart.size.width, chart.size.height};
    FillRect(dc, &all, ground);
    DeleteObject(ground);

    PictureFont titleFont(ArabicFace(), 24, true, true);
    PictureFont subtitleFont(LatinFace(), 12, true);
    PictureFont letterFont(ArabicFace(), 26, false, true);
    PictureFont smallFont(LatinFace(), 10);

    const RECT title{chart.titleRect.left, chart.titleRect.top, chart.titleRect.right, chart.titleRect.bottom - 16};
    DrawCentred(dc, L"\u0633\u0646\u068C\u064A \u0627\u06A9\u0631\u0646 \u062C\u064A \u062A\u0631\u062A\u064A\u0628",
                title, titleFont.Get(), kTitle, true);
    const RECT subtitle{chart.titleRect.left, chart.titleRect.bottom - 18, chart.titleRect.right,
                        chart.titleRect.bottom - 2};
    DrawCentred(dc, L"Sorting Order", subtitle, subtitleFont.Get(), kTitle, false);

    HPEN pen = CreatePen(PS_SOLID, 1, kCellEdge);
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    for (const SortOrderCell& cell : chart.cells) {
        const RECT r{cell.rect.left, cell.rect.top, cell.rect.right, cell.rect.bottom};
        Rectangle(dc, r.left + 1, r.top + 1, r.right - 1, r.bottom - 1);
        // Place number at the top right (where a right-to-left reader starts), keys at the bottom.
        DrawAligned(dc, std::to_wstring(cell.letter.position), RECT{r.left + 4, r.top + 2, r.right - 5, r.top + 14},
                    smallFont.Get(), kNumber, DT_RIGHT | DT_TOP);
        DrawCentred(dc, Wide(cell.letter.letter), RECT{r.left + 2, r.top + 6, r.right - 2, r.bottom - 12},
                    letterFont.Get(), kLetter, true);
        DrawAligned(dc, Wide(cell.keys), RECT{r.left + 4, r.bottom - 15, r.right - 4, r.bottom - 3}, smallFont.Get(),
                    kKeys, DT_LEFT | DT_BOTTOM);
    }
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    GdiFlush();
    return canvas.Release();
}

}  // namespace sindhikit::pictures
