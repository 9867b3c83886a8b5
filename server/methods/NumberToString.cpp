// NumberToString(FNumber, FDigits, FDecimals): the core's formatter over automation variants.
#include <new>

#include "TavroCodeObject.h"
#include "format/NumberToString.h"
#include "methods/AutomationVariant.h"

namespace tavrocodes {

// The arguments are read, never written, whatever form (VT_BYREF included) they arrive in.
// A failed conversion is the method's error: the macro can trap it.
HRESULT STDMETHODCALLTYPE TavroCodeObject::NumberToString(VARIANT* FNumber, VARIANT* FDigits, VARIANT* FDecimals,
                                                          VARIANT* Result) {
    if (!FNumber || !FDigits || !FDecimals || !Result) return E_POINTER;
    VariantInit(Result);
    try {
        const std::u16string text = sindhikit::NumberToString(FromAutomation(*FNumber), FromAutomation(*FDigits),
                                                              FromAutomation(*FDecimals), UserNumberFormat());
        return ToAutomationText(text, Result);
    } catch (const sindhikit::VariantError& error) {
        return RaiseAutomationError(error);
    } catch (const std::bad_alloc&) {
        return RaiseAutomationError(sindhikit::VariantError::OutOfMemory());
    }
}

}  // namespace tavrocodes
