// The module that holds the windows' code: the DLL for the server, the program itself
// for the Dictionary or a test program. Window classes, dialogs and the version line
// belong to it.
#pragma once

#include <windows.h>

namespace sindhikit::winui {

HINSTANCE CodeModule();

}  // namespace sindhikit::winui
