// Inpage2UniCode(sText): InPage text to Unicode with the object's table, the characters read
// through the system's ANSI code page.
#include <new>
#include <string>

#include "TavroCodeObject.h"
#include "inpage/AnsiCodePage.h"
#include "inpage/InpageToUnicode.h"

namespace tavrocodes {

// No error reaches the caller but a failed allocation of the result.
HRESULT STDMETHODCALLTYPE TavroCodeObject::Inpage2UniCode(BSTR sText, BSTR* Result) {
    if (!Result) return E_POINTER;
    *Result = nullptr;
    try {
        const std::u16string_view text(reinterpret_cast<const char16_t*>(sText ? sText : L""),
                                       sText ? SysStringLen(sText) : 0);
        const std::u16string converted =
            sindhikit::InpageToUnicode(text, inpageTable_, sindhikit::SystemAnsiCodePage());
        *Result =
            SysAllocStringLen(reinterpret_cast<const OLECHAR*>(converted.data()), static_cast<UINT>(converted.size()));
        return *Result ? S_OK : E_OUTOFMEMORY;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

}  // namespace tavrocodes
