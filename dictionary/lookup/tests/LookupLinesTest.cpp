#include "LookupLines.h"

#include <gtest/gtest.h>

namespace sindhikit {
namespace {

TEST(NumberedSindhiMeanings, NumbersEachMeaningWithElevenSpacesAndTrimsIt) {
    EXPECT_EQ(NumberedSindhiMeanings({u"m1", u"m2", u"m3"}), u"1           m1\r\n2           m2\r\n3           m3\r\n");
    // Only spaces are trimmed; a tab stays.
    EXPECT_EQ(SindhiMeaningLine(1, u"  \u0633\u0627 \t "), u"1           \u0633\u0627 \t");
    EXPECT_EQ(NumberedSindhiMeanings({}), u"");
    EXPECT_EQ(NumberedSindhiMeanings({u"a", u"b"}, u"\n"), u"1           a\n2           b\n");
}

TEST(NumberedSindhiMeanings, TenthLineStartsWithTenAndTheSameElevenSpaces) {
    std::vector<std::u16string> meanings(10, u"m");
    std::u16string text = NumberedSindhiMeanings(meanings);
    std::size_t tenth = text.rfind(u"\r\n", text.size() - 3) + 2;
    EXPECT_EQ(text.substr(tenth), u"10           m\r\n");
}

TEST(NumberedDefinitions, EnglishToSindhiStartsWithOneSpaceAndKeepsPartsAsStored) {
    EXPECT_EQ(NumberedDefinitions({{u"y1", u"z1"}}, DefinitionsStart::SingleSpace), u" 1       y1  :   z1\r\n");
    EXPECT_EQ(NumberedDefinitions({{u" y1 ", u" z1 "}, {u"y2", u"z2"}}, DefinitionsStart::SingleSpace),
              u" 1        y1   :    z1 \r\n2       y2  :   z2\r\n");
    // No rows leave the single space.
    EXPECT_EQ(NumberedDefinitions({}, DefinitionsStart::SingleSpace), u" ");
}

TEST(NumberedDefinitions, SindhiToEnglishStartsEmpty) {
    EXPECT_EQ(NumberedDefinitions({{u"y1", u"z1"}, {u"y2", u"z2"}}, DefinitionsStart::Empty),
              u"1       y1  :   z1\r\n2       y2  :   z2\r\n");
    EXPECT_EQ(NumberedDefinitions({}, DefinitionsStart::Empty), u"");
}

TEST(NextRowNumber, CountsOnAndStopsAtTheSixteenBitLimit) {
    EXPECT_EQ(NextRowNumber(1), 2);
    EXPECT_EQ(NextRowNumber(32766), 32767);
    EXPECT_EQ(NextRowNumber(32767), 32767);
    EXPECT_EQ(EnglishDefinitionLine(32767, u"y", u"z"), u"32767       y  :   z");
}

}  // namespace
}  // namespace sindhikit
