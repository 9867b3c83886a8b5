// What the windows of one thread share: the hidden owner that keeps them off the
// taskbar, the message hook that gives them dialog keys, the module lock.
#pragma once

#include <windows.h>

#include <string>

namespace tavrocodes::windows {

// The module whose code and resources the windows use (this DLL, or the test program
// the windows are linked into).
HINSTANCE CodeModule();

// A hidden window of this thread that owns the visible ones: owned windows get no
// taskbar button, on Windows and under Wine alike, and keep their frames and system menu.
HWND HiddenOwner();

// Every window calls these from its creation and its WM_NCDESTROY.
void WindowOpened(HWND window);
void WindowClosed(HWND window);

void SetModuleLockFunction(void (*lock)(bool));

// Shows a modal message box with the application's title and an OK button.
void ShowMessage(HWND owner, const wchar_t* text);
// The system's text for a Win32 error code.
std::wstring DescribeError(DWORD error);

}  // namespace tavrocodes::windows
