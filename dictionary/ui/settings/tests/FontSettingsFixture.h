// What the font rules reach, recorded: the controls (each setting in order, refusing the
// ones a test names) and the four registry values (writes in order, failing the paths a
// test names).
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "settings/FontControls.h"
#include "settings/RegError.h"
#include "settings/SettingsRegistry.h"

namespace sindhikit::settings {

struct FontSetting {
    FontControl control;
    FontProperty property;
    std::u16string name;  // for a name
    std::int32_t size;    // for a size
    bool operator==(const FontSetting&) const = default;
};

inline FontSetting NameOf(FontControl c, std::u16string name) {
    return {c, FontProperty::Name, std::move(name), 0};
}
inline FontSetting SizeOf(FontControl c, std::int32_t size) {
    return {c, FontProperty::Size, u"", size};
}

class RecordingControls : public FontControls {
 public:
    bool SetFontName(FontControl control, const std::u16string& name) override {
        if (refused.contains({control, FontProperty::Name})) return false;
        settings.push_back(NameOf(control, name));
        return true;
    }
    bool SetFontSize(FontControl control, std::int32_t points) override {
        if (refused.contains({control, FontProperty::Size})) return false;
        settings.push_back(SizeOf(control, points));
        return true;
    }
    std::vector<FontSetting> settings;
    std::set<std::pair<FontControl, FontProperty>> refused;
};

struct Write {
    std::u16string path;
    Variant value;
    std::int32_t type;
    bool operator==(const Write&) const = default;
};

// The registry's contract: a missing value reads as Empty, a write may raise RegError.
class RecordingRegistry {
 public:
    SettingsRegistry Routines() {
        return {[this](std::u16string_view path) {
                    auto it = values.find(std::u16string(path));
                    return it == values.end() ? Variant() : it->second;
                },
                [this](std::u16string_view path, const Variant& value, std::int32_t type) {
                    if (failing.contains(std::u16string(path))) throw RegError::CannotCreateKey(path);
                    writes.push_back({std::u16string(path), value, type});
                    values[std::u16string(path)] = value;
                }};
    }
    std::map<std::u16string, Variant> values;
    std::vector<Write> writes;
    std::set<std::u16string> failing;
};

inline std::u16string Decimal(std::int32_t n) {
    const std::string digits = std::to_string(n);
    return {digits.begin(), digits.end()};
}

inline std::vector<Write> SavedAsText(std::u16string efn, std::u16string efns, std::u16string sfn,
                                      std::u16string sfns) {
    return {{std::u16string(kEnglishFontNamePath), Variant(std::move(efn)), kRegSz},
            {std::u16string(kEnglishFontSizePath), Variant(std::move(efns)), kRegSz},
            {std::u16string(kSindhiFontNamePath), Variant(std::move(sfn)), kRegSz},
            {std::u16string(kSindhiFontSizePath), Variant(std::move(sfns)), kRegSz}};
}

// The settings each font makes, in the order of its steps.
inline std::vector<FontSetting> SindhiSettings(const std::u16string& name, std::int32_t size) {
    return {NameOf(FontControl::frmSindhiToEnglish_WordBox, name),
            NameOf(FontControl::frmSindhiToEnglish_WordList, name),
            NameOf(FontControl::frmEnglish2Sindhi_SindhiMeanings, name),
            SizeOf(FontControl::frmEnglish2Sindhi_SindhiMeanings, size)};
}
inline std::vector<FontSetting> EnglishSettings(const std::u16string& name, std::int32_t size) {
    return {NameOf(FontControl::frmSindhiToEnglish_EnglishMeaning, name),
            NameOf(FontControl::frmSindhiToEnglish_EnglishMeaningsList, name),
            SizeOf(FontControl::frmSindhiToEnglish_EnglishMeaning, size),
            SizeOf(FontControl::frmSindhiToEnglish_EnglishMeaningsList, size),
            NameOf(FontControl::frmEnglish2Sindhi_WordBox, name),
            NameOf(FontControl::frmEnglish2Sindhi_WordList, name),
            NameOf(FontControl::frmEnglish2Sindhi_EnglishMeaning, name),
            SizeOf(FontControl::frmEnglish2Sindhi_EnglishMeaning, size)};
}
inline std::vector<FontSetting> Then(std::vector<FontSetting> first, const std::vector<FontSetting>& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

}  // namespace sindhikit::settings
