// frmSortOrder: the Sindhi sort-order chart in a picture box along the top. It has no
// buttons; its close box closes it. An ordinary overlapped window rather than a dialog,
// so the system chooses its place as it does for new windows.
#include <cstdlib>

#include "ControlIds.h"
#include "ServerHost.h"
#include "ServerWindows.h"
#include "win/Pictures.h"
#include "winui/ModelessWindow.h"
#include "winui/PictureBox.h"
#include "winui/SingleWindow.h"

namespace tavrocodes::windows {

namespace {

using namespace sindhikit::winui;

thread_local SingleWindow t_frmSortOrder;

LRESULT CALLBACK frmSortOrderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
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
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

HRESULT showSorting() {
    return LoadAndShow(t_frmSortOrder, []() -> HWND {
        if (!RegisterWindowClass(kSortOrderClass, frmSortOrderProc, GetSysColorBrush(COLOR_BTNFACE))) return nullptr;
        return CreateModelessWindow(ServerHost(), {kSortOrderCaption, Frame::FixedDialog, {6315, 8760}},
                                    kSortOrderClass);
    });
}

}  // namespace tavrocodes::windows
