#include "lvButtons_H.h"

namespace dictionary::controls {

std::unique_ptr<lvButtons_H> lvButtons_H::Create(HWND parent, int id, const std::wstring& caption) {
    HWND hwnd = CreateChild(parent, L"BUTTON", BS_OWNERDRAW | WS_TABSTOP, 0, id);
    if (!hwnd) return nullptr;
    std::unique_ptr<lvButtons_H> button(new lvButtons_H(hwnd));
    button->SetCaption(caption);
    return button;
}

lvButtons_H::lvButtons_H(HWND hwnd) : Control(hwnd, false) {}

std::wstring lvButtons_H::Caption() const {
    return WindowText(Hwnd());
}

void lvButtons_H::SetCaption(const std::wstring& caption) {
    SetWindowTextW(Hwnd(), caption.c_str());
    InvalidateRect(Hwnd(), nullptr, FALSE);
}

void lvButtons_H::Draw(const DRAWITEMSTRUCT& item) const {
    RECT box = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    DrawFrameControl(item.hDC, &box, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    const std::wstring caption = Caption();
    HGDIOBJ old = SelectObject(item.hDC, Font());
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(COLOR_BTNTEXT));
    if (pushed) OffsetRect(&box, 1, 1);
    DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &box,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(item.hDC, old);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(item.hDC, &focus);
    }
}

bool lvButtons_H::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_DRAWITEM) {
        Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        if (Click) Click();
        return true;
    }
    return false;
}

}  // namespace dictionary::controls
