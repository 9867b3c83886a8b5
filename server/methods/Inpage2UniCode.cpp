// Inpage2UniCode(sText): InPage text to Unicode with the object's table, the characters read
// through the system's ANSI code page.
#include <new>
#include <string>

#include "TavroCodeObject.h"
#include "inpage/InpageToUnicode.h"

namespace tavrocodes {
namespace {

// The character each byte denotes in the ANSI code page; lead bytes of a multi-byte code page
// denote none on their own.
const sindhikit::AnsiCodePage& SystemAnsiCodePage() {
  static const sindhikit::AnsiCodePage page([] {
    std::array<char32_t, 256> chars{};
    const UINT codePage = GetACP();
    for (int b = 0; b < 256; ++b) {
      const char byte = static_cast<char>(b);
      wchar_t wide[2] = {};
      chars[b] = sindhikit::AnsiCodePage::kNoCharacter;
      if (IsDBCSLeadByteEx(codePage, static_cast<BYTE>(b))) continue;
      int n = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, &byte, 1, wide, 2);
      if (n != 1) n = MultiByteToWideChar(codePage, 0, &byte, 1, wide, 2);
      if (n == 1 && wide[0] != 0xFFFD) chars[b] = wide[0];
    }
    return chars;
  }());
  return page;
}

}  // namespace

// No error reaches the caller but a failed allocation of the result.
HRESULT STDMETHODCALLTYPE TavroCodeObject::Inpage2UniCode(BSTR sText, BSTR* Result) {
  if (!Result) return E_POINTER;
  *Result = nullptr;
  try {
    const std::u16string_view text(reinterpret_cast<const char16_t*>(sText ? sText : L""),
                                   sText ? SysStringLen(sText) : 0);
    const std::u16string converted = sindhikit::InpageToUnicode(text, inpageTable_, SystemAnsiCodePage());
    *Result = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(converted.data()),
                                static_cast<UINT>(converted.size()));
    return *Result ? S_OK : E_OUTOFMEMORY;
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
}

}  // namespace tavrocodes
