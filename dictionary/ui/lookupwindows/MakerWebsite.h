// The maker's web site, opened from the "Darvel" label of either lookup window.
#pragma once

#include <windows.h>

namespace dictionary {

// Asks the shell to open the maker's web address (the one the About windows show) in the
// user's browser, with `owner` as the owner window, shown normally. The shell's answer is
// not reported: a missing browser is not the dictionary's business.
void OpenMakerWebsite(HWND owner);

}  // namespace dictionary
