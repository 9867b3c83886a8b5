// The locale characters the numeric conversions use. Native builds use these defaults
// (English, United States); the Windows builds fill them from the user's locale.
#pragma once

#include <string>

namespace sindhikit {

struct NumberFormat {
    char16_t decimalSeparator = u'.';
    char16_t thousandsSeparator = u',';
    char16_t currencyDecimalSeparator = u'.';
    char16_t currencyThousandsSeparator = u',';
    char16_t negativeSign = u'-';
    char16_t positiveSign = u'+';
    std::u16string currencySymbol = u"$";  // matched as a whole, at most two characters
};

}  // namespace sindhikit
