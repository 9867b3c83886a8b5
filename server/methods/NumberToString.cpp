// NumberToString: not built yet; its own change replaces this file.
#include "TavroCodeObject.h"

namespace tavrocodes {

HRESULT STDMETHODCALLTYPE TavroCodeObject::NumberToString(VARIANT* FNumber, VARIANT* FDigits, VARIANT* FDecimals, VARIANT* Result) {
  (void)FNumber; (void)FDigits; (void)FDecimals; (void)Result;
  return E_NOTIMPL;
}

}  // namespace tavrocodes
