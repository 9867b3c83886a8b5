// Numeric text as OLE Automation reads it (VarR8FromStr): leading and trailing white space,
// a leading or trailing sign, parentheses for a negative number, a leading currency symbol,
// thousands separators, one decimal separator, an exponent, and &H / &O integers.
#pragma once

#include <string_view>

#include "variant/NumberFormat.h"

namespace sindhikit {

struct NumericTextResult {
    enum class Status { Ok, NotNumeric, Overflow } status;
    double value;
};

NumericTextResult ParseNumericText(std::u16string_view text, const NumberFormat& format);

// Throws VariantError (type mismatch or overflow) where ParseNumericText fails.
double NumericTextToDouble(std::u16string_view text, const NumberFormat& format);

}  // namespace sindhikit
