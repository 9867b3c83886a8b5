// The Sindhi alphabet in dictionary order: the sort-order chart, the order of the Sindhi
// headwords in a word store and the phonetic guide all read this one table.
#pragma once

#include <string>
#include <vector>

#include "keymaps/KeyMap.h"

namespace sindhikit {

struct SindhiLetter {
    int position = 0;       // 1-based place in dictionary order
    std::u16string letter;  // one code point, or two for the aspirated digraphs
};

// The 52 letters, first to last.
const std::vector<SindhiLetter>& SindhiAlphabet();

// The keys that type `letter` through the Sindhi key map, one per code point, found by
// asking the map itself, lower-case keys first; an empty string stands for a code point no key gives.
std::vector<std::string> KeysTypingLetter(const std::u16string& letter);

}  // namespace sindhikit
