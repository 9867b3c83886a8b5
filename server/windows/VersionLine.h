// "Version major.minor.revision" from a module's own version resource.
#pragma once

#include <windows.h>

#include <string>

namespace tavrocodes::windows {

// The revision is the file version's fourth field, the one the build numbers; the
// third is always 0 in this module's versions. Empty when the module has no version.
std::wstring VersionLine(HMODULE module);

}  // namespace tavrocodes::windows
