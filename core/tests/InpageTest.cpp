// InPage-to-Unicode: the table transcribed a second time, the marker algorithm's cases,
// long texts, and the ANSI code page the characters are read through.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "inpage/InpageToUnicode.h"

using namespace sindhikit;

namespace {

InpageTable Filled() {
    InpageTable t;
    t.fill(0x7777);  // the fill must overwrite every entry
    FillInpageTable(t);
    return t;
}

TEST(InpageTable, HoldsTheFortyTwoEntriesAndNothingElse) {
    const std::map<int, int> expected = {
        {0x20, 0x0020}, {0x81, 0x0627}, {0x82, 0x0628}, {0x83, 0x067E}, {0x84, 0x062A}, {0x85, 0x0679}, {0x86, 0x062B},
        {0x87, 0x062C}, {0x88, 0x0686}, {0x89, 0x062D}, {0x8A, 0x062E}, {0x8B, 0x062F}, {0x8C, 0x0688}, {0x8D, 0x0630},
        {0x8E, 0x0631}, {0x8F, 0x0691}, {0x90, 0x0632}, {0x91, 0x0698}, {0x92, 0x0633}, {0x93, 0x0634}, {0x94, 0x0635},
        {0x95, 0x0636}, {0x96, 0x0637}, {0x97, 0x0638}, {0x98, 0x0639}, {0x99, 0x063A}, {0x9A, 0x0641}, {0x9B, 0x0642},
        {0x9C, 0x06A9}, {0x9D, 0x06AF}, {0x9E, 0x0644}, {0x9F, 0x0645}, {0xA0, 0x0646}, {0xA1, 0x06BA}, {0xA2, 0x0648},
        {0xA3, 0x0626}, {0xA4, 0x06CC}, {0xA5, 0x06D2}, {0xA6, 0x06C1}, {0xA7, 0x06BE}, {0xB9, 0x0629}, {0xF3, 0x002D},
    };
    ASSERT_EQ(expected.size(), 42u);
    const InpageTable t = Filled();
    for (int b = 0; b < 256; ++b) {
        auto it = expected.find(b);
        EXPECT_EQ(t[b], it == expected.end() ? 0 : it->second) << "byte " << b;
    }
}

// Characters of the native ANSI code page (Windows-1252) for the InPage bytes used below.
constexpr char16_t M = 0x04;         // marker
constexpr char16_t Alef = 0x0081;    // byte 0x81 (unassigned in 1252)
constexpr char16_t Beh = 0x201A;     // byte 0x82
constexpr char16_t Madda = 0x00B3;   // byte 0xB3
constexpr char16_t B4 = 0x00B4;      // byte 0xB4
constexpr char16_t TehM = 0x00B9;    // byte 0xB9
constexpr char16_t Hyphen = 0x00F3;  // byte 0xF3

TEST(InpageToUnicode, MarkerCases) {
    const InpageTable t = Filled();
    const struct {
        const char* name;
        std::u16string in, out;
    } cases[] = {
        {"empty", u"", u""},
        {"no marker", u"plain text \u00E9\u20AC", u"plain text \u00E9\u20AC"},
        {"alef", {M, Alef}, u"\u0627"},
        {"beh", {M, Beh}, u"\u0628"},
        {"teh marbuta", {M, TehM}, u"\u0629"},
        {"hyphen", {M, Hyphen}, u"-"},
        {"space", {M, u' '}, u" "},
        {"alef madda", {M, Alef, M, Madda}, u"\u0622"},
        {"marked 0xB4 dropped", {M, Alef, M, B4}, u"\u0627"},
        {"trailing marker dropped", {M, Alef, M}, u"\u0627"},
        {"alef madda then x", {M, Alef, M, Madda, u'x'}, u"\u0622x"},
        {"marker alone", {M}, u""},
        {"two markers", {M, M}, u""},
        {"marker and A", {M, u'A'}, u""},
        {"letters around", {u'x', M, Beh, u'y'}, u"x\u0628y"},
        {"unmarked 0x81 is not alef", {Alef, Beh}, {Alef, Beh}},
        {"marked letter then unmarked alef", {M, Beh, Alef}, u"\u0628\u0081"},
        {"madda unmarked after alef", {M, Alef, Madda}, {0x0627, Madda}},
        {"marker consumes a marker", {M, M, Alef}, {Alef}},
        {"character outside the code page kept", {u'\u0628', M, Alef}, u"\u0628\u0627"},
        {"character outside the code page after a marker", {M, u'\u0628', u'z'}, u"z"},
    };
    for (const auto& c : cases) EXPECT_EQ(InpageToUnicode(c.in, t), c.out) << c.name;
}

TEST(InpageToUnicode, LongTextsAreConvertedInFull) {
    const InpageTable t = Filled();
    for (std::size_t pairs : {16383u, 16384u, 20000u}) {  // 32,766 / 32,768 / 40,000 characters
        std::u16string in;
        for (std::size_t i = 0; i < pairs; ++i) in += {M, Beh};
        in += u'!';
        std::u16string out = InpageToUnicode(in, t);
        ASSERT_EQ(out.size(), pairs + 1) << in.size();
        EXPECT_EQ(out.find_first_not_of(u'\u0628'), pairs);
    }
    const std::u16string plain(32767, u'a');
    EXPECT_EQ(InpageToUnicode(plain, t), plain);
}

TEST(InpageToUnicode, ReadsThroughTheGivenCodePage) {
    // A code page whose byte 0x82 is a lead byte (no character) and whose byte 0x83 is "p".
    std::array<char32_t, 256> chars{};
    for (std::size_t b = 0; b < 256; ++b) chars[b] = static_cast<char32_t>(b);
    chars[0x82] = AnsiCodePage::kNoCharacter;
    chars[0x83] = u'p';
    const AnsiCodePage page(chars);
    const InpageTable t = Filled();
    // The lower byte stands for a character two bytes share: "p" reads as 0x70, no entry.
    EXPECT_EQ(InpageToUnicode(std::u16string{M, u'p', M, 0x81}, t, page), u"\u0627");
    EXPECT_EQ(InpageToUnicode(std::u16string{M, 0x82, u'q'}, t, page), u"q");
    EXPECT_EQ(AnsiCodePage::Windows1252().ByteOf(0x20AC), 0x80);
    EXPECT_EQ(AnsiCodePage::Windows1252().ByteOf(0x0080), -1);
    for (char16_t c : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) EXPECT_EQ(AnsiCodePage::Windows1252().ByteOf(c), c);
}

// sindhikit inpage turns each byte into the character it denotes (CharacterOf) and the
// conversion reads that character back as a byte (ByteOf): every byte must come back as itself,
// or the command line would read a byte differently from Inpage2UniCode.
TEST(AnsiCodePage, EveryByteReadsBackAsItself) {
    const AnsiCodePage& page = SystemAnsiCodePage();
    for (int b = 0; b < 256; ++b) {
        const char32_t c = page.CharacterOf(static_cast<std::uint8_t>(b));
        if (c == AnsiCodePage::kNoCharacter) continue;  // a lead byte of a multi-byte system code page
        EXPECT_EQ(page.ByteOf(static_cast<char16_t>(c)), b) << b;
    }
#ifndef _WIN32
    // Natively the system's code page is Windows-1252, every byte with a character of its own,
    // the five unassigned bytes included.
    EXPECT_EQ(&page, &AnsiCodePage::Windows1252());
    for (int b = 0; b < 256; ++b) EXPECT_NE(page.CharacterOf(static_cast<std::uint8_t>(b)), AnsiCodePage::kNoCharacter);
    EXPECT_EQ(page.CharacterOf(0x80), U'\u20AC');
    EXPECT_EQ(page.CharacterOf(0x9F), U'\u0178');
    for (std::uint8_t b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) EXPECT_EQ(page.CharacterOf(b), b);
    EXPECT_EQ(page.CharacterOf(0xE9), U'\u00E9');
#endif
}

}  // namespace
