#include "winui/SysInfo.h"

namespace sindhikit::winui {

namespace {
constexpr REGSAM kAccess = 0x2003F;
constexpr DWORD kBufferSize = 1024;
}  // namespace

bool GetKeyValue(HKEY KeyRoot, const std::string& KeyName, const std::string& SubKeyRef, std::string& KeyVal) {
    KeyVal.clear();
    HKEY key = nullptr;
    if (RegOpenKeyExA(KeyRoot, KeyName.c_str(), 0, kAccess, &key) != ERROR_SUCCESS) return false;
    char buffer[kBufferSize];
    DWORD size = kBufferSize;
    DWORD type = REG_NONE;
    const LONG queried =
        RegQueryValueExA(key, SubKeyRef.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (queried != ERROR_SUCCESS) return false;
    // Only text is asked for here (the tool's path and folder); other types are not read.
    if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
    if (size > 0 && buffer[size - 1] == '\0') --size;
    KeyVal.assign(buffer, size);
    return true;
}

}  // namespace sindhikit::winui
