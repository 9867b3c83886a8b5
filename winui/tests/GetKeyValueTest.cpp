// GetKeyValue on real registry values: text is read whole, everything else fails cleanly.
#include <gtest/gtest.h>

#include <string>

#include "winui/SysInfo.h"

using sindhikit::winui::GetKeyValue;

namespace {

constexpr char kScratch[] = "Software\\SindhikitWinuiTest";

void Set(const char* name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, kScratch, name, type, data, size), ERROR_SUCCESS) << name;
}

void SetText(const char* name, const std::string& text) {
    Set(name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

}  // namespace

TEST(GetKeyValue, ReadsTextValuesAndFailsCleanlyOnEverythingElse) {
    RegDeleteTreeA(HKEY_CURRENT_USER, kScratch);
    SetText("Path", "C:\\Tools\\tool.exe");
    // Stored without its terminating NUL: nothing is dropped from the text itself.
    Set("Bare", REG_SZ, "abc", 3);
    const DWORD number = 7;
    Set("Number", REG_DWORD, &number, sizeof(number));
    SetText("Long", std::string(1100, 'x'));
    SetText("Fits", std::string(1023, 'y'));  // 1023 + NUL = the buffer

    const struct {
        const char* key;
        const char* value;
        bool read;
        std::string text;
    } cases[] = {
        {kScratch, "Path", true, "C:\\Tools\\tool.exe"},
        {kScratch, "Bare", true, "abc"},
        {kScratch, "Fits", true, std::string(1023, 'y')},
        {kScratch, "Long", false, ""},     // more than the 1024-byte buffer
        {kScratch, "Number", false, ""},   // not text
        {kScratch, "Missing", false, ""},  // no such value
        {"Software\\SindhikitWinuiNoSuchKey", "Path", false, ""},
    };
    for (const auto& c : cases) {
        std::string text = "left over";
        EXPECT_EQ(GetKeyValue(HKEY_CURRENT_USER, c.key, c.value, text), c.read) << c.value;
        EXPECT_EQ(text, c.text) << c.value;
    }
    RegDeleteTreeA(HKEY_CURRENT_USER, kScratch);
}
