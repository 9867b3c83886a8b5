#include "alphabet/SindhiCollation.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <utility>

#include "alphabet/SindhiAlphabet.h"

namespace sindhikit {

namespace {

// Weight bands, low to high; a letter's weight is its band plus its place within it.
constexpr std::uint32_t kSpace = 0x100;
constexpr std::uint32_t kDigit = 0x200;    // + value 0..9
constexpr std::uint32_t kLetter = 0x1000;  // + place in the alphabet, 1..52
constexpr std::uint32_t kOther = 0x10000;  // + UTF-16 code unit

// Other spellings of alphabet letters: the unit, and the letter it sorts as.
constexpr std::pair<char16_t, char16_t> kSpellings[] = {
    {0x0622, 0x0627}, {0x0623, 0x0627}, {0x0625, 0x0627}, {0x0671, 0x0627},  // alef with madda, hamza, wasla
    {0x06CC, 0x064A}, {0x0649, 0x064A}, {0x06D2, 0x064A}, {0x0626, 0x064A},  // Farsi yeh, maksura, barree, hamza
    {0x06C1, 0x0647}, {0x06D5, 0x0647}, {0x06BE, 0x0647},                    // heh goal, ae, heh doachashmee
    {0x0624, 0x0648},                                                        // waw with hamza
};

bool PassedOver(char16_t u) {
    return (u >= 0x064B && u <= 0x065F) || u == 0x0670 || (u >= 0x06D6 && u <= 0x06DC) ||
           (u >= 0x06DF && u <= 0x06E4) || u == 0x06E7 || u == 0x06E8 || (u >= 0x06EA && u <= 0x06ED) || u == 0x0640 ||
           u == 0x200C || u == 0x200D || (u >= 0x0300 && u <= 0x036F);
}

bool IsSpace(char16_t u) {
    return u == u' ' || u == u'\t' || u == 0x00A0 || (u >= 0x2000 && u <= 0x200B) || u == 0x202F || u == 0x3000;
}

int DigitValue(char16_t u) {
    for (char16_t zero : {u'0', u'\u0660', u'\u06F0'})
        if (u >= zero && u <= zero + 9) return u - zero;
    return -1;
}

// The alphabet, arranged for reading words: the place of each one-unit letter (spellings
// included), and the two-unit letters by their first unit.
struct Letters {
    std::unordered_map<char16_t, std::uint32_t> single;
    std::unordered_map<char16_t, std::vector<std::pair<char16_t, std::uint32_t>>> pairs;
};

const Letters& AlphabetLetters() {
    static const Letters letters = [] {
        Letters l;
        for (const SindhiLetter& letter : SindhiAlphabet()) {
            const auto place = static_cast<std::uint32_t>(letter.position);
            if (letter.letter.size() == 1)
                l.single.emplace(letter.letter[0], place);
            else
                l.pairs[letter.letter[0]].emplace_back(letter.letter[1], place);
        }
        for (const auto& [spelling, letter] : kSpellings) l.single.emplace(spelling, l.single.at(letter));
        return l;
    }();
    return letters;
}

}  // namespace

std::vector<std::uint32_t> SindhiSortKey(std::u16string_view word) {
    const Letters& letters = AlphabetLetters();
    std::vector<std::uint32_t> key;
    key.reserve(word.size());
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char16_t u = word[i];
        if (PassedOver(u)) continue;
        if (auto two = letters.pairs.find(u); two != letters.pairs.end() && i + 1 < word.size()) {
            const auto second = std::find_if(two->second.begin(), two->second.end(),
                                             [&](const auto& candidate) { return candidate.first == word[i + 1]; });
            if (second != two->second.end()) {
                key.push_back(kLetter + second->second);
                ++i;
                continue;
            }
        }
        if (auto one = letters.single.find(u); one != letters.single.end())
            key.push_back(kLetter + one->second);
        else if (IsSpace(u))
            key.push_back(kSpace);
        else if (const int digit = DigitValue(u); digit >= 0)
            key.push_back(kDigit + static_cast<std::uint32_t>(digit));
        else
            key.push_back(kOther + u);
    }
    return key;
}

bool SindhiBefore(std::u16string_view a, std::u16string_view b) {
    const auto keyA = SindhiSortKey(a), keyB = SindhiSortKey(b);
    if (keyA != keyB) return keyA < keyB;
    return a < b;
}

void SortSindhi(std::vector<std::u16string>& words) {
    std::vector<std::pair<std::vector<std::uint32_t>, std::u16string>> keyed;
    keyed.reserve(words.size());
    for (auto& word : words) {
        auto key = SindhiSortKey(word);
        keyed.emplace_back(std::move(key), std::move(word));
    }
    std::sort(keyed.begin(), keyed.end());
    for (std::size_t i = 0; i < words.size(); ++i) words[i] = std::move(keyed[i].second);
}

}  // namespace sindhikit
