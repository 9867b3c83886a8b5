// The Sindhi alphabet in dictionary order, the content of the sort-order chart.
#pragma once

#include <string>
#include <vector>

#include "keymaps/KeyMap.h"

namespace sindhikit::pictures {

struct SindhiLetter {
    int position = 0;       // 1-based place in dictionary order
    std::u16string letter;  // one code point, or two for the aspirated digraphs
};

// The 52 letters, first to last.
const std::vector<SindhiLetter>& SindhiAlphabet();

// The keys that type `letter` through the Sindhi key map, one per code point, found by
// asking the map itself, lower-case keys first; an empty string stands for a code point no key gives.
std::vector<std::string> KeysTypingLetter(const std::u16string& letter);

}  // namespace sindhikit::pictures
