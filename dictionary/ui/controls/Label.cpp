#include "Label.h"

#include "winui/ModelessWindow.h"

namespace dictionary::controls {

namespace {

constexpr wchar_t kClassName[] = L"SindhiKitLabel";

}  // namespace

std::unique_ptr<Label> Label::Create(HWND parent, int id, const std::wstring& caption, LabelLook look) {
    // The class procedure is replaced per window once the label exists.
    sindhikit::winui::RegisterWindowClass(kClassName, DefWindowProcW, nullptr);
    HWND hwnd = CreateChild(parent, kClassName, 0, 0, id);
    if (!hwnd) return nullptr;
    std::unique_ptr<Label> label(new Label(hwnd, look));
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure));
    label->SetCaption(caption);
    return label;
}

Label::Label(HWND hwnd, LabelLook look) : Control(hwnd, look.showsSindhi), look_(look) {}

std::wstring Label::Caption() const {
    return caption_;
}

void Label::SetCaption(const std::wstring& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    SetWindowTextW(Hwnd(), caption.c_str());
    FitCaption();
    InvalidateRect(Hwnd(), nullptr, FALSE);
}

void Label::FontChanged() {
    FitCaption();
    InvalidateRect(Hwnd(), nullptr, FALSE);
}

void Label::FitCaption() {
    if (!look_.autoSize) return;
    const std::wstring caption = Caption();
    HDC dc = GetDC(Hwnd());
    HGDIOBJ old = SelectObject(dc, Font());
    SIZE size{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(Hwnd(), dc);
    SetWindowPos(Hwnd(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// What shows through a transparent label: the parent's background and any label beneath.
void Label::PaintBeneath(HDC dc) const {
    HWND parent = GetParent(Hwnd());
    RECT mine{};
    GetWindowRect(Hwnd(), &mine);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&mine), 2);
    POINT origin{};
    OffsetViewportOrgEx(dc, -mine.left, -mine.top, &origin);
    SendMessageW(parent, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_ERASEBKGND);
    SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
    for (HWND below = GetWindow(Hwnd(), GW_HWNDNEXT); below; below = GetWindow(below, GW_HWNDNEXT)) {
        RECT theirs{}, common{};
        GetWindowRect(below, &theirs);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&theirs), 2);
        auto* label = dynamic_cast<Label*>(ControlOf(below));
        if (!label || !IsWindowVisible(below) || !IntersectRect(&common, &mine, &theirs)) continue;
        SetViewportOrgEx(dc, origin.x + theirs.left - mine.left, origin.y + theirs.top - mine.top, nullptr);
        label->PaintTo(dc);
        SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
    }
}

void Label::PaintTo(HDC dc) const {
    RECT box{};
    GetClientRect(Hwnd(), &box);
    if (look_.background) {
        HBRUSH brush = CreateSolidBrush(*look_.background);
        FillRect(dc, &box, brush);
        DeleteObject(brush);
    } else {
        PaintBeneath(dc);
    }
    const std::wstring caption = Caption();
    HGDIOBJ old = SelectObject(dc, Font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look_.foreground);
    UINT format = DT_NOPREFIX | DT_WORDBREAK;
    if (look_.align == Align::Right) format |= DT_RIGHT;
    if (look_.align == Align::Centre) format |= DT_CENTER;
    if (look_.showsSindhi) format |= DT_RTLREADING;
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &box, format);
    SelectObject(dc, old);
}

LRESULT CALLBACK Label::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = dynamic_cast<Label*>(ControlOf(hwnd));
    if (self) {
        switch (message) {
            case WM_ERASEBKGND:
                return TRUE;
            case WM_PAINT: {
                PAINTSTRUCT ps;
                HDC dc = BeginPaint(hwnd, &ps);
                self->PaintTo(dc);
                EndPaint(hwnd, &ps);
                return 0;
            }
            case WM_SETCURSOR:
                if (self->look_.clickable) {
                    SetCursor(LoadCursorW(nullptr, IDC_HAND));
                    return TRUE;
                }
                break;
            case WM_LBUTTONUP:
                if (self->look_.clickable && self->Click) self->Click();
                return 0;
            case WM_SETFONT:
                return 0;  // the label draws with its own font
        }
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace dictionary::controls
