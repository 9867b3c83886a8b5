// TavroCode(AsciiCode, [Lang]): the language dispatch over the three key maps.
#include <exception>

#include "ShowFailure.h"
#include "TavroCodeObject.h"
#include "keymaps/KeyMap.h"

namespace tavrocodes {

// Lang may be null: a vtable caller that omits it gets ENGLISH, as a dispatch caller does.
// Neither argument is written. The result is VT_I4 also for 0 and for an unchanged code.
HRESULT STDMETHODCALLTYPE TavroCodeObject::TavroCode(LONG* AsciiCode, Langs* Lang, VARIANT* Result) {
    if (!AsciiCode || !Result) return E_POINTER;
    VariantInit(Result);
    try {
        const std::int32_t language = Lang ? static_cast<std::int32_t>(*Lang) : ENGLISH;
        const sindhikit::CodePoint code = sindhikit::KeyToUnicode(language, *AsciiCode);
        V_VT(Result) = VT_I4;
        V_I4(Result) = code;
    } catch (const std::exception& failure) {
        // No error reaches the caller: it gets what was assigned so far (an empty variant).
        ShowFailureMessage(failure);
    }
    return S_OK;
}

}  // namespace tavrocodes
