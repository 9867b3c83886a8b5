#include <windows.h>

#include <array>

#include "inpage/AnsiCodePage.h"
#include "inpage/win/AnsiCodePageOf.h"

namespace sindhikit {

AnsiCodePage AnsiCodePageOf(unsigned codePage) {
    std::array<char32_t, 256> chars{};
    for (int b = 0; b < 256; ++b) {
        const char byte = static_cast<char>(b);
        wchar_t wide[2] = {};
        chars[b] = AnsiCodePage::kNoCharacter;
        if (IsDBCSLeadByteEx(codePage, static_cast<BYTE>(b))) continue;
        int n = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, &byte, 1, wide, 2);
        if (n != 1) n = MultiByteToWideChar(codePage, 0, &byte, 1, wide, 2);
        if (n == 1 && wide[0] != 0xFFFD) chars[b] = wide[0];
    }
    return AnsiCodePage(chars);
}

// Built once, on first use: the code page does not change while a process runs.
const AnsiCodePage& SystemAnsiCodePage() {
    static const AnsiCodePage page = AnsiCodePageOf(GetACP());
    return page;
}

}  // namespace sindhikit
