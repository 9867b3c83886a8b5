#include "ModelessDialog.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "ThreadWindows.h"

namespace tavrocodes::windows {

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | WS_CLIPCHILDREN;

// DLGTEMPLATE followed by menu, class, caption and font (all WORD-aligned UTF-16).
std::vector<WORD> Template(const wchar_t* caption) {
    std::vector<WORD> t(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* header = reinterpret_cast<DLGTEMPLATE*>(t.data());
    header->style = kDialogStyle;
    header->cdit = 0;
    header->cx = 100;  // replaced in pixels once created
    header->cy = 100;
    t.push_back(0);  // no menu
    t.push_back(0);  // the standard dialog class
    for (const wchar_t* c = caption; *c; ++c) t.push_back(static_cast<WORD>(*c));
    t.push_back(0);
    t.push_back(8);  // point size
    for (const wchar_t* c = L"MS Shell Dlg"; *c; ++c) t.push_back(static_cast<WORD>(*c));
    t.push_back(0);
    return t;
}

SIZE OuterSize(HWND window, int clientWidth, int clientHeight) {
    RECT r{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
    return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

HWND CreateModelessDialog(const wchar_t* caption, int clientWidth, int clientHeight, DLGPROC procedure) {
    std::vector<WORD> t = Template(caption);
    HWND dialog =
        CreateDialogIndirectParamW(CodeModule(), reinterpret_cast<DLGTEMPLATE*>(t.data()), HiddenOwner(), procedure, 0);
    if (!dialog) return nullptr;
    const SIZE outer = OuterSize(dialog, clientWidth, clientHeight);
    SetWindowPos(dialog, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return dialog;
}

void CentreOnScreen(HWND window, int clientWidth, int clientHeight) {
    const SIZE outer = OuterSize(window, clientWidth, clientHeight);
    const int x = (GetSystemMetrics(SM_CXSCREEN) - outer.cx) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - outer.cy) / 2;
    SetWindowPos(window, nullptr, x, y, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND AddControl(HWND parent, const wchar_t* windowClass, const wchar_t* text, DWORD style, int id, int x, int y,
                int width, int height) {
    HWND control = CreateWindowExW(0, windowClass, text, WS_CHILD | WS_CLIPSIBLINGS | style, x, y, width, height,
                                   parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), CodeModule(), nullptr);
    HWND top = GetAncestor(parent, GA_ROOT);
    if (control) SendMessageW(control, WM_SETFONT, SendMessageW(top, WM_GETFONT, 0, 0), FALSE);
    return control;
}

}  // namespace tavrocodes::windows
