// The modeless top-level windows open on each thread. The library follows every window
// it creates (ModelessWindow.h) from creation to WM_NCDESTROY by itself: the window's
// own procedure need not report its end.
#pragma once

#include <windows.h>

#include "winui/WindowHost.h"

namespace sindhikit::winui {

// A hidden window of this thread that owns the Owner::Hidden windows: owned windows get
// no taskbar button, on Windows and under Wine alike, and keep their frames and system menu.
HWND HiddenOwner();

// Follows `window` (a top-level window of this thread) until it ends: host.hold(true) now
// and host.hold(false) after its WM_NCDESTROY; its dialog keys come through host.keys.
// A window already followed is left as it is.
void Track(HWND window, const WindowHost& host);

// For the loop of a program whose windows use KeyRouting::OwnLoop: call it first for every
// message, before accelerators. True when the message was a key for one of this thread's
// OwnLoop windows and IsDialogMessage has handled it: do not translate or dispatch it.
//   while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
//       if (winui::RouteDialogKeys(msg)) continue;
//       if (TranslateMDISysAccel(client, &msg) || TranslateAcceleratorW(frame, keys, &msg)) continue;
//       TranslateMessage(&msg);
//       DispatchMessageW(&msg);
//   }
bool RouteDialogKeys(MSG& msg);

// Whether `window` is followed by the library (for tests and assertions).
bool IsTracked(HWND window);

// Makes *slot nullptr when the followed `window` ends, if *slot still names it
// (SingleWindow uses this). A window not followed yet is followed with a default host.
void ForgetOnEnd(HWND window, HWND* slot);

}  // namespace sindhikit::winui
