// Messages for the user: a modal message box with an OK button, and the system's text
// for a Win32 error code.
#pragma once

#include <windows.h>

#include <string>

namespace sindhikit::winui {

// A modal box with `text`, the program's `title`, an OK button and no icon.
void ShowMessage(HWND owner, const wchar_t* title, const wchar_t* text);

// The system's text for a Win32 error code, without its line break; "Error N" when the
// system has none.
std::wstring DescribeError(DWORD error);

}  // namespace sindhikit::winui
