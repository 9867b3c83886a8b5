// UTF-8 <-> UTF-16 for the store's edges: source files, file paths, error messages.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sindhikit {

// Strict decoding: overlong forms, surrogates encoded in UTF-8, values above U+10FFFF and
// truncated sequences give std::nullopt.
std::optional<std::u16string> Utf8ToUtf16(std::string_view utf8);

// Encoding; a lone surrogate is written as U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace sindhikit
