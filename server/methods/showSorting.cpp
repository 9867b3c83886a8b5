// showSorting: not built yet; its own change replaces this file.
#include "TavroCodeObject.h"

namespace tavrocodes {

HRESULT STDMETHODCALLTYPE TavroCodeObject::showSorting() {
  return E_NOTIMPL;
}

}  // namespace tavrocodes
