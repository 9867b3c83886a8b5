#include "gui/WindowProbe.h"

namespace sindhikit::guitest {

std::wstring TextOf(HWND hwnd) {
    const LRESULT length = SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT got = SendMessageW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(got));
    return text;
}

Box WindowBox(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

Box ClientBox(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return {0, 0, r.right, r.bottom};
}

Box BoxInParent(HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

namespace {
int Dpi(int axis) {
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, axis);
    ReleaseDC(nullptr, dc);
    return dpi;
}
}  // namespace

int TwipsToPixelsX(int twips) {
    return MulDiv(twips, Dpi(LOGPIXELSX), 1440);
}
int TwipsToPixelsY(int twips) {
    return MulDiv(twips, Dpi(LOGPIXELSY), 1440);
}

}  // namespace sindhikit::guitest
