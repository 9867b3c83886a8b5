// The three phonetic/positional key maps: a typed key code in, a code point out.
// Unmapped codes come back unchanged; nothing here keeps state or can fail.
#pragma once

#include <cstdint>

namespace sindhikit {

using KeyCode = std::int32_t;    // character code of a typed key (32..126 on a US keyboard)
using CodePoint = std::int32_t;  // one UTF-16 code unit, as the maps return it

// The language code shared by the automation interface and the programs.
enum class Langs : std::int32_t { ENGLISH = 0, Sindhi = 1, Urdu = 2, Farsi = 3 };

CodePoint SindhiKeyToUnicode(KeyCode asciiCode);
CodePoint UrduKeyToUnicode(KeyCode asciiCode);
CodePoint FarsiKeyToUnicode(KeyCode asciiCode);

// The language dispatch of TavroCode: Sindhi, Urdu and Farsi go through their map,
// every other value (ENGLISH and values outside the enumeration) leaves the code as it is.
CodePoint KeyToUnicode(std::int32_t lang, KeyCode asciiCode);

}  // namespace sindhikit
