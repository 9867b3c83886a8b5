// Sindhi dictionary order: each case lists words in the order a Sindhi dictionary gives them;
// the test sorts them from every starting order it tries and expects that order back.
#include "alphabet/SindhiCollation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "alphabet/SindhiAlphabet.h"

using namespace sindhikit;

namespace {

void ExpectSortsTo(const std::vector<std::u16string>& expected, const char* what) {
    std::vector<std::u16string> words = expected;
    std::mt19937 random(7);
    for (int round = 0; round < 20; ++round) {
        std::shuffle(words.begin(), words.end(), random);
        SortSindhi(words);
        ASSERT_EQ(words, expected) << what << ", round " << round;
        std::shuffle(words.begin(), words.end(), random);
        std::sort(words.begin(), words.end(), SindhiBefore);
        ASSERT_EQ(words, expected) << what << " (SindhiBefore), round " << round;
    }
}

}  // namespace

TEST(SindhiCollation, TheLettersSortInAlphabetOrder) {
    std::vector<std::u16string> letters;
    for (const SindhiLetter& l : SindhiAlphabet()) letters.push_back(l.letter + u"\u0627");  // each + alef
    ExpectSortsTo(letters, "the 52 letters");
}

TEST(SindhiCollation, WordsSortLikeASindhiDictionary) {
    const struct {
        const char* what;
        std::vector<std::u16string> order;
    } cases[] = {
        // jh is the letter after jje and before nye; code units would put it right after jeem.
        {"jh is a letter of its own",
         {u"\u062C\u0628\u0644", u"\u0684\u0627\u0631", u"\u062C\u06BE\u0627\u0632", u"\u0683\u0631"}},
        // gh likewise after gge and before nge.
        {"gh is a letter of its own",
         {u"\u06AF\u0644", u"\u06B3\u0627\u0644\u06BE", u"\u06AF\u06BE\u0631", u"\u06B1\u0627"}},
        // k (swash kaf) before kh (keheh), the reverse of their code units.
        {"k before kh", {u"\u06AA\u062A\u0627\u0628", u"\u06A9\u064A\u0631"}},
        // A word before its continuations; letters compare before length.
        {"shorter first", {u"\u0628", u"\u0628\u0627", u"\u0628\u0627\u0628", u"\u0628\u0628"}},
        // Farsi yeh sorts as ye, heh goal as he (before hamza): code units would reverse both pairs.
        {"other spellings", {u"\u0633\u06CC\u0628", u"\u0633\u064A\u0632", u"\u06C1\u0627", u"\u0621\u0627"}},
        // Vowel marks are passed over: ba with fatha then alef before bb.
        {"marks passed over", {u"\u0628\u064E\u0627", u"\u0628\u0628"}},
        // Spaces first, then digits (any form, by value), then the letters, then anything else.
        {"outside the alphabet",
         {u"\u0633 \u0628", u"\u0633\u0663",
          u"\u0633"
          u"5",
          u"\u0633\u0627", u"\u0633\u064A", u"\u0633x", u"\u0633\u00E9"}},
        // Ties (the same letters) in the order of their code units: the order is total.
        {"ties", {u"\u0633\u064A\u0628", u"\u0633\u064A\u064E\u0628", u"\u0633\u06CC\u0628"}},
    };
    for (const auto& c : cases) ExpectSortsTo(c.order, c.what);
}

TEST(SindhiCollation, IsAStrictOrder) {
    const std::u16string words[] = {u"", u" ", u"\u062C", u"\u062C\u06BE", u"\u06BE", u"\u0647", u"\u064E", u"a"};
    for (const auto& a : words) {
        EXPECT_FALSE(SindhiBefore(a, a));
        for (const auto& b : words) {
            if (a != b) {
                EXPECT_NE(SindhiBefore(a, b), SindhiBefore(b, a));
            }
        }
    }
    // Heh doachashmee on its own is he; after jeem it makes jh.
    EXPECT_EQ(SindhiSortKey(u"\u06BE"), SindhiSortKey(u"\u0647"));
    EXPECT_EQ(SindhiSortKey(u"\u062C\u06BE").size(), 1u);
    EXPECT_TRUE(SindhiSortKey(u"\u064E\u0640").empty());
}
