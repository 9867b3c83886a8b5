// The phonetic guide is content a reader trusts: its letters must be the alphabet's, its digits
// what the key map types, and its columns must agree with one another and with the
// transliteration scheme they claim.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "alphabet/PhoneticGuide.h"
#include "alphabet/SindhiAlphabet.h"
#include "keymaps/KeyMap.h"

using namespace sindhikit;

namespace {

bool IsCombiningMark(char16_t c) {
    return c >= 0x0300 && c <= 0x036F;
}

// IPA symbols: the Latin small letters IPA takes over (g is written with the script g, U+0261),
// the IPA Extensions block, the few IPA letters from other blocks, the modifier letters of
// aspiration, breathiness and length, and diacritics on a preceding symbol.
bool IsIpaText(const std::u16string& s) {
    static const std::u16string others = u"ŋæøœçðβθχʰʱʲʷˠˤːˑˈˌʼ";
    for (size_t i = 0; i < s.size(); ++i) {
        const char16_t c = s[i];
        const bool ok = (c >= u'a' && c <= u'z' && c != u'g') || (c >= 0x0250 && c <= 0x02AF) ||
                        others.find(c) != std::u16string::npos || (IsCombiningMark(c) && i > 0);
        if (!ok) return false;
    }
    return !s.empty();
}

// Latin lower-case letters with their accented forms, the two half rings of ain and hamza,
// and combining marks on a preceding letter.
bool IsLatinText(const std::u16string& s) {
    for (size_t i = 0; i < s.size(); ++i) {
        const char16_t c = s[i];
        const bool ok = (c >= u'a' && c <= u'z') || (c >= 0x00DF && c <= 0x00FF && c != 0x00F7) ||
                        (c >= 0x0100 && c <= 0x017F) || (c >= 0x1E00 && c <= 0x1EFF) || c == 0x02BE || c == 0x02BF ||
                        (IsCombiningMark(c) && i > 0);
        if (!ok) return false;
    }
    return !s.empty();
}

// Letters of the Arabic script, tatweel and digits excluded.
bool IsArabicLetters(const std::u16string& s) {
    for (char16_t c : s) {
        const bool ok = (c >= 0x0621 && c <= 0x063A) || (c >= 0x0641 && c <= 0x064A) || (c >= 0x0671 && c <= 0x06D3);
        if (!ok) return false;
    }
    return !s.empty();
}

// Whether `word` can be spelt from the letters' transliterations and the vowels.
bool SpellsWithScheme(const std::u16string& word) {
    std::set<std::u16string> units = {u"a", u"ā", u"i", u"ī", u"u", u"ū", u"e", u"o"};
    for (const auto& l : PhoneticGuideLetters()) units.insert(l.transliteration);
    // spellsFrom[i]: the rest of the word from i can be spelt.
    std::vector<bool> spellsFrom(word.size() + 1, false);
    spellsFrom[word.size()] = true;
    for (size_t at = word.size(); at-- > 0;) {
        for (const auto& unit : units) {
            if (word.compare(at, unit.size(), unit) == 0 && spellsFrom[at + unit.size()]) spellsFrom[at] = true;
        }
    }
    return spellsFrom[0];
}

const PhoneticLetter* LetterTransliterated(const std::u16string& t) {
    for (const auto& l : PhoneticGuideLetters()) {
        if (l.transliteration == t) return &l;
    }
    return nullptr;
}

std::string Utf8(const std::u16string& s) {
    std::string out;
    for (char16_t c : s) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace

TEST(PhoneticGuide, HasExactlyTheLettersOfTheAlphabetInItsOrder) {
    const auto& guide = PhoneticGuideLetters();
    const auto& alphabet = SindhiAlphabet();
    ASSERT_EQ(guide.size(), alphabet.size());
    for (size_t i = 0; i < guide.size(); ++i) EXPECT_EQ(guide[i].letter, alphabet[i].letter) << "letter " << i + 1;
}

TEST(PhoneticGuide, EveryFieldIsFilledWithTextOfItsKind) {
    for (const auto& l : PhoneticGuideLetters()) {
        SCOPED_TRACE(Utf8(l.letter));
        EXPECT_TRUE(IsArabicLetters(l.name)) << Utf8(l.name);
        EXPECT_TRUE(IsLatinText(l.nameLatin)) << Utf8(l.nameLatin);
        EXPECT_TRUE(IsLatinText(l.transliteration)) << Utf8(l.transliteration);
        EXPECT_TRUE(IsIpaText(l.ipa)) << Utf8(l.ipa);
    }
    for (const auto& d : SindhiDigits()) {
        SCOPED_TRACE(d.value);
        EXPECT_TRUE(IsArabicLetters(d.name)) << Utf8(d.name);
        EXPECT_TRUE(IsLatinText(d.nameLatin)) << Utf8(d.nameLatin);
    }
    // The checks themselves tell the faults they are for apart.
    EXPECT_FALSE(IsIpaText(u"g")) << "IPA writes the script g";
    EXPECT_FALSE(IsIpaText(u"a:")) << "IPA length is the triangular colon";
    EXPECT_FALSE(IsIpaText(u"\u032At"));
    EXPECT_FALSE(IsLatinText(u"\u0628"));
    EXPECT_FALSE(IsArabicLetters(u"\u0628 \u0628"));
}

TEST(PhoneticGuide, TransliterationsAreOneReversibleScheme) {
    std::set<std::u16string> transliterations, names, latinNames;
    for (const auto& l : PhoneticGuideLetters()) {
        EXPECT_TRUE(transliterations.insert(l.transliteration).second) << Utf8(l.transliteration) << " twice";
        EXPECT_TRUE(names.insert(l.name).second) << Utf8(l.name) << " twice";
        EXPECT_TRUE(latinNames.insert(l.nameLatin).second) << Utf8(l.nameLatin) << " twice";
        EXPECT_TRUE(SpellsWithScheme(l.nameLatin)) << Utf8(l.nameLatin);
    }
    for (const auto& d : SindhiDigits()) EXPECT_TRUE(SpellsWithScheme(d.nameLatin)) << Utf8(d.nameLatin);
    EXPECT_FALSE(SpellsWithScheme(u"wāw")) << "the scheme writes waw v";
}

TEST(PhoneticGuide, LettersAreNamedAfterThemselves) {
    // Alif and hamza keep their Arabic names, which do not start with their transliteration;
    // hamza's name is not even spelt with a hamza.
    const std::set<std::u16string> arabicNamed = {u"\u0627", u"\u0621"};
    for (const auto& l : PhoneticGuideLetters()) {
        SCOPED_TRACE(Utf8(l.letter));
        if (l.letter != u"\u0621") {
            EXPECT_EQ(l.name.compare(0, l.letter.size(), l.letter), 0) << Utf8(l.name);
        }
        if (!arabicNamed.count(l.letter)) {
            EXPECT_EQ(l.nameLatin.compare(0, l.transliteration.size(), l.transliteration), 0) << Utf8(l.nameLatin);
        }
    }
}

TEST(PhoneticGuide, AspiratesAreTheirPlainStopWithAspiration) {
    // A transliteration ending in h after a consonant is an aspirate: its sound is the plain
    // letter's with breathy voice (voiced stops) or aspiration (voiceless ones).
    const std::set<std::u16string> voiced = {u"b", u"d\u032A", u"ɖ", u"ɟ", u"ɡ"};
    int aspirates = 0;
    for (const auto& l : PhoneticGuideLetters()) {
        const std::u16string& t = l.transliteration;
        const bool spelledAspirate = t.size() > 1 && t.back() == u'h';
        const bool soundsAspirate = l.ipa.back() == u'ʰ' || l.ipa.back() == u'ʱ';
        EXPECT_EQ(spelledAspirate, soundsAspirate) << Utf8(t) << " /" << Utf8(l.ipa) << "/";
        if (!spelledAspirate) continue;
        ++aspirates;
        const PhoneticLetter* plain = LetterTransliterated(t.substr(0, t.size() - 1));
        ASSERT_NE(plain, nullptr) << Utf8(t);
        const char16_t mark = voiced.count(plain->ipa) ? u'ʱ' : u'ʰ';
        EXPECT_EQ(l.ipa, plain->ipa + mark) << Utf8(t);
    }
    EXPECT_EQ(aspirates, 10);  // bh th ṭh jh ch dh ḍh ph kh gh
}

TEST(PhoneticGuide, ImplosivesAreMarkedAndSoundImplosive) {
    const std::set<std::u16string> implosive = {u"ɓ", u"ʄ", u"ɗ", u"ɠ"};
    int count = 0;
    for (const auto& l : PhoneticGuideLetters()) {
        const auto mark = l.transliteration.find(u'\u0324');
        EXPECT_EQ(mark != std::u16string::npos, implosive.count(l.ipa) == 1) << Utf8(l.transliteration);
        if (mark == std::u16string::npos) continue;
        ++count;
        // The implosive is written as the plain voiced stop of its place with the mark.
        const PhoneticLetter* plain = LetterTransliterated(l.transliteration.substr(0, mark));
        ASSERT_NE(plain, nullptr);
        EXPECT_TRUE(plain->ipa == u"b" || plain->ipa == u"ɟ" || plain->ipa == u"d\u032A" || plain->ipa == u"ɡ");
    }
    EXPECT_EQ(count, 4);
}

TEST(PhoneticGuide, DigitsAreWhatTheSindhiKeyMapTypes) {
    const auto& digits = SindhiDigits();
    ASSERT_EQ(digits.size(), 11u);
    std::set<std::u16string> names;
    for (size_t i = 0; i < digits.size(); ++i) {
        EXPECT_EQ(digits[i].value, static_cast<int>(i));
        std::u16string typed;
        for (char key : std::to_string(digits[i].value)) typed += static_cast<char16_t>(SindhiKeyToUnicode(key));
        EXPECT_EQ(digits[i].digits, typed) << digits[i].value;
        EXPECT_TRUE(names.insert(digits[i].name).second) << digits[i].value;
    }
    EXPECT_EQ(digits[10].digits, u"\u06F1\u06F0");
}
