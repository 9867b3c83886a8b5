// IIF(S_Condition, S_True, S_False): a copy of the chosen argument, with its own type.
#include <new>

#include "TavroCodeObject.h"
#include "format/IIF.h"
#include "methods/AutomationVariant.h"

namespace tavrocodes {

// The chosen argument is copied as it is (VariantCopyInd: a by-reference argument gives the
// value it refers to), so dates, objects and arrays come back unchanged too. Nothing is written
// to the arguments. A condition that is no Boolean raises the type-mismatch error.
HRESULT STDMETHODCALLTYPE TavroCodeObject::IIF(VARIANT* S_Condition, VARIANT* S_True, VARIANT* S_False,
                                               VARIANT* Result) {
    if (!S_Condition || !S_True || !S_False || !Result) return E_POINTER;
    VariantInit(Result);
    try {
        const bool condition = sindhikit::IIFCondition(FromAutomation(*S_Condition), UserNumberFormat());
        return VariantCopyInd(Result, condition ? S_True : S_False);
    } catch (const sindhikit::VariantError& error) {
        return RaiseAutomationError(error);
    } catch (const std::bad_alloc&) {
        return RaiseAutomationError(sindhikit::VariantError::OutOfMemory());
    }
}

}  // namespace tavrocodes
