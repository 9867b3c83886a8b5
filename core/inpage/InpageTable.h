// The InPage table: 256 signed 16-bit code points indexed by InPage byte, 0 where the byte
// has no entry. Each TavroCode object fills its own when it is created.
#pragma once

#include <array>
#include <cstdint>

namespace sindhikit {

using InpageTable = std::array<std::int16_t, 256>;

// Sets all 256 entries: the 42 letters and signs, every other byte 0.
void FillInpageTable(InpageTable& table);

}  // namespace sindhikit
