// Creating the windows as modeless dialogs from an in-memory template: fixed dialog
// frame, caption and close box, no minimise or maximise box, owned by the thread's
// hidden owner. Sizes are client sizes in pixels; the dialog procedure adds controls.
#pragma once

#include <windows.h>

namespace tavrocodes::windows {

HWND CreateModelessDialog(const wchar_t* caption, int clientWidth, int clientHeight, DLGPROC procedure);

// Places a window of this client size at the centre of the screen.
void CentreOnScreen(HWND window, int clientWidth, int clientHeight);

// A child control in pixels, with the dialog's font.
HWND AddControl(HWND parent, const wchar_t* windowClass, const wchar_t* text, DWORD style, int id, int x, int y,
                int width, int height);

}  // namespace tavrocodes::windows
