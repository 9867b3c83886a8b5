// The three phonetic/positional key maps: a typed key code in, a code point out.
// Unmapped codes come back unchanged; nothing here keeps state or can fail.
#pragma once

#include <cstdint>

#include "KeyMapTables.h"
#include "KeyTypes.h"

namespace sindhikit {

inline CodePoint SindhiKeyToUnicode(KeyCode asciiCode) {
    return detail::kSindhi(asciiCode);
}
inline CodePoint UrduKeyToUnicode(KeyCode asciiCode) {
    return detail::kUrdu(asciiCode);
}
inline CodePoint FarsiKeyToUnicode(KeyCode asciiCode) {
    return detail::kFarsi(asciiCode);
}

// The language dispatch of TavroCode: Sindhi, Urdu and Farsi go through their map,
// every other value (ENGLISH and values outside the enumeration) leaves the code as it is.
inline CodePoint KeyToUnicode(std::int32_t lang, KeyCode asciiCode) {
    switch (static_cast<Langs>(lang)) {
        case Langs::Sindhi:
            return SindhiKeyToUnicode(asciiCode);
        case Langs::Urdu:
            return UrduKeyToUnicode(asciiCode);
        case Langs::Farsi:
            return FarsiKeyToUnicode(asciiCode);
        default:
            return asciiCode;
    }
}

}  // namespace sindhikit
