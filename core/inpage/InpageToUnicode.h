// InPage 8-bit text to Unicode. The input holds one character per InPage byte, each the
// character that byte denotes in the ANSI code page. The marker byte 4 followed by a byte
// with a table entry gives that entry's code point; the marked alef followed by a marked
// 0xB3 gives U+0622; a marked byte without an entry is dropped with its marker; every
// unmarked character is passed through as it is. Texts of any length are converted.
#pragma once

#include <string>
#include <string_view>

#include "inpage/AnsiCodePage.h"
#include "inpage/InpageTable.h"

namespace sindhikit {

std::u16string InpageToUnicode(std::u16string_view text, const InpageTable& table,
                               const AnsiCodePage& codePage = AnsiCodePage::Windows1252());

}  // namespace sindhikit
