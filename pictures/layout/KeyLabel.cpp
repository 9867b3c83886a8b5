#include "layout/KeyLabel.h"

namespace sindhikit::pictures {

namespace {
constexpr char16_t kTatweel = 0x0640;

struct Tag {
    CodePoint cp;
    const char16_t* text;
};
// Characters that draw nothing visible; every one a key map can give is named here.
constexpr Tag kInvisibleTags[] = {
    {0x200B, u"ZWSP"}, {0x200C, u"ZWNJ"}, {0x200D, u"ZWJ"}, {0x200E, u"LRM"}, {0x200F, u"RLM"}, {0xFEFF, u"ZWNBSP"},
};
}  // namespace

bool IsArabicCombiningMark(CodePoint cp) {
    return (cp >= 0x0610 && cp <= 0x061A) || (cp >= 0x064B && cp <= 0x065F) || cp == 0x0670 ||
           (cp >= 0x06D6 && cp <= 0x06DC) || (cp >= 0x06DF && cp <= 0x06E4) || (cp >= 0x06E7 && cp <= 0x06E8) ||
           (cp >= 0x06EA && cp <= 0x06ED);
}

bool IsArabicScript(CodePoint cp) {
    return (cp >= 0x0600 && cp <= 0x06FF) || (cp >= 0x0750 && cp <= 0x077F) || (cp >= 0x08A0 && cp <= 0x08FF) ||
           (cp >= 0xFB50 && cp <= 0xFDFF) || (cp >= 0xFE70 && cp <= 0xFEFE);
}

KeyLabel LabelForCodePoint(CodePoint cp) {
    if (cp == 0) return {LabelKind::None, {}};
    for (const Tag& tag : kInvisibleTags) {
        if (tag.cp == cp) return {LabelKind::Abbreviation, tag.text};
    }
    const auto unit = static_cast<char16_t>(cp);
    if (IsArabicCombiningMark(cp)) return {LabelKind::Glyph, std::u16string{kTatweel, unit}, true};
    return {LabelKind::Glyph, std::u16string(1, unit), IsArabicScript(cp)};
}

}  // namespace sindhikit::pictures
