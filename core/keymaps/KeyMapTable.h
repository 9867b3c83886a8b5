// Builds a key map as a 128-entry array plus the three special codes that
// automation callers may pass (420, 900, 1100), so a lookup is one bounds check
// and one load.
#pragma once

#include <array>
#include <initializer_list>

#include "KeyTypes.h"

namespace sindhikit::detail {

struct KeyRow {
    KeyCode key;
    CodePoint yields;
};

class KeyMapTable {
 public:
    constexpr KeyMapTable(std::initializer_list<KeyRow> rows) : table_{} {
        for (int k = 0; k < 128; ++k) table_[k] = k;
        // Digits give the Extended Arabic-Indic digits of the same value in every map.
        for (int k = '0'; k <= '9'; ++k) table_[k] = k + 1728;
        for (const KeyRow& row : rows) table_[row.key] = row.yields;
    }

    constexpr CodePoint operator()(KeyCode code) const {
        if (code >= 0 && code < 128) return table_[code];
        switch (code) {
            case 420:
                return 215;  // MULTIPLICATION SIGN
            case 900:
                return 247;  // DIVISION SIGN
            case 1100:
                return 1643;  // ARABIC DECIMAL SEPARATOR
            default:
                return code;
        }
    }

 private:
    std::array<CodePoint, 128> table_;
};

}  // namespace sindhikit::detail
