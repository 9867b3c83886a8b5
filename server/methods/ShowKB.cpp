// ShowKB: not built yet; its own change replaces this file.
#include "TavroCodeObject.h"

namespace tavrocodes {

HRESULT STDMETHODCALLTYPE TavroCodeObject::ShowKB(Langs* Lang, VARIANT* Result) {
  (void)Lang; (void)Result;
  return E_NOTIMPL;
}

}  // namespace tavrocodes
