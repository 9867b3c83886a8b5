#include "format/IIF.h"

#include "variant/Coercion.h"

namespace sindhikit {

Variant IIF(const Variant& S_Condition, const Variant& S_True, const Variant& S_False,
            const NumberFormat& format) {
    const bool condition = !S_Condition.IsNull() && ToBoolean(S_Condition, format);
    return condition ? S_True : S_False;
}

}  // namespace sindhikit
