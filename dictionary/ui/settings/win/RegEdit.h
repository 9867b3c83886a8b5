// RegEdit: single values of the registry, each named by one path string (see RegPath.h).
// Every call opens the key it needs, does its one operation and closes the key; all of it
// goes through advapi32's ANSI functions, names and text converted through the system's
// ANSI code page. Value types: 1 REG_SZ, 2 REG_EXPAND_SZ (text), 3 REG_BINARY (read as a
// 32-bit integer from at most four bytes, written as a 16-bit integer), 4 REG_DWORD.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

#include "variant/Variant.h"

namespace sindhikit::settings {

// Reading opens a key with the query-value right, writing with KEY_WRITE.
inline constexpr REGSAM kRegReadAccess = KEY_QUERY_VALUE;
inline constexpr REGSAM kRegWriteAccess = KEY_WRITE;
static_assert(kRegReadAccess == 1 && kRegWriteAccess == 0x20006);

// The predefined key of a root (0x80000001: HKEY_CURRENT_USER), sign-extended as the
// platform defines it on 64-bit Windows.
HKEY PredefinedKey(std::uint32_t root);

// The key of the path (on the named computer for a remote path; an empty computer name is
// the local one), or nullptr when it cannot be opened. Raises nothing.
HKEY OpenRegKey(std::u16string_view path, REGSAM access);

// Creates or opens the path's key, non-volatile, always on the local machine (a computer
// name is skipped). Raises RegError: kCannotCreateKey, or those of the path grammar.
HKEY CreateRegKey(std::u16string_view path, REGSAM access);

void CloseRegKey(HKEY key);

// The value: text (types 1 and 2, variables not expanded), a 32-bit integer (types 3 and
// 4), or Empty when it is missing, of another type or cannot be read. Raises nothing.
Variant GetRegValue(std::u16string_view path);

// Writes the value with type code 1 to 4. When that cannot be done (the key cannot be
// created, the type is refused, the value has no form in the type or the code page, the
// write fails), writes nothing and makes the whole path a key instead (CreateRegKeyPath);
// only that call's errors reach the caller.
void SetRegValue(std::u16string_view path, const Variant& value, std::int32_t type);

// Creates the path, its last element included, as a key (a separator is appended unless
// the path ends with one). Raises what CreateRegKey raises.
void CreateRegKeyPath(std::u16string_view path);

}  // namespace sindhikit::settings
