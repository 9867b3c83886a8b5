// The lookups' UTF-16 text and the controls' wide strings: the same code units on Windows.
#pragma once

#include <string>

namespace dictionary {

inline std::wstring Wide(const std::u16string& s) {
    return std::wstring(s.begin(), s.end());
}
inline std::u16string U16(const std::wstring& s) {
    return std::u16string(s.begin(), s.end());
}

}  // namespace dictionary
