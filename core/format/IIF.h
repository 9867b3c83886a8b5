// IIF(S_Condition, S_True, S_False): a copy of S_True when the condition holds, else of S_False,
// each with its own type. Null and Empty are false, a number is true when not zero, text reads
// as a Boolean word or a number; other text throws a type mismatch (VariantError).
#pragma once

#include "variant/NumberFormat.h"
#include "variant/Variant.h"

namespace sindhikit {

// The condition alone, for callers that copy the chosen value themselves.
bool IIFCondition(const Variant& S_Condition, const NumberFormat& format = {});

Variant IIF(const Variant& S_Condition, const Variant& S_True, const Variant& S_False, const NumberFormat& format = {});

}  // namespace sindhikit
