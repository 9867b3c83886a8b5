// Turns fuzzer bytes into the UTF-16 text our parsers take: two bytes a code unit,
// so every unit value, lone surrogates included, can reach them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

inline std::u16string FuzzText(const std::uint8_t* data, std::size_t size) {
    std::u16string text;
    text.reserve(size / 2);
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    }
    return text;
}
