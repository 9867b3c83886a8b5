// Numeric text of any shape either reads as a number or is refused with a status; the
// throwing form raises only the automation error type.
#include <cmath>
#include <cstdlib>

#include "FuzzInput.h"
#include "variant/NumericText.h"
#include "variant/Variant.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace sindhikit;
    const std::u16string text = FuzzText(data, size);
    const NumberFormat format{};
    const NumericTextResult r = ParseNumericText(text, format);
    if (r.status == NumericTextResult::Status::Ok && !std::isfinite(r.value)) std::abort();
    try {
        (void)NumericTextToDouble(text, format);
    } catch (const VariantError&) {
    }
    return 0;
}
