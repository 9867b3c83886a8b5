#include "LookupWindow.h"

namespace dictionary {

namespace {

struct CreateArgs {
    LookupWindow* window;
};

}  // namespace

LookupWindow::~LookupWindow() {
    if (IsWindow(hwnd_)) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        SendMessageW(GetParent(hwnd_), WM_MDIDESTROY, reinterpret_cast<WPARAM>(hwnd_), 0);
    }
}

bool LookupWindow::CreateIn(HWND mdiClient, const LookupWindowLook& look) {
    auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(mdiClient, GWLP_HINSTANCE));
    WNDCLASSW wc{};
    if (!GetClassInfoW(instance, look.className, &wc)) {
        wc.lpfnWndProc = Procedure;
        wc.hInstance = instance;
        wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = CreateSolidBrush(look.background);  // lives as long as the class
        wc.lpszClassName = look.className;
        if (!RegisterClassW(&wc)) return false;
    }
    RECT outer{0, 0, controls::TwipsToPixelsX(look.designInner.width),
               controls::TwipsToPixelsY(look.designInner.height)};
    const DWORD style = WS_CHILD | WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VISIBLE;
    AdjustWindowRectEx(&outer, style, FALSE, WS_EX_MDICHILD);
    CreateArgs args{this};
    hwnd_ =
        CreateMDIWindowW(look.className, look.caption, style, CW_USEDEFAULT, CW_USEDEFAULT, outer.right - outer.left,
                         outer.bottom - outer.top, mdiClient, instance, reinterpret_cast<LPARAM>(&args));
    if (!hwnd_) return false;
    // The windows open maximised; maximising after creation also names the active child in
    // the frame's caption.
    SendMessageW(mdiClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(hwnd_), 0);
    return true;
}

LRESULT CALLBACK LookupWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* mdi = static_cast<const MDICREATESTRUCTW*>(create->lpCreateParams);
        auto* args = reinterpret_cast<const CreateArgs*>(mdi->lParam);
        args->window->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(args->window));
    }
    auto* self = reinterpret_cast<LookupWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefMDIChildProcW(hwnd, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

LRESULT LookupWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (controls::ReflectToControl(message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_CREATE:
            Load();
            Resize();
            break;
        case WM_SIZE:
            Resize();
            break;  // the MDI child procedure keeps the frame's maximised state in step
        case WM_MDIACTIVATE:
            if (reinterpret_cast<HWND>(lParam) != hwnd_) {
                HWND focused = GetFocus();
                if (focused && IsChild(hwnd_, focused)) focus_ = focused;
            }
            break;
        case WM_SETFOCUS: {
            HWND target = focus_ && IsWindow(focus_) ? focus_ : FirstFocus();
            if (target) SetFocus(target);
            return 0;
        }
        case WM_NCDESTROY: {
            HWND hwnd = hwnd_;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            hwnd_ = nullptr;
            DefMDIChildProcW(hwnd, message, wParam, lParam);
            if (Closed) {
                auto closed = Closed;
                closed();  // may delete this object
            }
            return 0;
        }
    }
    return DefMDIChildProcW(hwnd_, message, wParam, lParam);
}

}  // namespace dictionary
