// The system's ANSI code page as the InPage conversion needs it: which byte a character
// stands for. Built from the 256 characters the bytes denote; a byte without a character
// (a lead byte of a multi-byte code page) is given as kNoCharacter. Native builds use
// Windows-1252 with its five unassigned bytes mapped to U+0081, U+008D, U+008F, U+0090 and
// U+009D, so every byte value has exactly one character and back.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace sindhikit {

class AnsiCodePage {
 public:
    static constexpr char32_t kNoCharacter = 0xFFFFFFFF;

    explicit AnsiCodePage(const std::array<char32_t, 256>& characterOfByte);

    static const AnsiCodePage& Windows1252();

    // The byte value the character stands for, or -1 when the code page has no single byte for it.
    int ByteOf(char16_t c) const { return byteOf_[c]; }

 private:
    std::vector<std::int16_t> byteOf_;  // indexed by UTF-16 unit
};

}  // namespace sindhikit
