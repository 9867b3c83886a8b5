// Dictionary.exe: the entry point.
#include <windows.h>

#include <commctrl.h>

#include "MessageRouting.h"
#include "frmMain.h"
#include "res/MenuIds.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);

    dictionary::frmMain* main = dictionary::frmMain::Create(instance);
    if (!main) return 1;
    dictionary::SetMessageRouting(main->Hwnd(), main->Client(),
                                  LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS)));
    if (const int failed = main->Load()) return failed;
    return dictionary::RunMessageLoop();
}
