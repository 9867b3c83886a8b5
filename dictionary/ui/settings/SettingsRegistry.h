// Where the font settings are kept, and the two registry routines that keep them
// (GetRegValue and SetRegValue of RegEdit, or anything with their contract).
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "settings/RegValueType.h"
#include "variant/Variant.h"

namespace sindhikit::settings {

inline constexpr std::u16string_view kEnglishFontNamePath = u"HKCU\\software\\DarvelDictionary\\EFN";
inline constexpr std::u16string_view kEnglishFontSizePath = u"HKCU\\software\\DarvelDictionary\\EFNS";
inline constexpr std::u16string_view kSindhiFontNamePath = u"HKCU\\software\\DarvelDictionary\\SFN";
inline constexpr std::u16string_view kSindhiFontSizePath = u"HKCU\\software\\DarvelDictionary\\SFNS";

struct SettingsRegistry {
    // The value at the path: text, a 32-bit integer, or Empty when it cannot be read.
    std::function<Variant(std::u16string_view path)> getValue;
    // Writes the value with the type code; may raise RegError.
    std::function<void(std::u16string_view path, const Variant& value, std::int32_t type)> setValue;
};

}  // namespace sindhikit::settings
