// The registry value types RegEdit reads and writes, by their registry type codes.
#pragma once

#include <cstdint>

namespace sindhikit::settings {

inline constexpr std::int32_t kRegSz = 1;        // text
inline constexpr std::int32_t kRegExpandSz = 2;  // text with variables, kept unexpanded
inline constexpr std::int32_t kRegBinary = 3;    // read as a 32-bit integer, written as a 16-bit one
inline constexpr std::int32_t kRegDword = 4;     // 32-bit integer

}  // namespace sindhikit::settings
