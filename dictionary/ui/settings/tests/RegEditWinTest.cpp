// RegEdit against the real registry of the Wine prefix. Each test works under a key of its
// own below HKCU\Software\SindhiKitTests and deletes it afterwards; the prefix is shared
// with other tests running at the same time.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "settings/RegError.h"
#include "settings/RegValueType.h"
#include "settings/SettingsRegistry.h"
#include "settings/win/RegEdit.h"

namespace sindhikit::settings {
namespace {

using namespace std::string_literals;

std::u16string U16(const std::wstring& s) {
    return {s.begin(), s.end()};
}

// A character of the ANSI code page beyond ASCII, and one the code page lacks (none when
// the code page is UTF-8).
std::optional<wchar_t> CharacterInCodePage() {
    for (int b = 0x80; b < 0x100; ++b) {
        const char byte = static_cast<char>(b);
        wchar_t wide = 0;
        if (IsDBCSLeadByte(static_cast<BYTE>(b)) ||
            MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &byte, 1, &wide, 1) != 1)
            continue;
        char back = 0;
        BOOL usedDefault = FALSE;
        if (wide >= 0x80 &&
            WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &wide, 1, &back, 1, nullptr, &usedDefault) == 1 &&
            !usedDefault && back == byte)
            return wide;
    }
    return std::nullopt;
}
std::optional<wchar_t> CharacterOutsideCodePage() {
    if (GetACP() == CP_UTF8) return std::nullopt;
    for (wchar_t c : {L'\x0633', L'\x068C', L'\x4E2D', L'\x10D0'}) {
        char bytes[4];
        BOOL usedDefault = FALSE;
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &c, 1, bytes, 4, nullptr, &usedDefault);
        if (usedDefault) return c;
    }
    return std::nullopt;
}

