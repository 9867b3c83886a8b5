// The system's ANSI code page as the InPage conversion needs it: the character each byte
// denotes, and back, which byte a character stands for. Built from the 256 characters the
// bytes denote; a byte without a character of its own (a lead byte of a multi-byte code page)
// is given as kNoCharacter.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace sindhikit {

class AnsiCodePage {
 public:
    static constexpr char32_t kNoCharacter = 0xFFFFFFFF;

    explicit AnsiCodePage(const std::array<char32_t, 256>& characterOfByte);

    // Windows-1252 with its five unassigned bytes mapped to U+0081, U+008D, U+008F, U+0090 and
    // U+009D, so every byte value has exactly one character and back.
    static const AnsiCodePage& Windows1252();

    // The character the byte denotes, or kNoCharacter.
    char32_t CharacterOf(std::uint8_t byte) const { return characterOf_[byte]; }

    // The byte value the character stands for, or -1 when the code page has no single byte for it.
    int ByteOf(char16_t c) const { return byteOf_[c]; }

 private:
    std::array<char32_t, 256> characterOf_;
    std::vector<std::int16_t> byteOf_;  // indexed by UTF-16 unit
};

// The code page "the system's ANSI code page" means, read once: on Windows the one the system
// uses (GetACP, read through MultiByteToWideChar); elsewhere Windows1252(). The command line's
// inpage and the server's Inpage2UniCode both read bytes through it.
const AnsiCodePage& SystemAnsiCodePage();

}  // namespace sindhikit
