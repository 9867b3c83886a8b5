#include "frmSplash.h"

#include "win/Pictures.h"
#include "winui/ModelessWindow.h"

namespace dictionary {

namespace {

constexpr wchar_t kClassName[] = L"frmSplash";
constexpr int kLabel1 = 1;
constexpr wchar_t kInitialCaption[] = L"Loading Data....Please wait ";

}  // namespace

std::unique_ptr<frmSplash> frmSplash::Show(HWND owner) {
    auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(owner, GWLP_HINSTANCE));
    sindhikit::winui::RegisterWindowClass(kClassName, Procedure, nullptr, IDC_WAIT);
    std::unique_ptr<frmSplash> splash(new frmSplash());
    const int width = controls::TwipsToPixelsX(4425), height = controls::TwipsToPixelsY(6750);
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2, top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    splash->picture_ = sindhikit::pictures::CreateSplashPicture(width, height);
    // Owned by the main window: above it, and no taskbar button of its own.
    splash->hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, kInitialCaption, WS_POPUP | WS_CLIPCHILDREN, left,
                                    top, width, height, owner, nullptr, instance, nullptr);
    if (!splash->hwnd_) return splash;
    SetWindowLongPtrW(splash->hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(splash.get()));
    splash->Label1 =
        controls::Label::Create(splash->hwnd_, kLabel1, L"Loading Data....Please wait ",
                                {.background = std::nullopt, .foreground = RGB(255, 255, 255), .autoSize = true});
    splash->Label1->Move({960, 4920, 0, 0});
    splash->Label1->SetFont(L"MS Sans Serif", 8.25f, false);
    ShowWindow(splash->hwnd_, SW_SHOWNORMAL);
    UpdateWindow(splash->hwnd_);
    return splash;
}

frmSplash::~frmSplash() {
    Label1.reset();
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    if (picture_) DeleteObject(picture_);
}

LRESULT CALLBACK frmSplash::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<frmSplash*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_ERASEBKGND && self && self->picture_) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, self->picture_);
        BITMAP info{};
        GetObjectW(self->picture_, sizeof(info), &info);
        BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
        return TRUE;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace dictionary
