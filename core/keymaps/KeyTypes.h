// The types the key maps and their callers share.
#pragma once

#include <cstdint>

namespace sindhikit {

using KeyCode = std::int32_t;    // character code of a typed key (32..126 on a US keyboard)
using CodePoint = std::int32_t;  // one UTF-16 code unit, as the maps return it

// The language code shared by the automation interface and the programs.
enum class Langs : std::int32_t { ENGLISH = 0, Sindhi = 1, Urdu = 2, Farsi = 3 };

}  // namespace sindhikit