class RegEditTest : public testing::Test {
 protected:
    void SetUp() override {
        const auto* info = testing::UnitTest::GetInstance()->current_test_info();
        key_ = L"Software\\SindhiKitTests\\RegEdit-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
               std::wstring(info->name(), info->name() + strlen(info->name()));
        RegDeleteTreeW(HKEY_CURRENT_USER, key_.c_str());
        ASSERT_EQ(
            RegCreateKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hkey_, nullptr),
            ERROR_SUCCESS);
    }
    void TearDown() override {
        RegCloseKey(hkey_);
        RegDeleteTreeW(HKEY_CURRENT_USER, key_.c_str());
    }

    // The path of a value (or, ending in a separator, of a key's default value) in this test's key.
    std::u16string Path(const std::wstring& rest) const { return U16(L"HKCU\\" + key_ + L"\\" + rest); }

    void Put(const wchar_t* name, DWORD type, const void* data, DWORD size) {
        ASSERT_EQ(RegSetValueExW(hkey_, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    }
    void PutText(const wchar_t* name, const std::wstring& text, DWORD type = REG_SZ) {
        Put(name, type, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }

    struct Stored {
        DWORD type = REG_NONE;
        std::vector<BYTE> data;
    };
    // A value as the registry holds it, through the 8-bit interface (as RegEdit sees it)
    // or the Unicode one.
    std::optional<Stored> Read(const std::wstring& subkey, const std::wstring& name, bool ansi) const {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, (key_ + subkey).c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
            return std::nullopt;
        Stored s;
        DWORD size = 0;
        const std::string nameA(name.begin(), name.end());
        LONG r = ansi ? RegQueryValueExA(key, nameA.c_str(), nullptr, &s.type, nullptr, &size)
                      : RegQueryValueExW(key, name.c_str(), nullptr, &s.type, nullptr, &size);
        if (r == ERROR_SUCCESS) {
            s.data.resize(size + 2);
            r = ansi ? RegQueryValueExA(key, nameA.c_str(), nullptr, nullptr, s.data.data(), &size)
                     : RegQueryValueExW(key, name.c_str(), nullptr, nullptr, s.data.data(), &size);
            s.data.resize(size);
        }
        RegCloseKey(key);
        if (r != ERROR_SUCCESS) return std::nullopt;
        return s;
    }
    std::optional<Stored> ReadA(const std::wstring& name, const std::wstring& subkey = L"") const {
        return Read(subkey, name, true);
    }
    std::optional<std::wstring> ReadText(const std::wstring& name, const std::wstring& subkey = L"") const {
        const auto s = Read(subkey, name, false);
        if (!s || (s->type != REG_SZ && s->type != REG_EXPAND_SZ)) return std::nullopt;
        std::wstring text(reinterpret_cast<const wchar_t*>(s->data.data()), s->data.size() / sizeof(wchar_t));
        if (!text.empty() && text.back() == L'\0') text.pop_back();
        return text;
    }
    bool KeyExists(const std::wstring& subkey) const {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, (key_ + subkey).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        RegCloseKey(key);
        return true;
    }
    DWORD ValueCount(const std::wstring& subkey) const {
        HKEY key = nullptr;
        DWORD values = 0;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, (key_ + subkey).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
        RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                         nullptr);
        RegCloseKey(key);
        return values;
    }

    std::wstring key_;
    HKEY hkey_ = nullptr;
};

TEST_F(RegEditTest, RootsAreThePredefinedKeys) {
    EXPECT_EQ(PredefinedKey(0x80000000u), HKEY_CLASSES_ROOT);
    EXPECT_EQ(PredefinedKey(0x80000001u), HKEY_CURRENT_USER);
    EXPECT_EQ(PredefinedKey(0x80000002u), HKEY_LOCAL_MACHINE);
    EXPECT_EQ(PredefinedKey(0x80000003u), HKEY_USERS);
    EXPECT_EQ(PredefinedKey(0x80000004u), HKEY_PERFORMANCE_DATA);
    EXPECT_EQ(PredefinedKey(0x80000005u), HKEY_CURRENT_CONFIG);
    EXPECT_EQ(PredefinedKey(0x80000006u), HKEY_DYN_DATA);
}

TEST_F(RegEditTest, MissingValueOrKeyReadsEmpty) {
    EXPECT_TRUE(GetRegValue(Path(L"EFN")).IsEmpty());
    EXPECT_TRUE(GetRegValue(Path(L"NoSuchKey\\EFN")).IsEmpty());
    EXPECT_TRUE(GetRegValue(Path(L"")).IsEmpty());  // no default value set
    EXPECT_TRUE(GetRegValue(u"HKXX\\Software\\EFN").IsEmpty());
    EXPECT_TRUE(GetRegValue(u"HKCU").IsEmpty());
    EXPECT_TRUE(GetRegValue(u"").IsEmpty());
}

TEST_F(RegEditTest, ReadsTextAsTextAndNumbersAsIntegers) {
    PutText(L"EFNS", L"14");
    PutText(L"Empty", L"");
    Put(L"Nothing", REG_SZ, nullptr, 0);
    PutText(L"Expand", L"%SystemRoot%\\x", REG_EXPAND_SZ);
    const DWORD dword = 0xFFFFFFFB;
    Put(L"Dword", REG_DWORD, &dword, 4);
    const BYTE two[] = {0x34, 0x12};
    Put(L"Binary2", REG_BINARY, two, 2);
    const BYTE five[] = {1, 2, 3, 4, 5};
    Put(L"Binary5", REG_BINARY, five, 5);
    const wchar_t multi[] = L"a\0b\0";
    Put(L"Multi", REG_MULTI_SZ, multi, sizeof multi);
    const DWORD big = 0x01020304;
    Put(L"BigEndian", REG_DWORD_BIG_ENDIAN, &big, 4);

    EXPECT_EQ(GetRegValue(Path(L"EFNS")), Variant(u"14"));  // the digits stay text
    EXPECT_EQ(GetRegValue(Path(L"Empty")), Variant(u""));
    EXPECT_EQ(GetRegValue(Path(L"Nothing")), Variant(u""));  // data size 0
    EXPECT_EQ(GetRegValue(Path(L"Expand")), Variant(u"%SystemRoot%\\x"));
    EXPECT_EQ(GetRegValue(Path(L"Dword")), Variant(std::int32_t{-5}));
    EXPECT_EQ(GetRegValue(Path(L"Binary2")), Variant(std::int32_t{0x1234}));
    EXPECT_TRUE(GetRegValue(Path(L"Binary5")).IsEmpty());
    EXPECT_TRUE(GetRegValue(Path(L"Multi")).IsEmpty());
    EXPECT_TRUE(GetRegValue(Path(L"BigEndian")).IsEmpty());
}

TEST_F(RegEditTest, WritesEachTypeAsTheTableSays) {
    SetRegValue(Path(L"Text"), Variant(u"Tahoma"), kRegSz);
    SetRegValue(Path(L"Blank"), Variant(u""), kRegSz);
    SetRegValue(Path(L"Expand"), Variant(u"%TEMP%"), kRegExpandSz);
    SetRegValue(Path(L"Number"), Variant(std::int32_t{14}), kRegSz);
    SetRegValue(Path(L"Short"), Variant(std::int32_t{-2}), kRegBinary);
    SetRegValue(Path(L"Long"), Variant(u"70000"), kRegDword);

    const auto text = ReadA(L"Text");
    ASSERT_TRUE(text);
    EXPECT_EQ(text->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(text->data, (std::vector<BYTE>{'T', 'a', 'h', 'o', 'm', 'a', 0}));
    const auto blank = ReadA(L"Blank");
    ASSERT_TRUE(blank);
    EXPECT_EQ(blank->type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(blank->data, (std::vector<BYTE>{0}));  // one NUL byte
    EXPECT_EQ(ReadA(L"Expand")->type, static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_EQ(ReadText(L"Expand"), L"%TEMP%");
    EXPECT_EQ(ReadText(L"Number"), L"14");
    EXPECT_EQ(ReadA(L"Short")->type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(ReadA(L"Short")->data, (std::vector<BYTE>{0xFE, 0xFF}));
    EXPECT_EQ(ReadA(L"Long")->type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(ReadA(L"Long")->data, (std::vector<BYTE>{0x70, 0x11, 0x01, 0x00}));

    // And back through GetRegValue: two bytes of binary read as an unsigned 16-bit number.
    EXPECT_EQ(GetRegValue(Path(L"Text")), Variant(u"Tahoma"));
    EXPECT_EQ(GetRegValue(Path(L"Blank")), Variant(u""));
    EXPECT_EQ(GetRegValue(Path(L"Short")), Variant(std::int32_t{0xFFFE}));
    EXPECT_EQ(GetRegValue(Path(L"Long")), Variant(std::int32_t{70000}));
    EXPECT_EQ(ValueCount(L""), 6u);
}

// A refused type or a value with no form in the type writes nothing and leaves a key named
// after the value instead.
TEST_F(RegEditTest, FailedWriteLeavesOnlyTheFallbackKey) {
    const struct {
        const wchar_t* name;
        Variant value;
        std::int32_t type;
    } cases[] = {
        {L"TypeZero", Variant(u"x"), 0},
        {L"TypeFive", Variant(u"x"), 5},
        {L"NotANumber", Variant(u"large"), kRegDword},
        {L"TooBigForBinary", Variant(std::int32_t{40000}), kRegBinary},
    };
    for (const auto& c : cases) {
        SetRegValue(Path(c.name), c.value, c.type);
        EXPECT_FALSE(ReadA(c.name)) << c.name;
        EXPECT_TRUE(KeyExists(std::wstring(L"\\") + c.name)) << c.name;
        EXPECT_EQ(ValueCount(std::wstring(L"\\") + c.name), 0u) << c.name;
    }
    EXPECT_EQ(ValueCount(L""), 0u);
}

TEST_F(RegEditTest, RemotePathReadsNothingAndWritesLocally) {
    PutText(L"EFN", L"Arial");
    const std::u16string remote = u"\\\\NOSUCHHOST-SINDHIKIT\\" + Path(L"EFN");
    EXPECT_EQ(GetRegValue(Path(L"EFN")), Variant(u"Arial"));
    EXPECT_TRUE(GetRegValue(remote).IsEmpty());
    EXPECT_EQ(OpenRegKey(remote, kRegReadAccess), nullptr);

    SetRegValue(u"\\\\NOSUCHHOST-SINDHIKIT\\" + Path(L"SFN"), Variant(u"Tahoma"), kRegSz);
    EXPECT_EQ(ReadText(L"SFN"), L"Tahoma");
    // A remote form with no computer name is the local machine.
    EXPECT_EQ(GetRegValue(u"\\\\\\" + Path(L"SFN")), Variant(u"Tahoma"));
}

TEST_F(RegEditTest, PathForms) {
    // Root in lower case or as long name, a key's default value.
    SetRegValue(U16(L"hkcu\\" + key_ + L"\\Lower"), Variant(u"1"), kRegSz);
    EXPECT_EQ(ReadText(L"Lower"), L"1");
    EXPECT_EQ(GetRegValue(U16(L"HKEY_CURRENT_USER\\" + key_ + L"\\Lower")), Variant(u"1"));
    SetRegValue(Path(L"Sub\\"), Variant(u"default"), kRegSz);
    EXPECT_EQ(ReadText(L"", L"\\Sub"), L"default");
    EXPECT_EQ(GetRegValue(Path(L"Sub\\")), Variant(u"default"));
    // Several levels of missing keys are created on the way.
    SetRegValue(Path(L"a\\b\\c\\V"), Variant(u"deep"), kRegSz);
    EXPECT_EQ(ReadText(L"V", L"\\a\\b\\c"), L"deep");
}

TEST_F(RegEditTest, ValueDirectlyUnderTheRoot) {
    const std::wstring name = key_.substr(key_.rfind(L'\\') + 1);
    const std::u16string path = U16(L"HKCU\\" + name);
    SetRegValue(path, Variant(u"root value"), kRegSz);
    EXPECT_EQ(GetRegValue(path), Variant(u"root value"));
    wchar_t data[32] = {};
    DWORD size = sizeof data;
    EXPECT_EQ(RegQueryValueExW(HKEY_CURRENT_USER, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(data, L"root value");
    RegDeleteValueW(HKEY_CURRENT_USER, name.c_str());
}

// Text goes through the real ANSI code page both ways; what the code page cannot hold is
// not written as '?' but refused, so no other key or text comes of it.
TEST_F(RegEditTest, TextGoesThroughTheAnsiCodePage) {
    const std::optional<wchar_t> inside = CharacterInCodePage();
    ASSERT_TRUE(inside) << "code page " << GetACP();
    const std::wstring text = std::wstring(L"Caf") + *inside;
    SetRegValue(Path(text), Variant(U16(text)), kRegSz);
    EXPECT_EQ(ReadText(text), text);
    EXPECT_EQ(GetRegValue(Path(text)), Variant(U16(text)));

    const std::optional<wchar_t> outside = CharacterOutsideCodePage();
    if (!outside) GTEST_SKIP() << "the ANSI code page " << GetACP() << " holds every character";
    const std::wstring foreign = std::wstring(L"x") + *outside;
    SetRegValue(Path(L"Data"), Variant(U16(foreign)), kRegSz);
    EXPECT_FALSE(ReadA(L"Data"));
    EXPECT_TRUE(KeyExists(L"\\Data"));  // the fallback
    // Read through a '?' in its place, the name would reach this value.
    PutText(L"x?", L"question mark");
    EXPECT_TRUE(GetRegValue(Path(foreign)).IsEmpty());
    EXPECT_EQ(GetRegValue(Path(L"x?")), Variant(u"question mark"));
    // A key that cannot be named in the code page cannot be created, and the fallback's
    // error reaches the caller.
    try {
        SetRegValue(Path(foreign + L"\\V"), Variant(u"v"), kRegSz);
        ADD_FAILURE() << "no error";
    } catch (const RegError& e) {
        EXPECT_EQ(e.Number(), static_cast<std::int32_t>(0x80040005u));
        EXPECT_EQ(e.Description(), u"Unable to create registry key '" + Path(foreign + L"\\V") + u"\\'");
    }
    EXPECT_FALSE(KeyExists(L"\\x?"));
}

TEST_F(RegEditTest, FallbackErrorsReachTheCaller) {
    const struct {
        std::u16string path;
        std::uint32_t number;
        std::u16string description;
    } cases[] = {
        {u"HKXX\\Software\\V", 0x80040001u, u"Invalid root in registry key 'HKXX\\Software\\V\\'"},
        {u"", 0x80040001u, u"Invalid root in registry key '\\'"},
        {Path(L"nul\0x\\V"s), 0x80040005u, u"Unable to create registry key '" + Path(L"nul\0x\\V"s) + u"\\'"},
    };
    for (const auto& c : cases) {
        try {
            SetRegValue(c.path, Variant(u"v"), kRegSz);
            ADD_FAILURE() << "no error";
        } catch (const RegError& e) {
            EXPECT_EQ(e.Number(), static_cast<std::int32_t>(c.number));
            EXPECT_EQ(e.Description(), c.description);
        }
    }
    EXPECT_FALSE(KeyExists(L"\\nul"));
}

// The font rules take the two routines as they are.
TEST_F(RegEditTest, FontRulesBindTheRoutines) {
    const SettingsRegistry registry{&GetRegValue, &SetRegValue};
    registry.setValue(Path(L"EFNS"), Variant(u"14"), kRegSz);
    EXPECT_EQ(registry.getValue(Path(L"EFNS")), Variant(u"14"));
    EXPECT_TRUE(registry.getValue(Path(L"SFNS")).IsEmpty());
}

TEST_F(RegEditTest, CreateRegKeyPathMakesTheLastElementAKey) {
    CreateRegKeyPath(Path(L"EFN"));
    CreateRegKeyPath(Path(L"Other\\"));
    EXPECT_TRUE(KeyExists(L"\\EFN"));
    EXPECT_TRUE(KeyExists(L"\\Other"));
    HKEY key = CreateRegKey(Path(L"EFN\\"), kRegWriteAccess);
    EXPECT_NE(key, nullptr);
    CloseRegKey(key);
    try {
        CreateRegKey(u"\\\\host\\HKQQ\\x", kRegWriteAccess);
        ADD_FAILURE() << "no error";
    } catch (const RegError& e) {
        EXPECT_EQ(e.Number(), static_cast<std::int32_t>(0x80040001u));
    }
}

}  // namespace
}  // namespace sindhikit::settings
