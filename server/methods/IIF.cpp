// IIF: not built yet; its own change replaces this file.
#include "TavroCodeObject.h"

namespace tavrocodes {

HRESULT STDMETHODCALLTYPE TavroCodeObject::IIF(VARIANT* S_Condition, VARIANT* S_True, VARIANT* S_False, VARIANT* Result) {
  (void)S_Condition; (void)S_True; (void)S_False; (void)Result;
  return E_NOTIMPL;
}

}  // namespace tavrocodes
