#include <gtest/gtest.h>

#include "Genral.h"

namespace sindhikit {
namespace {

TEST(CapitalizeFirst, UpperCasesFirstThenTrimsSpacesOnly) {
    const struct {
        std::u16string in, out;
    } cases[] = {
        {u"apple", u"Apple"},
        {u"Apple", u"Apple"},
        {u"aPPLE", u"APPLE"},
        {u"apple pie", u"Apple pie"},
        {u"apple   ", u"Apple"},
        {u" apple", u"apple"},  // the space is capitalised, then trimmed: the letter stays small
        {u"  apple  ", u"apple"},
        {u"\tapple", u"\tapple"},  // only U+0020 is trimmed
        {u"apple\t", u"Apple\t"},
        {u"\u00A0apple", u"\u00A0apple"},
        {u"", u""},
        {u"   ", u""},
        {u"1st", u"1st"},
        {u"\u00E9clair", u"\u00C9clair"},
        {u"\u00FFx", u"\u0178x"},
        {u"\u0101b", u"\u0100b"},
        {u"\u03B1\u03B2", u"\u0391\u03B2"},
        {u"\u0434\u043E\u043C", u"\u0414\u043E\u043C"},
        {u"\u0633\u0627", u"\u0633\u0627"},  // Arabic script has no case
    };
    for (const auto& c : cases) EXPECT_EQ(CapitalizeFirst(c.in), c.out);
}

TEST(CapitalizeFirst, VariableKeepsTheUntrimmedForm) {
    EXPECT_EQ(CapitalizedUntrimmed(u" apple "), u" apple ");
    EXPECT_EQ(CapitalizedUntrimmed(u"apple "), u"Apple ");
}

TEST(CapitalizeFirst, UpperCaseUnitLeavesNonLettersAlone) {
    for (char16_t u : {u'A', u'Z', u'0', u'@', u'[', u'{', char16_t(0xF7), char16_t(0xD7), char16_t(0x0627)})
        EXPECT_EQ(UpperCaseUnit(u), u);
    for (char16_t u = u'a'; u <= u'z'; ++u) EXPECT_EQ(UpperCaseUnit(u), u - 0x20);
}

}  // namespace
}  // namespace sindhikit
