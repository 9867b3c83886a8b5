// Modeless top-level windows, built in code: an in-memory dialog or a window of a
// registered class, of a fixed size given as its inner (client) area in twips. None can
// be resized, minimised or maximised. They are created hidden (SingleWindow shows them)
// and followed to their end by the library (OpenWindows.h), which holds `host` for them.
#pragma once

#include <windows.h>

#include "winui/Twips.h"
#include "winui/WindowHost.h"

namespace sindhikit::winui {

enum class Frame {
    FixedDialog,  // dialog frame (WS_EX_DLGMODALFRAME), caption and close box
    FixedSingle,  // single border, caption and close box
    FixedTool,    // tool window: small caption and close box, never a taskbar button
};

struct WindowDesign {
    const wchar_t* caption = L"";
    Frame frame = Frame::FixedDialog;
    TwipsSize inner;
};

// A dialog: the dialog manager presses the default button on Enter and sends IDCANCEL on
// Esc. `procedure` adds the controls on WM_INITDIALOG (lParam is `param`); the dialog's
// font is "MS Shell Dlg" 8. Placed at the screen's top left: see CentreOnScreen.
HWND CreateModelessDialog(const WindowHost& host, const WindowDesign& design, DLGPROC procedure, LPARAM param = 0);

// A window of `windowClass` (RegisterWindowClass), where the system places new windows;
// `param` reaches WM_CREATE as lpCreateParams.
HWND CreateModelessWindow(const WindowHost& host, const WindowDesign& design, const wchar_t* windowClass,
                          LPARAM param = 0);

// Registers a window class of CodeModule(). A class of that name left behind by an earlier
// load of the module at another address is replaced.
bool RegisterWindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background, LPCWSTR cursor = IDC_ARROW);

// Moves a window so that its frame is centred on the screen.
void CentreOnScreen(HWND window);

}  // namespace sindhikit::winui
