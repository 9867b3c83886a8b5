// The ANSI code page as the Windows builds read it: Windows-1252 from the platform agrees
// byte for byte with the table native builds use, and a multi-byte code page's lead bytes
// stand for no character, so after a marker they yield nothing.
#include <gtest/gtest.h>

#include "inpage/InpageToUnicode.h"
#include "methods/AnsiCodePageOf.h"

namespace {

using sindhikit::AnsiCodePage;

TEST(AnsiCodePageOf, Windows1252AgreesWithTheNativeTable) {
    const AnsiCodePage platform = tavrocodes::AnsiCodePageOf(1252);
    const AnsiCodePage& native = AnsiCodePage::Windows1252();
    for (char32_t c = 0; c < 0x10000; ++c)
        ASSERT_EQ(platform.ByteOf(static_cast<char16_t>(c)), native.ByteOf(static_cast<char16_t>(c)))
            << std::hex << static_cast<unsigned>(c);
}

TEST(AnsiCodePageOf, LeadBytesOfAMultiByteCodePageHaveNoCharacter) {
    const AnsiCodePage shiftJis = tavrocodes::AnsiCodePageOf(932);
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
    const AnsiCodePage current = tavrocodes::AnsiCodePageOf(GetACP());
    for (char32_t c = 0; c < 0x10000; c += 7)
        ASSERT_EQ(tavrocodes::SystemAnsiCodePage().ByteOf(static_cast<char16_t>(c)),
                  current.ByteOf(static_cast<char16_t>(c)));
}

}  // namespace
