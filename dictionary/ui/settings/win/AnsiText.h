// Text through the system's ANSI code page, for the registry's 8-bit interface.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sindhikit::settings {

// The bytes of `text` in the ANSI code page, or nothing when a character has no form there
// (a best-fit substitute or '?' would name another key or store other text).
std::optional<std::string> ToAnsi(std::u16string_view text);

// The same for a key path or value name, which the 8-bit interface ends at a NUL: a name
// holding a NUL has no form either.
std::optional<std::string> ToAnsiName(std::u16string_view name);

std::u16string FromAnsi(std::string_view bytes);

}  // namespace sindhikit::settings
