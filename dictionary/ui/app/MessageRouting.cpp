#include "MessageRouting.h"

#include "winui/OpenWindows.h"

namespace dictionary {

namespace {

HWND gFrame = nullptr;
HWND gClient = nullptr;
HACCEL gAccelerators = nullptr;

void Route(MSG& msg) {
    // The Help menu's windows are top-level: their Tab, Enter and Space go to the dialog
    // manager. Keys of the lookup windows are not theirs and pass on untouched.
    if (sindhikit::winui::RouteDialogKeys(msg)) return;
    if (gClient && TranslateMDISysAccel(gClient, &msg)) return;
    if (gFrame && gAccelerators && TranslateAcceleratorW(gFrame, gAccelerators, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

}  // namespace

void SetMessageRouting(HWND frame, HWND mdiClient, HACCEL accelerators) {
    gFrame = frame;
    gClient = mdiClient;
    gAccelerators = accelerators;
}

void DoEvents() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) ExitProcess(static_cast<UINT>(msg.wParam));
        Route(msg);
    }
}

int RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) Route(msg);
    return static_cast<int>(msg.wParam);
}

}  // namespace dictionary
