#include <gtest/gtest.h>

#include <optional>

#include "settings/RegError.h"
#include "settings/RegPath.h"

namespace sindhikit::settings {
namespace {

// The error number a call raises, or nothing.
template <class F>
std::optional<std::int32_t> ErrorOf(F&& f) {
    try {
        f();
    } catch (const RegError& e) {
        return e.Number();
    }
    return std::nullopt;
}

using namespace std::string_literals;

constexpr std::int32_t kBad = RegError::kInvalidArgument;

TEST(GetRegPathPart, SplitsLocalAndRemotePaths) {
    const struct {
        std::u16string path;
        std::uint32_t root;
        std::u16string keyPath, valueName, computer;
    } cases[] = {
        {u"HKCU\\software\\DarvelDictionary\\EFN", 0x80000001u, u"software\\DarvelDictionary\\", u"EFN", u""},
        {u"\\\\SERVER7\\HKLM\\Software\\Vendor\\Value", 0x80000002u, u"Software\\Vendor\\", u"Value", u"SERVER7"},
        {u"HKCU\\EFN", 0x80000001u, u"", u"EFN", u""},  // the value lives directly in the root key
        {u"HKCU\\software\\DarvelDictionary\\", 0x80000001u, u"software\\DarvelDictionary\\", u"", u""},
        {u"HKLM\\", 0x80000002u, u"", u"", u""},  // the root key's default value
        {u"\\\\pc\\hkcr\\CLSID\\", 0x80000000u, u"CLSID\\", u"", u"pc"},
        {u"\\\\\\HKUS\\k\\v", 0x80000003u, u"k\\", u"v", u""},  // remote form, empty computer name
        {u"HKCC\\a\\\\b", 0x80000005u, u"a\\\\", u"b", u""},    // an empty key name stays as written
        {u"HKCU\\s p a c e s\\ v ", 0x80000001u, u"s p a c e s\\", u" v ", u""},
        {u"HKCU\\\u0633\u0646\u068C\u064A\\\u0646\u0627\u0644\u0648", 0x80000001u, u"\u0633\u0646\u068C\u064A\\",
         u"\u0646\u0627\u0644\u0648", u""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.path.begin(), c.path.end()));
        EXPECT_EQ(RegRootOf(c.path), c.root);
        EXPECT_EQ(RegKeyPathOf(c.path), c.keyPath);
        EXPECT_EQ(RegValueNameOf(c.path), c.valueName);
        EXPECT_EQ(RegComputerNameOf(c.path), c.computer);
        EXPECT_EQ(GetRegPathPart(c.path, 1), Variant(static_cast<std::int32_t>(c.root)));
        EXPECT_EQ(GetRegPathPart(c.path, 2), Variant(c.keyPath));
        EXPECT_EQ(GetRegPathPart(c.path, 3), Variant(c.valueName));
        EXPECT_EQ(GetRegPathPart(c.path, 4), Variant(c.computer));
    }
}

TEST(GetRegPathPart, RootsByAbbreviationOrLongNameInAnyCase) {
    const struct {
        std::u16string root;
        std::uint32_t key;
    } cases[] = {
        {u"HKCR", 0x80000000u}, {u"HKEY_CLASSES_ROOT", 0x80000000u},
        {u"hkcu", 0x80000001u}, {u"hkey_current_user", 0x80000001u},
        {u"HkLm", 0x80000002u}, {u"HKEY_Local_Machine", 0x80000002u},
        {u"HKUS", 0x80000003u}, {u"HKEY_USERS", 0x80000003u},
        {u"HKPD", 0x80000004u}, {u"HKEY_PERFORMANCE_DATA", 0x80000004u},
        {u"hkcc", 0x80000005u}, {u"HKEY_CURRENT_CONFIG", 0x80000005u},
        {u"HKDD", 0x80000006u}, {u"hKeY_dYn_DaTa", 0x80000006u},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RegRootOf(c.root + u"\\Software\\V"), c.key);
        EXPECT_EQ(RegRootOf(u"\\\\host\\" + c.root + u"\\Software\\V"), c.key);
    }
    EXPECT_EQ(GetRegPathPart(u"HKCU\\x", 1).Get<std::int32_t>(), static_cast<std::int32_t>(0x80000001u));
}

