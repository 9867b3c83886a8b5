#include <gtest/gtest.h>

#include <set>

#include "alphabet/SindhiAlphabet.h"
#include "keymaps/KeyMap.h"

using namespace sindhikit;

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
