// NumberToString(FNumber, FDigits, FDecimals): a number written with a fixed count of integer
// characters (zero-padded on the left, surplus leading characters cut) and of decimal digits.
// FDigits / FDecimals may be the exact, case-sensitive keyword "Float". Throws VariantError
// (type mismatch for non-numeric text, overflow when the rounded value leaves 32 bits).
#pragma once

#include <string>

#include "variant/NumberFormat.h"
#include "variant/Variant.h"

namespace sindhikit {

std::u16string NumberToString(const Variant& FNumber, const Variant& FDigits, const Variant& FDecimals);

// The same, with the locale's characters: they govern reading numeric text and the decimal
// separator of a number's own text form (FDecimals "Float"); the decimal part that
// NumberToString writes itself is always separated by ".".
std::u16string NumberToString(const Variant& FNumber, const Variant& FDigits, const Variant& FDecimals,
                              const NumberFormat& format);

// Results longer than this raise an out-of-memory error instead of exhausting the process.
inline constexpr std::size_t kMaxNumberTextLength = std::size_t{1} << 24;

}  // namespace sindhikit
