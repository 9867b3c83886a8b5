// Conversions between variant types with OLE Automation's rules (VariantChangeType):
// Empty reads as 0 / "" / False, Null converts to nothing (type mismatch), Boolean True is -1,
// text goes through the numeric-text and Boolean-word rules, rounding to integers takes
// exact halves to the even neighbour, and values out of range raise an overflow.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "variant/NumberFormat.h"
#include "variant/Variant.h"

namespace sindhikit {

double ToDouble(const Variant& v, const NumberFormat& format = {});
std::int32_t ToInt32(const Variant& v, const NumberFormat& format = {});
bool ToBoolean(const Variant& v, const NumberFormat& format = {});
std::u16string ToText(const Variant& v, const NumberFormat& format = {});

// VarI4FromR8: half to even; throws VariantError::Overflow outside the 32-bit range (and for NaN).
std::int32_t RoundToInt32(double x);

// VarBoolFromStr: "True"/"False" in any case, "#TRUE#"/"#FALSE#" exactly, or a number
// (non-zero is true). Anything else throws a type mismatch.
bool TextToBoolean(std::u16string_view text, const NumberFormat& format = {});

// VarAbs: the absolute value, widening the type where the negative extreme has no positive
// counterpart; Boolean becomes a 16-bit integer and text a double.
Variant AbsoluteValue(const Variant& v, const NumberFormat& format = {});

// v < 0 as a comparison with the number 0 (text is read as a number; Null and Empty are not below 0).
bool IsBelowZero(const Variant& v, const NumberFormat& format = {});

}  // namespace sindhikit
