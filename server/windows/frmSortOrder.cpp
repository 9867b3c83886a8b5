// frmSortOrder: the Sindhi sort-order chart in a picture box along the top. It has no
// buttons; its close box closes it. An ordinary overlapped window rather than a dialog,
// so the system chooses its place as it does for new windows.
#include <cstdlib>

#include "ControlIds.h"
#include "PictureBox.h"
#include "ServerWindows.h"
#include "ThreadWindows.h"
#include "Twips.h"
#include "win/Pictures.h"

namespace tavrocodes::windows {

namespace {

thread_local HWND t_frmSortOrder = nullptr;

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;

LRESULT CALLBACK frmSortOrderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: {
            RECT client;
            GetClientRect(window, &client);
            HBITMAP chart = sindhikit::pictures::CreateSortOrderPicture();
            BITMAP info{};
            const int height = chart && GetObjectW(chart, sizeof(info), &info) ? info.bmHeight : client.bottom;
            // Aligned to the top: the client's width, the picture's height.
            if (!CreatePictureBox(window, SortPicture1, 0, 0, client.right, std::abs(height), chart, COLOR_WINDOW))
                return -1;
            return 0;
        }
        case WM_NCDESTROY:
            if (t_frmSortOrder == window) t_frmSortOrder = nullptr;
            WindowClosed(window);
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The class belongs to the module that holds its procedure; a class left behind by an
// earlier load of this module at another address is replaced.
bool RegisterSortOrderClass() {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExW(CodeModule(), kSortOrderClass, &existing)) {
        if (existing.lpfnWndProc == frmSortOrderProc) return true;
        UnregisterClassW(kSortOrderClass, CodeModule());
    }
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = frmSortOrderProc;
    wc.hInstance = CodeModule();
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.lpszClassName = kSortOrderClass;
    return RegisterClassExW(&wc) != 0;
}

}  // namespace

HRESULT showSorting() {
    if (!t_frmSortOrder) {
        if (!RegisterSortOrderClass()) return HRESULT_FROM_WIN32(GetLastError());
        const Dpi dpi = Dpi::OfScreen();
        RECT r{0, 0, dpi.X(6315), dpi.Y(8760)};
        AdjustWindowRectEx(&r, kStyle, FALSE, kExStyle);
        HWND window =
            CreateWindowExW(kExStyle, kSortOrderClass, kSortOrderCaption, kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                            r.right - r.left, r.bottom - r.top, HiddenOwner(), nullptr, CodeModule(), nullptr);
        if (!window) {
            const DWORD error = GetLastError();
            return error ? HRESULT_FROM_WIN32(error) : E_FAIL;
        }
        t_frmSortOrder = window;
        WindowOpened(window);
    }
    ShowWindow(t_frmSortOrder, SW_SHOW);
    SetForegroundWindow(t_frmSortOrder);
    return S_OK;
}

}  // namespace tavrocodes::windows
