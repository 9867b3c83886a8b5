// The phonetic guide: every letter of the Sindhi alphabet with its name and its sound, and
// the Sindhi digits with their names. The guide's pictures, its native test and
// `sindhikit alphabet` all read these two tables.
#pragma once

#include <string>
#include <vector>

namespace sindhikit {

struct PhoneticLetter {
    std::u16string letter;           // as in SindhiAlphabet(): one code point, or two for jh and gh
    std::u16string name;             // the letter's name in Sindhi script
    std::u16string nameLatin;        // that name in the transliteration below
    std::u16string transliteration;  // the letter itself in that transliteration
    std::u16string ipa;              // its sound in the International Phonetic Alphabet, without slashes
};

struct SindhiDigit {
    int value = 0;             // 0 to 10
    std::u16string digits;     // Extended Arabic-Indic digits, as the Sindhi key map types them
    std::u16string name;       // in Sindhi script
    std::u16string nameLatin;  // in the transliteration of the letters
};

// The 52 letters in dictionary order.
const std::vector<PhoneticLetter>& PhoneticGuideLetters();

// The digits 0 to 10.
const std::vector<SindhiDigit>& SindhiDigits();

}  // namespace sindhikit
