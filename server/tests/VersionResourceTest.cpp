// The version block of TavroCodes.dll, read back as installers read it.
#include <array>
#include <string>

#include "ServerUnderTest.h"

namespace tavrocodes::testing {
namespace {

class VersionResource : public ::testing::Test {
 protected:
    void SetUp() override {
        const std::wstring path = DllPath();
        ASSERT_FALSE(path.empty()) << "TAVROCODES_DLL is not set";
        DWORD handle = 0;
        const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
        ASSERT_GT(size, 0u) << "no version block: " << GetLastError();
        block_.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block_.data()));
    }

    // nullptr when the entry is absent.
    const wchar_t* StringValue(const std::wstring& name) {
        void* value = nullptr;
        UINT length = 0;
        const std::wstring key = L"\\StringFileInfo\\040904B0\\" + name;
        if (!VerQueryValueW(block_.data(), key.c_str(), &value, &length)) return nullptr;
        return length == 0 ? L"" : static_cast<const wchar_t*>(value);
    }

    std::string block_;
};

TEST_F(VersionResource, FixedPartIsADllOfVersion2) {
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block_.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_GE(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00020000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00020000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_DLL));
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
}

TEST_F(VersionResource, StringsOfTheUsEnglishUnicodeTable) {
    struct Entry {
        const wchar_t* name;
        const wchar_t* value;
    };
    constexpr std::array<Entry, 6> kEntries{{
        {L"FileVersion", L"2.00"},
        {L"ProductVersion", L"2.00"},
        {L"InternalName", L"TavroCodes"},
        {L"OriginalFilename", L"TavroCodes.dll"},
        {L"FileDescription",
         L"Now you can write Sindhi , English , Farsi and Urdu in MS Word 2000 or above on any OS."},
        {L"OLESelfRegister", L""},
    }};
    for (const Entry& entry : kEntries) {
        const wchar_t* value = StringValue(entry.name);
        ASSERT_NE(value, nullptr) << "missing " << ::testing::PrintToString(std::wstring(entry.name));
        EXPECT_STREQ(value, entry.value);
    }

    WORD* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(
        VerQueryValueW(block_.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    ASSERT_GE(length, 4u);
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 1200);
}

}  // namespace
}  // namespace tavrocodes::testing
