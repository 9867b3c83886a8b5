// How the server's windows live inside a macro host's message loop: owned by a hidden
// window (no taskbar button), given their dialog keys by a message hook, and holding the
// module while one of them is open.
#pragma once

#include "winui/WindowHost.h"

namespace tavrocodes::windows {

const sindhikit::winui::WindowHost& ServerHost();

}  // namespace tavrocodes::windows
