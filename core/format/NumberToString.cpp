#include "format/NumberToString.h"

#include <cmath>

#include "variant/Coercion.h"

namespace sindhikit {
namespace {

bool IsFloatKeyword(const Variant& v) {
    return v.IsString() && v.Text() == u"Float";
}

// A counted step runs for the counter values 1, 2, ... while the counter does not exceed the
// count: a count below 1 runs none, a fractional count runs its whole part.
std::size_t CountedSteps(const Variant& count, const NumberFormat& format) {
    double c = ToDouble(count, format);
    if (!(c >= 1)) return 0;
    if (c > static_cast<double>(kMaxNumberTextLength)) throw VariantError::OutOfMemory();
    return static_cast<std::size_t>(std::floor(c));
}

// Moves up to `steps` characters from the end of digits to the front of out, "0" once digits run dry.
void TakeFromRight(std::u16string& digits, std::size_t steps, std::u16string& out) {
    std::size_t taken = std::min(steps, digits.size());
    std::u16string part(steps - taken, u'0');
    part.append(digits, digits.size() - taken, taken);
    digits.resize(digits.size() - taken);
    out.insert(0, part);
}

}  // namespace

std::u16string NumberToString(const Variant& FNumber, const Variant& FDigits, const Variant& FDecimals) {
    return NumberToString(FNumber, FDigits, FDecimals, NumberFormat{});
}

std::u16string NumberToString(const Variant& FNumber, const Variant& FDigits, const Variant& FDecimals,
                              const NumberFormat& format) {
    // Value: Null and anything whose text form is empty (Empty, "") stand for 0.
    Variant value = (FNumber.IsNull() || FNumber.IsEmpty() || (FNumber.IsString() && FNumber.Text().empty()))
                        ? Variant(0.0)
                        : FNumber;

    // Sign, decided before any rounding so that -0.4 still writes "-".
    std::u16string sign;
    if (IsBelowZero(value, format)) {
        value = AbsoluteValue(value, format);
        sign = u"-";
    }

    // Digit text.
    const bool floatDecimals = IsFloatKeyword(FDecimals);
    const bool decimalPart = !floatDecimals && !FDecimals.IsNull() && ToDouble(FDecimals, format) != 0;
    std::u16string digits;
    std::size_t decimalSteps = 0;
    if (floatDecimals) {
        digits = ToText(value, format);
    } else if (decimalPart) {
        decimalSteps = CountedSteps(FDecimals, format);
        if (decimalSteps > 0) {
            double x = ToDouble(value, format);
            for (std::size_t i = 0; i < decimalSteps && x != 0 && !std::isinf(x); ++i) x *= 10;
            value = Variant(x);
        }
        digits = ToText(Variant(ToInt32(value, format)), format);
    } else {
        digits = ToText(Variant(ToInt32(value, format)), format);
    }

    std::u16string result;
    if (decimalPart) {
        TakeFromRight(digits, decimalSteps, result);
        result.insert(0, u".");
    }

    // Integer part; whatever is left of the digits after the counted steps is dropped.
    if (IsFloatKeyword(FDigits)) {
        result.insert(0, digits);
    } else {
        std::size_t steps = CountedSteps(FDigits, format);
        if (steps + result.size() > kMaxNumberTextLength) throw VariantError::OutOfMemory();
        TakeFromRight(digits, steps, result);
    }
    return sign + result;
}

}  // namespace sindhikit
