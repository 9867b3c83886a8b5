// An About window's System Info button: find the system information tool through the
// registry and start it.
#pragma once

#include <windows.h>

#include <string>

namespace sindhikit::winui {

// Reads one registry value as text. The key is opened asking for 0x2003F (query, set
// value, create subkey, enumerate, notify, create link, read control), so an account
// that may not write the key cannot read it this way either. False, with an empty
// KeyVal, when the key cannot be opened, the value cannot be read into 1024 bytes, or
// the value is not text.
bool GetKeyValue(HKEY KeyRoot, const std::string& KeyName, const std::string& SubKeyRef, std::string& KeyVal);

// Starts the tool named by the registry in a normal, focused window; on every failure
// shows "System Information Is Unavailable At This Time" (owned by `owner`, with the
// program's `title`).
void StartSysInfo(HWND owner, const wchar_t* title);

}  // namespace sindhikit::winui
