// The controls of the two lookup windows that the Sindhi and English fonts reach, and the
// order in which each font is set on them: name only or size only per step.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace sindhikit::settings {

enum class FontControl {
    frmSindhiToEnglish_WordBox,
    frmSindhiToEnglish_WordList,
    frmSindhiToEnglish_EnglishMeaning,
    frmSindhiToEnglish_EnglishMeaningsList,
    frmEnglish2Sindhi_SindhiMeanings,
    frmEnglish2Sindhi_WordBox,
    frmEnglish2Sindhi_WordList,
    frmEnglish2Sindhi_EnglishMeaning,
};

enum class FontProperty { Name, Size };

struct FontStep {
    FontControl control;
    FontProperty property;
};

// The Sindhi headword box and list keep their design size (14.25 points); the Sindhi
// meanings take name and size.
inline constexpr std::array<FontStep, 4> kSindhiFontSteps{{
    {FontControl::frmSindhiToEnglish_WordBox, FontProperty::Name},
    {FontControl::frmSindhiToEnglish_WordList, FontProperty::Name},
    {FontControl::frmEnglish2Sindhi_SindhiMeanings, FontProperty::Name},
    {FontControl::frmEnglish2Sindhi_SindhiMeanings, FontProperty::Size},
}};

// The English headword box and list keep their design size (8.25 points).
inline constexpr std::array<FontStep, 8> kEnglishFontSteps{{
    {FontControl::frmSindhiToEnglish_EnglishMeaning, FontProperty::Name},
    {FontControl::frmSindhiToEnglish_EnglishMeaningsList, FontProperty::Name},
    {FontControl::frmSindhiToEnglish_EnglishMeaning, FontProperty::Size},
    {FontControl::frmSindhiToEnglish_EnglishMeaningsList, FontProperty::Size},
    {FontControl::frmEnglish2Sindhi_WordBox, FontProperty::Name},
    {FontControl::frmEnglish2Sindhi_WordList, FontProperty::Name},
    {FontControl::frmEnglish2Sindhi_EnglishMeaning, FontProperty::Name},
    {FontControl::frmEnglish2Sindhi_EnglishMeaning, FontProperty::Size},
}};

// The lookup windows' controls as the font routines reach them. Each call changes the
// control's font in place (bold and the other attributes stay) and answers false when the
// control refuses the name or size; a lookup window that does not exist yet is created.
// Names and sizes are passed as given: a blank name or a size of 0 or less included.
class FontControls {
 public:
    virtual ~FontControls() = default;
    virtual bool SetFontName(FontControl control, const std::u16string& name) = 0;
    virtual bool SetFontSize(FontControl control, std::int32_t points) = 0;
};

}  // namespace sindhikit::settings
