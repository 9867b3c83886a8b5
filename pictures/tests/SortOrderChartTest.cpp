#include <gtest/gtest.h>

#include <set>

#include "layout/SortOrderChart.h"

using namespace sindhikit;
using namespace sindhikit::pictures;

TEST(SindhiAlphabet, FiftyTwoDistinctLettersInDictionaryOrder) {
    const auto& letters = SindhiAlphabet();
    ASSERT_EQ(letters.size(), 52u);
    std::set<std::u16string> distinct;
    for (size_t i = 0; i < letters.size(); ++i) {
        EXPECT_EQ(letters[i].position, static_cast<int>(i) + 1);
        distinct.insert(letters[i].letter);
    }
    EXPECT_EQ(distinct.size(), 52u);
    // Anchors of the order: alef first, yeh last, the digraphs and the kafs in place.
    EXPECT_EQ(letters[0].letter, u"\u0627");
    EXPECT_EQ(letters[51].letter, u"\u064A");
    EXPECT_EQ(letters[12].letter, u"\u062C\u06BE");  // jh after jje
    EXPECT_EQ(letters[11].letter, u"\u0684");
    EXPECT_EQ(letters[38].letter, u"\u06AA");  // k before kh
    EXPECT_EQ(letters[39].letter, u"\u06A9");
    EXPECT_EQ(letters[42].letter, u"\u06AF\u06BE");
}

TEST(SindhiAlphabet, EveryLetterCanBeTypedThroughTheSindhiMap) {
    for (const auto& l : SindhiAlphabet()) {
        const auto keys = KeysTypingLetter(l.letter);
        ASSERT_EQ(keys.size(), l.letter.size());
        for (size_t i = 0; i < keys.size(); ++i) {
            ASSERT_FALSE(keys[i].empty()) << "no key types letter " << l.position;
            for (char k : keys[i]) EXPECT_EQ(SindhiKeyToUnicode(k), l.letter[i]) << l.position;
        }
    }
    EXPECT_EQ(KeysTypingLetter(u"\u0621")[0], "#$%");  // hamza sits on three keys
    EXPECT_EQ(KeysTypingLetter(u"\u06C0")[0], "");     // not a Sindhi key: nothing types it
}

TEST(SortOrderChart, CellsReadRightToLeftInsideTheVisiblePartOfThePicture) {
    const SortOrderChart chart = BuildSortOrderChart();
    EXPECT_EQ(chart.size.width, 427);
    EXPECT_EQ(chart.size.height, 583);
    ASSERT_EQ(chart.cells.size(), 52u);
    const PixelRect& c = chart.contentRect;
    // The sort-order window shows 421 x 584 pixels of the picture at 96 dpi.
    EXPECT_LE(c.right, 421 - 6);
    EXPECT_LE(c.bottom, 583 - 6);
    for (size_t i = 0; i < chart.cells.size(); ++i) {
        const SortOrderCell& cell = chart.cells[i];
        EXPECT_GE(cell.rect.left, c.left);
        EXPECT_LE(cell.rect.right, c.right);
        EXPECT_GE(cell.rect.top, chart.titleRect.bottom);
        EXPECT_LE(cell.rect.bottom, c.bottom);
        EXPECT_GE(cell.rect.Height(), 40);
        if (i % chart.columns != 0) {
            EXPECT_LT(cell.rect.left, chart.cells[i - 1].rect.left) << "cell " << i + 1;
            EXPECT_EQ(cell.rect.top, chart.cells[i - 1].rect.top);
        } else if (i > 0) {
            EXPECT_GT(cell.rect.top, chart.cells[i - 1].rect.top);
        }
    }
    EXPECT_EQ(chart.cells[12].keys, "j+h");
    EXPECT_EQ(chart.cells[0].keys, "a");
}
