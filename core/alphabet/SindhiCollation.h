// Sindhi dictionary order, read from the one alphabet table (SindhiAlphabet.h): the order of
// the Sindhi headwords in a word store and of anything else listed "as a Sindhi dictionary does".
//
// A word is read letter by letter, the longest letter of the alphabet first, so jeem or gaf
// followed by heh doachashmee is the letter jh or gh, not two letters. Words compare letter by
// letter by their place in the alphabet, a word before its longer continuations. What is not
// one of the 52 letters:
//   - the common other spellings of a letter sort as that letter: alef with madda or hamza as
//     alef, Farsi yeh, alef maksura, yeh barree and yeh with hamza as ye, heh goal, ae and heh
//     doachashmee on its own as he, waw with hamza as wao;
//   - vowel marks and other combining marks, tatweel and the zero-width joiners are passed over;
//   - spaces sort before every letter (a word before the phrases it starts), then digits by
//     their value (ASCII and both Arabic-Indic forms alike);
//   - anything else (Latin letters, punctuation, symbols) after every Sindhi letter, by code.
// Words that tie (they differ only in marks, spellings or digit forms) are put in the order of
// their UTF-16 code units, so the order is total and the same on every run.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sindhikit {

// The letter-by-letter weights SindhiBefore compares first.
std::vector<std::uint32_t> SindhiSortKey(std::u16string_view word);

// True when a comes before b in Sindhi dictionary order (a strict total order).
bool SindhiBefore(std::u16string_view a, std::u16string_view b);

// Sorts words into Sindhi dictionary order.
void SortSindhi(std::vector<std::u16string>& words);

}  // namespace sindhikit
