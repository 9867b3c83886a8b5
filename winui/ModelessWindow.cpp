#include "winui/ModelessWindow.h"

#include <vector>

#include "winui/Module.h"
#include "winui/OpenWindows.h"

namespace sindhikit::winui {

namespace {

constexpr DWORD kCommonStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

DWORD ExtendedStyle(Frame frame) {
    switch (frame) {
        case Frame::FixedDialog:
            return WS_EX_DLGMODALFRAME;
        case Frame::FixedTool:
            return WS_EX_TOOLWINDOW;
        case Frame::FixedSingle:
            break;
    }
    return 0;
}

DWORD DialogStyle(Frame frame) {
    return WS_POPUP | kCommonStyle | DS_SETFONT | (frame == Frame::FixedDialog ? DS_MODALFRAME : 0);
}

HWND OwnerFor(const WindowHost& host) {
    return host.owner == Owner::Hidden ? HiddenOwner() : nullptr;
}

// DLGTEMPLATE followed by menu, class, caption and font (all WORD-aligned UTF-16).
std::vector<WORD> Template(const WindowDesign& design) {
    std::vector<WORD> t(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* header = reinterpret_cast<DLGTEMPLATE*>(t.data());
    header->style = DialogStyle(design.frame);
    header->dwExtendedStyle = ExtendedStyle(design.frame);
    header->cdit = 0;
    header->cx = 100;  // replaced in pixels once created
    header->cy = 100;
    t.push_back(0);  // no menu
    t.push_back(0);  // the standard dialog class
    for (const wchar_t* c = design.caption; *c; ++c) t.push_back(static_cast<WORD>(*c));
    t.push_back(0);
    t.push_back(8);  // point size
    for (const wchar_t* c = L"MS Shell Dlg"; *c; ++c) t.push_back(static_cast<WORD>(*c));
    t.push_back(0);
    return t;
}

SIZE OuterSize(DWORD style, DWORD exStyle, TwipsSize inner) {
    const SIZE client = Dpi::OfScreen().Size(inner);
    RECT r{0, 0, client.cx, client.cy};
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
    return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

HWND CreateModelessDialog(const WindowHost& host, const WindowDesign& design, DLGPROC procedure, LPARAM param) {
    std::vector<WORD> t = Template(design);
    HWND dialog = CreateDialogIndirectParamW(CodeModule(), reinterpret_cast<DLGTEMPLATE*>(t.data()), OwnerFor(host),
                                             procedure, param);
    if (!dialog) return nullptr;
    Track(dialog, host);
    // The frame the dialog manager gave it decides the outer size.
    const SIZE outer = OuterSize(static_cast<DWORD>(GetWindowLongW(dialog, GWL_STYLE)),
                                 static_cast<DWORD>(GetWindowLongW(dialog, GWL_EXSTYLE)), design.inner);
    SetWindowPos(dialog, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return dialog;
}

HWND CreateModelessWindow(const WindowHost& host, const WindowDesign& design, const wchar_t* windowClass,
                          LPARAM param) {
    const DWORD style = WS_OVERLAPPED | kCommonStyle;
    const DWORD exStyle = ExtendedStyle(design.frame);
    const SIZE outer = OuterSize(style, exStyle, design.inner);
    HWND window = CreateWindowExW(exStyle, windowClass, design.caption, style, CW_USEDEFAULT, CW_USEDEFAULT, outer.cx,
                                  outer.cy, OwnerFor(host), nullptr, CodeModule(), reinterpret_cast<void*>(param));
    if (window) Track(window, host);
    return window;
}

bool RegisterWindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background, LPCWSTR cursor) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(CodeModule(), name, &existing)) {
        if (existing.lpfnWndProc == procedure) return true;
        UnregisterClassW(name, CodeModule());
    }
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = procedure;
    wc.hInstance = CodeModule();
    wc.hCursor = LoadCursorW(nullptr, cursor);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterClassExW(&wc) != 0;
}

void CentreOnScreen(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    const int x = (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace sindhikit::winui
