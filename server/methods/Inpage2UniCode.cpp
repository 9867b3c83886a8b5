// Inpage2UniCode: not built yet; its own change replaces this file.
#include "TavroCodeObject.h"

namespace tavrocodes {

HRESULT STDMETHODCALLTYPE TavroCodeObject::Inpage2UniCode(BSTR sText, BSTR* Result) {
  (void)sText; (void)Result;
  return E_NOTIMPL;
}

}  // namespace tavrocodes
