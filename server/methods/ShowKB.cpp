// ShowKB(Lang): the keyboard window with the language's two layout pictures. Every
// failing step is reported in a message box by the window code; nothing reaches the caller.
#include <exception>

#include "ServerWindows.h"
#include "ShowFailure.h"
#include "TavroCodeObject.h"

namespace tavrocodes {

HRESULT STDMETHODCALLTYPE TavroCodeObject::ShowKB(Langs* Lang, VARIANT* Result) {
    if (!Lang || !Result) return E_POINTER;
    VariantInit(Result);  // always empty
    try {
        windows::ShowKB(static_cast<std::int32_t>(*Lang));
    } catch (const std::exception& failure) {
        ShowFailureMessage(failure);
    }
    return S_OK;
}

}  // namespace tavrocodes
