// GUI: the Sindhi and the English font of the lookup windows, applied to their controls and
// kept in the registry (EFN, EFNS, SFN, SFNS under HKCU\software\DarvelDictionary, as text,
// written every time a font is applied), and restored from there at start-up.
#pragma once

#include <cstdint>
#include <string>

#include "settings/FontControls.h"
#include "settings/SettingsRegistry.h"
#include "variant/NumberFormat.h"

namespace sindhikit::settings {

inline constexpr std::u16string_view kDefaultSindhiFontName = u"Times New Roman";
inline constexpr std::int32_t kDefaultSindhiFontSize = 16;
inline constexpr std::u16string_view kDefaultEnglishFontName = u"Tahoma";
inline constexpr std::int32_t kDefaultEnglishFontSize = 14;

class FontSettings {
 public:
    FontSettings(FontControls& controls, SettingsRegistry registry);

    // An empty name becomes Times New Roman 16 (the size passed is dropped); the controls get
    // name and size; a blank name is saved as Tahoma (the controls keep the blank one). Stops
    // at the first control that refuses, or at a failed save, and answers false: what follows
    // is not done. The caller's variables see the replaced name and size.
    bool ApplySindhiFont(std::u16string& name, std::int32_t& size);

    // An empty name becomes Tahoma 14. A control that refuses is skipped, and a failed save
    // of one value does not stop the other: both values are always attempted.
    void ApplyEnglishFont(std::u16string& name, std::int32_t& size);

    // The start-up restore: the English font, then the Sindhi font from the stored values.
    // One name and one size variable serve all four reads: a size that is not a number
    // leaves the size read or defaulted before it. `format` reads the sizes' numeric text.
    void RestoreFonts(const NumberFormat& format = {});

 private:
    FontControls& controls_;
    SettingsRegistry registry_;
};

}  // namespace sindhikit::settings
