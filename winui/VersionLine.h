// "Version major.minor.revision" from a module's own version resource.
#pragma once

#include <windows.h>

#include <string>

namespace sindhikit::winui {

// The revision is the file version's fourth field, the one the build numbers; the
// third is always 0 in our modules' versions. Empty when the module has no version.
std::wstring VersionLine(HMODULE module);

}  // namespace sindhikit::winui
