// APICalls: the Windows folder, where the program finds its word store.
#pragma once

#ifdef _WIN32
#include <string>

namespace sindhikit {

// The Windows folder as GetWindowsDirectoryA reports it (255-character buffer, converted
// from the ANSI code page). Never fails: when the folder cannot be obtained the result is
// the empty text. A folder longer than the buffer is asked for again with a buffer of the
// size the system reports, instead of reading past the first one.
std::u16string GetWindowsFolder();

}  // namespace sindhikit
#endif
