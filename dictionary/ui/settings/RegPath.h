// The registry path string: one string names one value.
//   local:   ROOT\key\path\ValueName
//   remote:  \\COMPUTER\ROOT\key\path\ValueName
// The root is an abbreviation ("HKCU") or long name ("HKEY_CURRENT_USER") in any case. The
// key path runs from after the root's separator up to and including the last separator (so
// it is empty for ROOT\ValueName and keeps its trailing separator); the value name follows
// the last separator (empty: the key's default value).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "variant/Variant.h"

namespace sindhikit::settings {

enum class RegPathPart : std::int32_t { Root = 1, KeyPath = 2, ValueName = 3, ComputerName = 4 };

// The part of `path`: the root's predefined key as a 32-bit integer for part 1 (HKCU is
// 0x80000001), text for parts 2 to 4. Raises RegError: kInvalidRoot for a root not in the
// table (part 1 only); kInvalidArgument for a part outside 1 to 4 or a path that lacks the
// separator the part needs.
Variant GetRegPathPart(std::u16string_view path, std::int32_t part);

// The same parts, typed.
std::uint32_t RegRootOf(std::u16string_view path);
std::u16string RegKeyPathOf(std::u16string_view path);
std::u16string RegValueNameOf(std::u16string_view path);
std::u16string RegComputerNameOf(std::u16string_view path);  // "" for a local path

// One row of the root table: abbreviation, long name, predefined key.
struct RegRoot {
    std::u16string_view abbreviation;
    std::u16string_view longName;
    std::uint32_t predefinedKey;
};
extern const RegRoot kRegRoots[7];

}  // namespace sindhikit::settings
