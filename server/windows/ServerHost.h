// How the server's windows live inside a macro host's message loop: owned by a hidden
// window (no taskbar button), given their dialog keys by a message hook, and holding the
// module while one of them is open.
#pragma once

#include <windows.h>

#include <functional>

#include "winui/SingleWindow.h"
#include "winui/WindowHost.h"

namespace tavrocodes::windows {

const sindhikit::winui::WindowHost& ServerHost();

// Loads the window with `create` unless it is open, then shows it in front. A failure
// to load it is the answer, as showSorting and showAbout give it to the macro.
HRESULT LoadAndShow(sindhikit::winui::SingleWindow& window, const std::function<HWND()>& create);

}  // namespace tavrocodes::windows
