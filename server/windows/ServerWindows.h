// The server's three modeless windows, as the TavroCode methods show them. Each exists
// at most once per thread, outlives the object that showed it and closes on its own.
#pragma once

#include <windows.h>

#include <cstdint>

namespace tavrocodes::windows {

// frmKB with the two pictures of `lang` (Sindhi, Urdu, Farsi); any other value shows
// nothing and leaves an open window as it is. A failing step is reported in a message
// box and the next step still runs.
void ShowKB(std::int32_t lang);
// frmSortOrder and frmAbout; a failure to load or show the window is the answer.
HRESULT showSorting();
HRESULT showAbout();

// Called with true when one of the windows opens and with false when it has closed, so
// the module that holds the windows' code is not unloaded under them. Set once, when the
// module loads.
void SetModuleLock(void (*lock)(bool));

// The title of the server's message boxes.
inline constexpr wchar_t kMessageTitle[] = L"TavroCodes";

}  // namespace tavrocodes::windows
