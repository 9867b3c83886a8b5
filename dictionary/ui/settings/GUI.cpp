#include "settings/GUI.h"

#include <string>
#include <utility>

#include "settings/RegError.h"
#include "variant/Coercion.h"

namespace sindhikit::settings {

namespace {

// Sizes are stored as the plain decimal text of a whole number.
std::u16string DecimalText(std::int32_t n) {
    const std::string digits = std::to_string(n);
    return {digits.begin(), digits.end()};
}

bool IsBlank(const std::u16string& name) {
    return name.find_first_not_of(u' ') == std::u16string::npos;
}

bool SetFont(FontControls& controls, const FontStep& step, const std::u16string& name, std::int32_t size) {
    return step.property == FontProperty::Name ? controls.SetFontName(step.control, name)
                                               : controls.SetFontSize(step.control, size);
}

// A save that fails answers false; the caller decides whether that stops it.
bool Save(const SettingsRegistry& registry, std::u16string_view path, std::u16string text) {
    try {
        registry.setValue(path, Variant(std::move(text)), kRegSz);
        return true;
    } catch (const RegError&) {
        return false;
    }
}

}  // namespace

FontSettings::FontSettings(FontControls& controls, SettingsRegistry registry)
    : controls_(controls), registry_(std::move(registry)) {}

bool FontSettings::ApplySindhiFont(std::u16string& name, std::int32_t& size) {
    if (name.empty()) {
        name = kDefaultSindhiFontName;
        size = kDefaultSindhiFontSize;
    }
    for (const FontStep& step : kSindhiFontSteps) {
        if (!SetFont(controls_, step, name, size)) return false;
    }
    if (IsBlank(name)) name = u"Tahoma";
    return Save(registry_, kSindhiFontNamePath, name) && Save(registry_, kSindhiFontSizePath, DecimalText(size));
}

void FontSettings::ApplyEnglishFont(std::u16string& name, std::int32_t& size) {
    if (name.empty()) {
        name = kDefaultEnglishFontName;
        size = kDefaultEnglishFontSize;
    }
    for (const FontStep& step : kEnglishFontSteps) SetFont(controls_, step, name, size);
    Save(registry_, kEnglishFontNamePath, name);
    Save(registry_, kEnglishFontSizePath, DecimalText(size));
}

void FontSettings::RestoreFonts(const NumberFormat& format) {
    std::u16string name;
    std::int32_t size = 0;
    // A value that cannot be converted leaves the variable as it was.
    const auto readName = [&](std::u16string_view path) {
        try {
            name = ToText(registry_.getValue(path), format);
        } catch (const VariantError&) {
        }
    };
    const auto readSize = [&](std::u16string_view path) {
        try {
            size = ToInt32(registry_.getValue(path), format);
        } catch (const VariantError&) {
        }
    };
    readName(kEnglishFontNamePath);
    readSize(kEnglishFontSizePath);
    ApplyEnglishFont(name, size);
    readName(kSindhiFontNamePath);
    readSize(kSindhiFontSizePath);
    ApplySindhiFont(name, size);
}

}  // namespace sindhikit::settings