TEST(GetRegPathPart, UnknownRootRaisesInvalidRootNamingThePath) {
    // Near misses: spaces, other abbreviations, a letter that upper-cases to an ASCII one
    // (U+017F, long s), the computer name or nothing where the root should be, a NUL.
    const std::u16string paths[] = {
        u"HKXX\\a\\b",
        u"HKCU \\a",
        u" HKCU\\a",
        u"HKEY_CURRENT_USERS\\a",
        u"HKU\\a",
        u"\\HKCU\\a",
        u"HKEY_CLA\u017F\u017FES_ROOT\\a",
        u"\\\\pc\\\\HKCU\\a",
        u"\\\\pc\\pc\\a",
        u"HKCU\0\\a"s,
    };
    for (const std::u16string& path : paths) {
        try {
            RegRootOf(path);
            ADD_FAILURE() << "no error";
        } catch (const RegError& e) {
            EXPECT_EQ(e.Number(), static_cast<std::int32_t>(0x80040001u));
            EXPECT_EQ(e.Description(), u"Invalid root in registry key '" + path + u"'");
        }
    }
    // Only part 1 looks the root up.
    EXPECT_EQ(RegKeyPathOf(u"HKXX\\a\\b"), u"a\\");
    EXPECT_EQ(RegValueNameOf(u"HKXX\\a\\b"), u"b");
}

TEST(GetRegPathPart, MissingSeparatorOrUnknownPartRaisesInvalidArgument) {
    EXPECT_EQ(ErrorOf([] { GetRegPathPart(u"HKCU", 1); }), kBad);
    EXPECT_EQ(ErrorOf([] { GetRegPathPart(u"HKCU", 2); }), kBad);
    EXPECT_EQ(ErrorOf([] { GetRegPathPart(u"HKCU", 3); }), kBad);
    EXPECT_EQ(GetRegPathPart(u"HKCU", 4), Variant(u""));
    EXPECT_EQ(ErrorOf([] { GetRegPathPart(u"", 1); }), kBad);
    EXPECT_EQ(ErrorOf([] { GetRegPathPart(u"", 3); }), kBad);
    // A remote path without the separator after the computer name has no root either.
    for (int part : {1, 2, 4}) EXPECT_EQ(ErrorOf([&] { GetRegPathPart(u"\\\\SERVER7", part); }), kBad) << part;
    EXPECT_EQ(ErrorOf([] { GetRegPathPart(u"\\\\", 4); }), kBad);
    // A remote path that stops after its root.
    EXPECT_EQ(GetRegPathPart(u"\\\\SERVER7\\HKLM", 4), Variant(u"SERVER7"));
    EXPECT_EQ(ErrorOf([] { GetRegPathPart(u"\\\\SERVER7\\HKLM", 1); }), kBad);
    EXPECT_EQ(ErrorOf([] { GetRegPathPart(u"\\\\SERVER7\\HKLM", 2); }), kBad);
    for (int part : {0, 5, -1, 1000}) EXPECT_EQ(ErrorOf([&] { GetRegPathPart(u"HKCU\\a\\b", part); }), kBad) << part;
}

TEST(RegError, NumbersAndDescriptions) {
    const std::u16string path = u"HKCU\\software\\DarvelDictionary\\EFN";
    const struct {
        RegError error;
        std::uint32_t number;
        std::u16string description;
    } cases[] = {
        {RegError::InvalidArgument(), 5, u"Invalid procedure call or argument"},
        {RegError::InvalidRoot(path), 0x80040001u, u"Invalid root in registry key '" + path + u"'"},
        {RegError::CannotOpenKey(path), 0x80040002u, u"Unable to open registry key '" + path + u"'"},
        {RegError::CannotConnect(u"SERVER7"), 0x80040003u, u"Unable to connect to remote computer '\\\\SERVER7'"},
        {RegError::CannotOpenRemoteKey(path), 0x80040004u, u"Unable to open remote registry key '" + path + u"'"},
        {RegError::CannotCreateKey(path + u"\\"), 0x80040005u, u"Unable to create registry key '" + path + u"\\'"},
        {RegError::CannotReadValue(path), 0x80040006u, u"Unable to read registry value '" + path + u"'"},
        {RegError::UnsupportedType(path), 0x80040007u, u"Unsupported data type in registry value '" + path + u"'"},
        {RegError::CannotWriteValue(path), 0x80040008u, u"Unable to write registry value '" + path + u"'"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.error.Number(), static_cast<std::int32_t>(c.number));
        EXPECT_EQ(c.error.Description(), c.description);
    }
    EXPECT_STREQ(RegError::CannotOpenKey(u"HKCU\\\u0633").what(), "Unable to open registry key 'HKCU\\?'");
}

}  // namespace
}  // namespace sindhikit::settings
