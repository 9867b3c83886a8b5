#include "ReferenceWindow.h"

#include <string>

#include "Control.h"
#include "winui/Messages.h"
#include "winui/Module.h"
#include "winui/WindowHost.h"

namespace dictionary::reference {

namespace {

// The Dictionary's way: no owner (a taskbar button unless it is a tool window), dialog
// keys from the program's own loop.
constexpr sindhikit::winui::WindowHost kDictionaryHost{sindhikit::winui::Owner::None,
                                                       sindhikit::winui::KeyRouting::OwnLoop};

// What the window's creation hands its procedure: the object, and whether a window took it.
struct CreateArgs {
    ReferenceWindow* window;
    bool attached;
};

void DrawPicture(HDC dc, HBITMAP picture) {
    BITMAP info{};
    if (!picture || !GetObjectW(picture, sizeof(info), &info)) return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, picture);
    BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

}  // namespace

ReferenceWindow::~ReferenceWindow() {
    if (background_) DeleteObject(background_);
    if (picture_) DeleteObject(picture_);
}

void ReferenceWindow::SetPicture(HBITMAP picture) {
    if (picture_) DeleteObject(picture_);
    picture_ = picture;
    InvalidateRect(hwnd_, nullptr, TRUE);
}

HWND ReferenceWindow::Open(std::unique_ptr<ReferenceWindow> window, const ReferenceWindowLook& look) {
    using namespace sindhikit::winui;
    // The class has no brush: WM_ERASEBKGND paints the colour and whatever lies under the controls.
    if (!RegisterWindowClass(look.className, Procedure, nullptr)) return nullptr;
    window->background_ = CreateSolidBrush(look.background);
    // Once a window has taken the object it owns it: should creation fail after that,
    // WM_NCDESTROY has deleted it already.
    CreateArgs args{window.release(), false};
    HWND hwnd = CreateModelessWindow(kDictionaryHost, look.design, look.className, reinterpret_cast<LPARAM>(&args));
    if (!hwnd) {
        if (!args.attached) delete args.window;
        return nullptr;
    }
    if (look.centred) CentreOnScreen(hwnd);
    // The program's icon on the caption and the taskbar button (tool windows show none).
    if (HICON icon = LoadIconW(CodeModule(), MAKEINTRESOURCEW(1))) {
        SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
    return hwnd;
}

void ReferenceWindow::Show(sindhikit::winui::SingleWindow& slot,
                           const std::function<std::unique_ptr<ReferenceWindow>()>& make,
                           const ReferenceWindowLook& look) {
    if (!slot.Load([&] { return Open(make(), look); })) {
        const std::wstring text = std::wstring(L"The window \"") + look.design.caption + L"\" could not be opened: " +
                                  sindhikit::winui::DescribeError(GetLastError());
        sindhikit::winui::ShowMessage(nullptr, L"Dictionary", text.c_str());
        return;
    }
    slot.Show();
}

LRESULT CALLBACK ReferenceWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* args = reinterpret_cast<CreateArgs*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        args->attached = true;
        args->window->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(args->window));
    }
    auto* self = reinterpret_cast<ReferenceWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        delete self;  // the controls' windows are gone already
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->Handle(message, wParam, lParam);
}

LRESULT ReferenceWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (controls::ReflectToControl(message, wParam, lParam, result)) return result;
    switch (message) {
        case WM_CREATE:
            Load();
            return 0;
        case WM_ERASEBKGND: {
            const auto dc = reinterpret_cast<HDC>(wParam);
            RECT client{};
            GetClientRect(hwnd_, &client);
            FillRect(dc, &client, background_);
            DrawPicture(dc, picture_);
            PaintBackground(dc);
            return TRUE;
        }
        case WM_SETFOCUS:
            if (HWND first = FirstFocus()) {
                SetFocus(first);
                return 0;
            }
            break;
        case WM_COMMAND:
            // Enter, from the dialog manager of the program's loop: the focused button is pressed.
            if (LOWORD(wParam) == IDOK && lParam == 0) PressFocusedButton();
            return 0;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void ReferenceWindow::PressFocusedButton() const {
    HWND focused = GetFocus();
    if (focused && IsChild(hwnd_, focused) && (SendMessageW(focused, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON))
        SendMessageW(focused, BM_CLICK, 0, 0);
}

}  // namespace dictionary::reference
