#include "winui/Controls.h"

#include <string>

#include "winui/Module.h"

namespace sindhikit::winui {

HWND AddControl(HWND parent, const wchar_t* windowClass, const wchar_t* text, DWORD style, int id, int x, int y,
                int width, int height) {
    HWND control = CreateWindowExW(0, windowClass, text, WS_CHILD | WS_CLIPSIBLINGS | style, x, y, width, height,
                                   parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), CodeModule(), nullptr);
    HWND top = GetAncestor(parent, GA_ROOT);
    if (control) SendMessageW(control, WM_SETFONT, SendMessageW(top, WM_GETFONT, 0, 0), FALSE);
    return control;
}

void SizeToText(HWND control) {
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(control, text.data(), length + 1);
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), length, &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    SetWindowPos(control, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace sindhikit::winui
