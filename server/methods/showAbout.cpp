// showAbout: not built yet; its own change replaces this file.
#include "TavroCodeObject.h"

namespace tavrocodes {

HRESULT STDMETHODCALLTYPE TavroCodeObject::showAbout() {
  return E_NOTIMPL;
}

}  // namespace tavrocodes
