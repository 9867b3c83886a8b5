// The ANSI code page as the Windows builds read it: Windows-1252 from the platform agrees
// byte for byte with the table native builds use, and a multi-byte code page's lead bytes
// stand for no character, so after a marker they yield nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include "inpage/InpageToUnicode.h"
#include "inpage/win/AnsiCodePageOf.h"

namespace {

using sindhikit::AnsiCodePage;

TEST(AnsiCodePageOf, Windows1252AgreesWithTheNativeTable) {
    const AnsiCodePage platform = sindhikit::AnsiCodePageOf(1252);
    const AnsiCodePage& native = AnsiCodePage::Windows1252();
    for (char32_t c = 0; c < 0x10000; ++c)
        ASSERT_EQ(platform.ByteOf(static_cast<char16_t>(c)), native.ByteOf(static_cast<char16_t>(c)))
            << std::hex << static_cast<unsigned>(c);
    for (int b = 0; b < 256; ++b)
        ASSERT_EQ(platform.CharacterOf(static_cast<std::uint8_t>(b)), native.CharacterOf(static_cast<std::uint8_t>(b)))
            << b;
}

// What sindhikit inpage reads a byte as (CharacterOf) the conversion reads back as the same byte
// (ByteOf), in the system's code page and in the Arabic one, so the command line and
// Inpage2UniCode read every byte alike.
TEST(AnsiCodePageOf, EveryByteWithACharacterReadsBackAsItself) {
    const AnsiCodePage arabic = sindhikit::AnsiCodePageOf(1256);
    for (const AnsiCodePage* page : {&sindhikit::SystemAnsiCodePage(), &arabic}) {
        for (int b = 0; b < 256; ++b) {
            const char32_t c = page->CharacterOf(static_cast<std::uint8_t>(b));
            if (c != AnsiCodePage::kNoCharacter) {
                EXPECT_EQ(page->ByteOf(static_cast<char16_t>(c)), b) << b;
            }
        }
    }
    EXPECT_EQ(arabic.CharacterOf(0xC7), U'\u0627');  // alef
    EXPECT_EQ(arabic.CharacterOf(0x81), U'\u067E');  // peh
}

TEST(AnsiCodePageOf, LeadBytesOfAMultiByteCodePageHaveNoCharacter) {
    const AnsiCodePage shiftJis = sindhikit::AnsiCodePageOf(932);
    EXPECT_EQ(shiftJis.ByteOf(u'A'), 0x41);
    EXPECT_EQ(shiftJis.ByteOf(0xFF61), 0xA1);  // half-width katakana: single bytes
    EXPECT_EQ(shiftJis.ByteOf(0x3042), -1);    // hiragana a: two bytes
    sindhikit::InpageTable table;
    sindhikit::FillInpageTable(table);
    // The marked byte 0xA1 is noon ghunna; a marked two-byte character is dropped with its marker;
    // unmarked characters of any kind pass through.
    EXPECT_EQ(sindhikit::InpageToUnicode(std::u16string{4, 0xFF61, 4, 0x3042, 0x3042}, table, shiftJis),
              (std::u16string{0x06BA, 0x3042}));
}

TEST(AnsiCodePageOf, TheSystemCodePageIsTheOneInUse) {
    const AnsiCodePage current = sindhikit::AnsiCodePageOf(GetACP());
    for (char32_t c = 0; c < 0x10000; c += 7)
        ASSERT_EQ(sindhikit::SystemAnsiCodePage().ByteOf(static_cast<char16_t>(c)),
                  current.ByteOf(static_cast<char16_t>(c)));
}

}  // namespace
