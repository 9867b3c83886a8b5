#include "APICalls.h"

#include <windows.h>

#include <vector>

namespace sindhikit {

namespace {

std::u16string FromAnsi(const char* text, int length) {
    if (length <= 0) return {};
    const int wide = MultiByteToWideChar(CP_ACP, 0, text, length, nullptr, 0);
    if (wide <= 0) return {};
    std::u16string out(static_cast<std::size_t>(wide), u'\0');
    MultiByteToWideChar(CP_ACP, 0, text, length, reinterpret_cast<wchar_t*>(out.data()), wide);
    return out;
}

}  // namespace

std::u16string GetWindowsFolder() {
    std::vector<char> buffer(255, '\0');
    UINT written = GetWindowsDirectoryA(buffer.data(), 255);
    if (written >= buffer.size()) {
        // Too small: the call reports the size it needs (with the NUL) and writes nothing.
        buffer.assign(written + 1, '\0');
        written = GetWindowsDirectoryA(buffer.data(), static_cast<UINT>(buffer.size()));
        if (written >= buffer.size()) return {};
    }
    return FromAnsi(buffer.data(), static_cast<int>(written));
}

}  // namespace sindhikit
