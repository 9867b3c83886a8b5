#include "format/IIF.h"

#include "variant/Coercion.h"

namespace sindhikit {

bool IIFCondition(const Variant& S_Condition, const NumberFormat& format) {
    return !S_Condition.IsNull() && ToBoolean(S_Condition, format);
}

Variant IIF(const Variant& S_Condition, const Variant& S_True, const Variant& S_False, const NumberFormat& format) {
    return IIFCondition(S_Condition, format) ? S_True : S_False;
}

}  // namespace sindhikit
