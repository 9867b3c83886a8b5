// The keyboard pictures draw what these layouts hold, so the layouts are checked
// against the key-map functions key by key, and their geometry against the pictures.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "layout/KeyboardLayout.h"

using namespace sindhikit;
using namespace sindhikit::pictures;

namespace {

struct LangCase {
    Langs lang;
    std::function<CodePoint(KeyCode)> map;
};

const LangCase kLangs[] = {
    {Langs::Sindhi, SindhiKeyToUnicode},
    {Langs::Urdu, UrduKeyToUnicode},
    {Langs::Farsi, FarsiKeyToUnicode},
};

bool Overlap(const PixelRect& a, const PixelRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// A cap's label shows the character it types: nothing for a key that types nothing, the
// character itself (a mark on a tatweel, so it has something to sit on), or for an invisible
// character its abbreviation.
void ExpectLabelShows(const KeyLabel& label, CodePoint mapped) {
    switch (label.kind) {
        case LabelKind::None:
            EXPECT_EQ(mapped, 0);
            break;
        case LabelKind::Glyph:
            ASSERT_FALSE(label.text.empty());
            EXPECT_EQ(label.text.back(), static_cast<char16_t>(mapped));
            EXPECT_TRUE(label.text.size() == 1 || (label.text.size() == 2 && label.text[0] == 0x0640)) << mapped;
            break;
        case LabelKind::Abbreviation:
            EXPECT_TRUE((mapped >= 0x200B && mapped <= 0x200F) || mapped == 0xFEFF) << mapped;
            EXPECT_GE(label.text.size(), 3u);
            break;
    }
}

}  // namespace

TEST(KeyboardLayout, EveryCapShowsWhatItsMapGivesAndBothStatesCoverAllPrintableKeys) {
    for (const auto& lc : kLangs) {
        std::multiset<KeyCode> seen;
        for (bool shifted : {false, true}) {
            const KeyboardLayout layout = BuildKeyboardLayout(lc.lang, shifted);
            ASSERT_EQ(layout.keys.size(), 47u) << static_cast<int>(lc.lang) << " shifted=" << shifted;
            for (const KeyCap& key : layout.keys) {
                SCOPED_TRACE(testing::Message()
                             << "lang " << static_cast<int>(lc.lang) << " key '" << static_cast<char>(key.code) << "'");
                EXPECT_EQ(key.mapped, lc.map(key.code));
                ExpectLabelShows(key.label, key.mapped);
                seen.insert(key.code);
            }
        }
        // Every printable key but the space bar appears once, in exactly one state.
        ASSERT_EQ(seen.size(), 94u);
        for (KeyCode c = 33; c <= 126; ++c) EXPECT_EQ(seen.count(c), 1u) << c;
    }
}

TEST(KeyboardLayout, LanguagesAreWiredToTheirOwnMaps) {
    struct Case {
        Langs lang;
        bool shifted;
        KeyCode code;
        LabelKind kind;
        std::u16string text;
    };
    const Case cases[] = {
        {Langs::Sindhi, false, 'a', LabelKind::Glyph, u"\u0627"},
        {Langs::Urdu, false, 'a', LabelKind::Glyph, u"\u0645"},
        {Langs::Farsi, false, 'a', LabelKind::Glyph, u"\u0634"},
        {Langs::Sindhi, true, 'E', LabelKind::Glyph, u"\u0640\u0650"},  // kasra on a tatweel
        {Langs::Sindhi, true, 'I', LabelKind::Glyph, u"I"},             // unmapped: the key itself
        {Langs::Farsi, true, 'N', LabelKind::None, u""},                // types nothing
        {Langs::Farsi, true, 'B', LabelKind::Abbreviation, u"ZWNJ"},
        {Langs::Urdu, true, '<', LabelKind::Abbreviation, u"ZWNBSP"},
        {Langs::Urdu, true, '|', LabelKind::Glyph, u"\uFDFB"},
    };
    for (const Case& c : cases) {
        const KeyboardLayout layout = BuildKeyboardLayout(c.lang, c.shifted);
        bool found = false;
        for (const KeyCap& key : layout.keys) {
            if (key.code != c.code) continue;
            found = true;
            EXPECT_EQ(key.label.kind, c.kind) << static_cast<char>(c.code);
            EXPECT_EQ(key.label.text, c.text) << static_cast<char>(c.code);
        }
        EXPECT_TRUE(found) << static_cast<char>(c.code);
    }
}

// The caps lie inside the picture the layout names, use it (only a margin is left on the
// right of the widest row and below the last), keep room for legend and letter, and stand in
// keyboard order without overlapping.
TEST(KeyboardLayout, CapsFillTheirPictureWithoutOverlapInKeyboardOrder) {
    for (const auto& lc : kLangs) {
        for (bool shifted : {false, true}) {
            SCOPED_TRACE(testing::Message() << "lang " << static_cast<int>(lc.lang) << " shifted=" << shifted);
            const KeyboardLayout layout = BuildKeyboardLayout(lc.lang, shifted);
            const PictureSize size = layout.size;
            ASSERT_GT(size.width, 0);
            ASSERT_GT(size.height, 0);
            int right = 0, bottom = 0;
            for (size_t i = 0; i < layout.keys.size(); ++i) {
                const PixelRect& r = layout.keys[i].rect;
                EXPECT_GE(r.left, 0);
                EXPECT_GE(r.top, 0);
                EXPECT_LE(r.right, size.width);
                EXPECT_LE(r.bottom, size.height);
                EXPECT_GE(r.Width(), 28) << "cap too narrow for its legend and letter";
                EXPECT_GE(r.Height(), 38);
                right = std::max(right, r.right);
                bottom = std::max(bottom, r.bottom);
                for (size_t j = i + 1; j < layout.keys.size(); ++j) {
                    EXPECT_FALSE(Overlap(r, layout.keys[j].rect)) << i << " " << j;
                    if (layout.keys[j].row == layout.keys[i].row) {
                        EXPECT_GT(layout.keys[j].rect.left, r.left);
                    } else {
                        EXPECT_GT(layout.keys[j].rect.top, r.top);
                    }
                }
            }
            EXPECT_GE(right, size.width - 6) << "the caps leave the right of the picture empty";
            EXPECT_GE(bottom, size.height - 6) << "the caps leave the bottom of the picture empty";
        }
    }
}

TEST(KeyboardLayout, LanguagesWithoutPicturesGiveAnEmptyLayout) {
    for (int lang : {0, 4, 5, -1}) {
        const KeyboardLayout layout = BuildKeyboardLayout(static_cast<Langs>(lang), false);
        EXPECT_TRUE(layout.keys.empty()) << lang;
        EXPECT_EQ(layout.size.width, 0) << lang;
    }
}

TEST(KeyLabel, InvisibleAndCombiningCharactersGetVisibleLabels) {
    const struct {
        CodePoint cp;
        LabelKind kind;
        std::u16string text;
    } cases[] = {
        {0, LabelKind::None, u""},
        {0x200C, LabelKind::Abbreviation, u"ZWNJ"},
        {0x200D, LabelKind::Abbreviation, u"ZWJ"},
        {0xFEFF, LabelKind::Abbreviation, u"ZWNBSP"},
        {0x064E, LabelKind::Glyph, u"\u0640\u064E"},  // fatha
        {0x0651, LabelKind::Glyph, u"\u0640\u0651"},  // shadda
        {0x0670, LabelKind::Glyph, u"\u0640\u0670"},  // superscript alef
        {0x0654, LabelKind::Glyph, u"\u0640\u0654"},  // hamza above
        {0x0640, LabelKind::Glyph, u"\u0640"},        // tatweel itself is a stroke already
        {0x0628, LabelKind::Glyph, u"\u0628"},
        {'(', LabelKind::Glyph, u"("},
        {0x2018, LabelKind::Glyph, u"\u2018"},
    };
    for (const auto& c : cases) {
        const KeyLabel label = LabelForCodePoint(c.cp);
        EXPECT_EQ(label.kind, c.kind) << std::hex << c.cp;
        EXPECT_EQ(label.text, c.text) << std::hex << c.cp;
    }
}

// Mirrored characters drawn right to left show their partner: a Farsi "(" would read ")".
TEST(KeyLabel, OnlyArabicScriptIsDrawnRightToLeft) {
    for (CodePoint cp : {0x0628, 0x06AA, 0x064E, 0x06F1, 0x060C, 0x061F, 0xFDFA}) {
        EXPECT_TRUE(LabelForCodePoint(cp).rightToLeft) << std::hex << cp;
    }
    for (CodePoint cp : std::initializer_list<CodePoint>{'(', ')', '[', ']', '{', '}', '<', '>', 0x00AB, 0x00BB, 0x201C,
                                                         0x2018, ':', '='}) {
        EXPECT_FALSE(LabelForCodePoint(cp).rightToLeft) << std::hex << cp;
    }
}
