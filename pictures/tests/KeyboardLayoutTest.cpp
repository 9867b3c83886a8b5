// The keyboard pictures draw what these layouts hold, so the layouts are checked
// against the key-map functions key by key, and their geometry against the pictures.
#include <gtest/gtest.h>

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
                const KeyLabel expected = LabelForCodePoint(lc.map(key.code));
                EXPECT_EQ(key.label.kind, expected.kind);
                EXPECT_EQ(key.label.text, expected.text);
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

TEST(KeyboardLayout, CapsFitTheirPictureWithoutOverlapInKeyboardOrder) {
    const struct {
        Langs lang;
        bool shifted;
        int width, height;
    } sizes[] = {
        {Langs::Sindhi, false, 451, 175}, {Langs::Sindhi, true, 450, 175}, {Langs::Urdu, false, 453, 177},
        {Langs::Urdu, true, 459, 181},    {Langs::Farsi, false, 452, 178}, {Langs::Farsi, true, 457, 177},
    };
    for (const auto& s : sizes) {
        const KeyboardLayout layout = BuildKeyboardLayout(s.lang, s.shifted);
        EXPECT_EQ(layout.size.width, s.width);
        EXPECT_EQ(layout.size.height, s.height);
        for (size_t i = 0; i < layout.keys.size(); ++i) {
            const PixelRect& r = layout.keys[i].rect;
            EXPECT_GE(r.left, 0);
            EXPECT_GE(r.top, 0);
            EXPECT_LE(r.right, s.width);
            EXPECT_LE(r.bottom, s.height);
            EXPECT_GE(r.Width(), 28) << "cap too narrow for its legend and letter";
            EXPECT_GE(r.Height(), 38);
            for (size_t j = i + 1; j < layout.keys.size(); ++j) {
                EXPECT_FALSE(Overlap(r, layout.keys[j].rect)) << i << " " << j;
                if (layout.keys[j].row == layout.keys[i].row) {
                    EXPECT_GT(layout.keys[j].rect.left, r.left);
                } else {
                    EXPECT_GT(layout.keys[j].rect.top, r.top);
                }
            }
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
