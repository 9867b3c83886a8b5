// showSorting: the Sindhi sort-order window, modeless. A failure to load or show it is
// the method's error.
#include <new>

#include "ServerWindows.h"
#include "TavroCodeObject.h"

namespace tavrocodes {

HRESULT STDMETHODCALLTYPE TavroCodeObject::showSorting() {
    try {
        return windows::showSorting();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

}  // namespace tavrocodes
