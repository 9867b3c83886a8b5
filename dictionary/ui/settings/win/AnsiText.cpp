#include "settings/win/AnsiText.h"

#include <windows.h>

namespace sindhikit::settings {

std::optional<std::string> ToAnsi(std::u16string_view text) {
    if (text.empty()) return std::string();
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    // A UTF-8 ANSI code page has no default character; it refuses only lone surrogates.
    const bool utf8 = GetACP() == CP_UTF8;
    const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
    BOOL usedDefault = FALSE;
    BOOL* const usedDefaultOut = utf8 ? nullptr : &usedDefault;
    const int bytes = WideCharToMultiByte(CP_ACP, flags, wide, length, nullptr, 0, nullptr, usedDefaultOut);
    if (bytes <= 0 || usedDefault) return std::nullopt;
    std::string out(static_cast<std::size_t>(bytes), '\0');
    if (WideCharToMultiByte(CP_ACP, flags, wide, length, out.data(), bytes, nullptr, usedDefaultOut) != bytes ||
        usedDefault) {
        return std::nullopt;
    }
    return out;
}

std::optional<std::string> ToAnsiName(std::u16string_view name) {
    if (name.find(u'\0') != std::u16string_view::npos) return std::nullopt;
    return ToAnsi(name);
}

std::u16string FromAnsi(std::string_view bytes) {
    if (bytes.empty()) return {};
    const int length = static_cast<int>(bytes.size());
    const int units = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    if (units <= 0) return {};
    std::u16string out(static_cast<std::size_t>(units), u'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, reinterpret_cast<wchar_t*>(out.data()), units);
    return out;
}

}  // namespace sindhikit::settings
