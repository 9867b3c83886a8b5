#include <gtest/gtest.h>

#include <random>

#include "EncDec.h"

namespace sindhikit {
namespace {

const std::u16string kKey(CipherKeyPhrase);

TEST(EncDec, KeyPhraseIsThe37AsciiCharacters) {
    EXPECT_EQ(CipherKeyPhrase, u"sealedLexiconKeyPhrase +41 57 3819764");
    EXPECT_EQ(CipherKeyPhrase.size(), 37u);
}

TEST(EncDec, WorkedExamplesWithoutKey) {
    EXPECT_EQ(EncryptText(u"abc", u""), u"097098099");
    EXPECT_EQ(DecryptText(u"097098099", u""), u"abc");
}

TEST(EncDec, EmptyTextBothWays) {
    EXPECT_EQ(EncryptText(u"", kKey), u"");
    EXPECT_EQ(DecryptText(u"", kKey), u"");
}

TEST(EncDec, FirstCharacterIsMaskedWithTheKey) {
    // 'A' (65) XOR 's' (115) = 50.
    EXPECT_EQ(EncryptText(u"A", kKey), u"050");
    EXPECT_EQ(DecryptText(u"050", kKey), u"A");
}

TEST(EncDec, MaskCoversExactlyTheKeyLength) {
    const std::u16string text37(37, u'a');
    const std::u16string cipher37 = EncryptText(text37, kKey);
    ASSERT_EQ(cipher37.size(), 111u);
    for (std::size_t i = 0; i < 37; ++i) {
        const int masked = u'a' ^ kKey[i];
        char expected[8];
        std::snprintf(expected, sizeof expected, "%03d", masked);
        EXPECT_EQ(cipher37.substr(i * 3, 3), std::u16string(expected, expected + 3)) << "position " << i + 1;
    }
    const std::u16string cipher38 = EncryptText(text37 + u"a", kKey);
    EXPECT_EQ(cipher38.substr(0, 111), cipher37);
    EXPECT_EQ(cipher38.substr(111), u"097");  // position 38 is written plain
}

TEST(EncDec, ShortLastGroupConvertsByItsOwnValue) {
    // Without a key a last group "7" is the character 7; within the key it is masked too.
    EXPECT_EQ(DecryptText(u"0970987", u""), std::u16string(u"ab") + char16_t(7));
    EXPECT_EQ(DecryptText(u"7", kKey), std::u16string(1, char16_t(7 ^ u's')));
    EXPECT_EQ(DecryptText(u"12", u""), std::u16string(1, char16_t(12)));
}

TEST(EncDec, TextThatIsNotDigitsPassesUnchanged) {
    for (const std::u16string value : {u"apple", u"abc123", u"123abc", u"\u0633\u0627", u" 097", u"097 ", u"-097",
                                       u"+097", u"1.5", u"1e5", u"0x10", u"\u0661\u0662"}) {
        EXPECT_FALSE(IsCipherText(value));
        EXPECT_EQ(DecryptText(value, kKey), value);
    }
}

TEST(EncDec, DigitTextOfAnyLengthIsDeciphered) {
    // 600 digits would overflow any number type; it is 200 groups of "097".
    std::u16string digits;
    for (int i = 0; i < 200; ++i) digits += u"097";
    EXPECT_TRUE(IsCipherText(digits));
    EXPECT_EQ(DecryptText(digits, u""), std::u16string(200, u'a'));
    // A plain number stored as text is deciphered group by group like any cipher text.
    EXPECT_EQ(DecryptText(u"065066", u""), u"AB");
}

TEST(EncDec, FormatLimitsStayAsWritten) {
    // A code of 1000 or more keeps its last three digits; a negative code gets a sign.
    EXPECT_EQ(EncryptText(u"\u03E8", u""), u"000");   // 1000
    EXPECT_EQ(EncryptText(u"\u0627", u""), u"575");   // 1575: Arabic alef
    EXPECT_EQ(EncryptText(u"\x8000", u""), u"-768");  // -32768
    EXPECT_EQ(EncryptText(u"\uFFFF", u""), u"-001");  // -1
    EXPECT_FALSE(SurvivesCipher(u"\u0627", kKey));
    EXPECT_FALSE(SurvivesCipher(u"\uFFFF", kKey));
    // The XOR works on signed codes: U+FF00 (-256) XOR 's' stays negative.
    EXPECT_EQ(EncryptText(u"\xFF00", kKey), u"-141");  // -256 ^ 115 = -141
}

TEST(EncDec, RoundTripForMaskedCodesInRange) {
    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> code(0, 999);
    for (std::size_t length : {1u, 36u, 37u, 38u, 200u}) {
        for (int sample = 0; sample < 50; ++sample) {
            std::u16string text;
            for (std::size_t i = 0; i < length; ++i) {
                const int masked = code(random);
                text.push_back(static_cast<char16_t>(i < kKey.size() ? masked ^ kKey[i] : masked));
            }
            const std::u16string cipher = EncryptText(text, kKey);
            ASSERT_EQ(cipher.size(), length * 3);
            ASSERT_TRUE(IsCipherText(cipher));
            ASSERT_EQ(DecryptText(cipher, kKey), text) << "length " << length;
            ASSERT_TRUE(SurvivesCipher(text, kKey));
        }
    }
}

TEST(EncDec, EnglishTextRoundTrips) {
    for (const std::u16string text :
         {u"Apple", u"a tree of the rose family; (botany) Malus pumila", u"Caf\u00E9 na\u00EFve \u00C5ngstr\u00F6m"})
        EXPECT_EQ(DecryptText(EncryptText(text, kKey), kKey), text);
}

}  // namespace
}  // namespace sindhikit
