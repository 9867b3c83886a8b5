#include "Picture.h"

#include "winui/ModelessWindow.h"

namespace dictionary::controls {

namespace {
constexpr wchar_t kClassName[] = L"SindhiKitPicture";
}

std::unique_ptr<Picture> Picture::Create(HWND parent, int id, COLORREF background) {
    sindhikit::winui::RegisterWindowClass(kClassName, Procedure, nullptr);
    HWND hwnd = CreateChild(parent, kClassName, 0, 0, id);
    if (!hwnd) return nullptr;
    return std::unique_ptr<Picture>(new Picture(hwnd, background));
}

Picture::Picture(HWND hwnd, COLORREF background) : Control(hwnd, false), background_(background) {}

Picture::~Picture() {
    if (picture_) DeleteObject(picture_);
}

void Picture::SetPicture(HBITMAP picture) {
    if (picture_) DeleteObject(picture_);
    picture_ = picture;
    InvalidateRect(Hwnd(), nullptr, FALSE);
}

void Picture::Paint(HDC dc) const {
    RECT box{};
    GetClientRect(Hwnd(), &box);
    BITMAP info{};
    if (picture_ && GetObjectW(picture_, sizeof(info), &info)) {
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, picture_);
        SetStretchBltMode(dc, HALFTONE);
        StretchBlt(dc, 0, 0, box.right, box.bottom, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
        return;
    }
    HBRUSH brush = CreateSolidBrush(background_);
    FillRect(dc, &box, brush);
    DeleteObject(brush);
}

LRESULT CALLBACK Picture::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return TRUE;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            if (auto* self = dynamic_cast<Picture*>(ControlOf(hwnd))) self->Paint(dc);
            EndPaint(hwnd, &ps);
            return 0;
        }
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace dictionary::controls
