// UTF-8 <-> UTF-16 at the store's edges: every form of UTF-8, and what strict decoding refuses.
#include "Utf8.h"

#include <gtest/gtest.h>

namespace sindhikit {
namespace {

TEST(Utf8, DecodesEveryLengthOfSequence) {
    const struct {
        const char* utf8;
        std::u16string utf16;
    } cases[] = {
        {"", u""},
        {"Apple", u"Apple"},
        {"\xC3\xA9", u"\u00E9"},                              // 2 bytes
        {"\xDF\xBF", u"\u07FF"},                              // the last 2-byte value
        {"\xD8\xB3\xD9\x8A\xD8\xA8", u"\u0633\u064A\u0628"},  // 2 bytes each: Sindhi
        {"\xE0\xA0\x80", u"\u0800"},                          // the first 3-byte value
        {"\xE2\x82\xAC", u"\u20AC"},                          // 3 bytes
        {"\xEF\xBF\xBF", u"\uFFFF"},
        {"\xF0\x90\x80\x80", u"\xD800\xDC00"},  // the first 4-byte value: a surrogate pair
        {"\xF0\x9F\x98\x80", u"\xD83D\xDE00"},  // U+1F600
        {"\xF4\x8F\xBF\xBF", u"\xDBFF\xDFFF"},  // U+10FFFF, the last
        {"a\xF0\x9F\x98\x80z", u"a\xD83D\xDE00z"},
    };
    for (const auto& c : cases) {
        const auto decoded = Utf8ToUtf16(c.utf8);
        ASSERT_TRUE(decoded.has_value()) << c.utf8;
        EXPECT_EQ(*decoded, c.utf16) << c.utf8;
        EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8);
    }
}

TEST(Utf8, RefusesWhatIsNotUtf8) {
    const char* const cases[] = {
        "\x80",                      // a continuation byte on its own
        "a\xBF",                     //
        "\xC3\x28",                  // a lead byte without its continuation
        "\xC3",                      // cut at the end
        "\xE2\x82",                  //
        "\xF0\x9F\x98",              //
        "ok\xE2\x82",                //
        "\xC0\xAF",                  // overlong forms of '/'
        "\xE0\x80\xAF",              //
        "\xF0\x80\x80\xAF",          //
        "\xC1\xBF",                  // overlong U+007F
        "\xE0\x9F\xBF",              // overlong U+07FF
        "\xF0\x8F\xBF\xBF",          // overlong U+FFFF
        "\xED\xA0\x80",              // U+D800: a surrogate written as UTF-8
        "\xED\xBF\xBF",              // U+DFFF
        "\xED\xA0\xBD\xED\xB8\x80",  // a surrogate pair written as two sequences (CESU-8)
        "\xF4\x90\x80\x80",          // U+110000, beyond Unicode
        "\xF8\x88\x80\x80\x80",      // 5-byte form
        "\xFE",                      //
        "\xFF",                      //
    };
    for (const char* c : cases) EXPECT_FALSE(Utf8ToUtf16(c).has_value()) << ::testing::PrintToString(std::string(c));
    // A sequence cut by the end of the text, where the bytes after it in memory would complete it.
    const std::string whole = "ab\xE2\x82\xAC";
    for (std::size_t cut : {3u, 4u})
        EXPECT_FALSE(Utf8ToUtf16(std::string_view(whole).substr(0, cut)).has_value()) << cut;
}

TEST(Utf8, EncodesLoneSurrogatesAsTheReplacementCharacter) {
    const struct {
        std::u16string utf16;
        const char* utf8;
    } cases[] = {
        {u"\xD800", "\xEF\xBF\xBD"},  // high, at the end
        {u"\xD800"
         u"a",
         "\xEF\xBF\xBD"
         "a"},                                          // high, then no low
        {u"\xDC00", "\xEF\xBF\xBD"},                    // low on its own
        {u"\xDC00\xD800", "\xEF\xBF\xBD\xEF\xBF\xBD"},  // the two in the wrong order
        {u"\xD800\xD800\xDC00", "\xEF\xBF\xBD\xF0\x90\x80\x80"},
    };
    for (const auto& c : cases) EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8);
}

TEST(Utf8, EveryCharacterRoundTrips) {
    std::u16string all;
    for (char32_t c = 1; c < 0x10000; ++c)
        if (c < 0xD800 || c > 0xDFFF) all.push_back(static_cast<char16_t>(c));
    for (char32_t c : {0x10000u, 0x1F600u, 0x10FFFFu}) {
        all.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
        all.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    }
    const std::string utf8 = Utf16ToUtf8(all);
    EXPECT_EQ(Utf8ToUtf16(utf8), std::optional<std::u16string>(all));
}

}  // namespace
}  // namespace sindhikit
