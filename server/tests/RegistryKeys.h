// Reading back what DllRegisterServer wrote under HKEY_CLASSES_ROOT.
#pragma once

#include <windows.h>

#include <array>
#include <optional>
#include <string>

#include "ServerUnderTest.h"

namespace tavrocodes::testing {

inline std::optional<std::wstring> ClassesRootString(const std::wstring& key, const wchar_t* name) {
    wchar_t value[1024] = {};
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(value);
}

inline bool ClassesRootKeyExists(const std::wstring& key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

// Every key the server owns; none may survive DllUnregisterServer.
inline std::array<std::wstring, 4> OwnKeys() {
    return {L"CLSID\\" + GuidText(CLSID_TavroCode), L"TavroCodes.TavroCode", L"TypeLib\\" + GuidText(LIBID_TavroCodes),
            L"Interface\\" + GuidText(IID__TavroCode)};
}

}  // namespace tavrocodes::testing
