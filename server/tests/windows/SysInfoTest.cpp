// System Info with the tool's registry values absent, pointing at a folder without the
// tool, and pointing at a stand-in tool.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ServerWindows.h"
#include "WindowsTestSupport.h"
#include "gui/MessageBoxWatcher.h"

using namespace tavrocodes::windows;
using namespace tavrocodes::windows::test;
using namespace sindhikit::guitest;

namespace {

constexpr char kToolKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char kLocationKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";

void SetText(HKEY root, const char* key, const char* name, const std::string& text) {
    ASSERT_EQ(RegSetKeyValueA(root, key, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1)),
              ERROR_SUCCESS);
}

void ClearToolValues() {
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kToolKey, "PATH");
    RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kLocationKey, "MSINFO");
}

std::string TempFolder(const char* name) {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    std::string folder = std::string(base) + name;
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

// The stand-in tool writes "<its own path>.ran" when it starts.
bool WaitForRun(const std::string& tool) {
    const std::string marker = tool + ".ran";
    return PumpUntil([&] { return GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES; });
}

class SysInfo : public ::testing::Test {
 protected:
    void SetUp() override {
        CloseAll();
        ClearToolValues();
    }
    void TearDown() override {
        ClearToolValues();
        CloseAll();
    }

    // Opens About, presses System Info and answers the boxes it showed.
    std::vector<RecordedMessageBox> PressSystemInfo() {
        MessageBoxWatcher watcher;
        EXPECT_EQ(showAbout(), S_OK);
        PumpPending();
        HWND about = AboutWindow();
        EXPECT_TRUE(about);
        if (!about) return {};
        Click(GetDlgItem(about, cmdSysInfo));  // a message box is answered before the click returns
        EXPECT_TRUE(IsWindow(about)) << "System Info leaves the window open";
        return watcher.Boxes();
    }
};

void ExpectUnavailable(const std::vector<RecordedMessageBox>& boxes) {
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"System Information Is Unavailable At This Time");
    EXPECT_EQ(boxes[0].title, L"TavroCodes");
    EXPECT_EQ(boxes[0].buttons, std::vector<std::wstring>{L"OK"});
    EXPECT_EQ(boxes[0].icon, BoxIcon::None);
}

}  // namespace

TEST_F(SysInfo, WithNeitherRegistryValueItSaysSystemInformationIsUnavailable) {
    ExpectUnavailable(PressSystemInfo());
}

TEST_F(SysInfo, AFolderWithoutTheToolIsUnavailableToo) {
    SetText(HKEY_LOCAL_MACHINE, kLocationKey, "MSINFO", TempFolder("tavro-empty"));
    ExpectUnavailable(PressSystemInfo());
}

TEST_F(SysInfo, APathThatCannotBeStartedIsUnavailable) {
    SetText(HKEY_LOCAL_MACHINE, kToolKey, "PATH", "C:\\no\\such\\msinfo32.exe");
    ExpectUnavailable(PressSystemInfo());
}

TEST_F(SysInfo, StartsTheToolThatThePathValueNames) {
    const std::string tool = SYSINFO_STUB;
    DeleteFileA((tool + ".ran").c_str());
    SetText(HKEY_LOCAL_MACHINE, kToolKey, "PATH", tool);
    EXPECT_TRUE(PressSystemInfo().empty());
    EXPECT_TRUE(WaitForRun(tool));
}

TEST_F(SysInfo, StartsMsinfo32FromTheSharedToolsFolder) {
    const std::string folder = TempFolder("tavro-tools");
    const std::string tool = folder + "\\MSINFO32.EXE";
    ASSERT_TRUE(CopyFileA(SYSINFO_STUB, tool.c_str(), FALSE));
    DeleteFileA((tool + ".ran").c_str());
    SetText(HKEY_LOCAL_MACHINE, kLocationKey, "MSINFO", folder);
    EXPECT_TRUE(PressSystemInfo().empty());
    EXPECT_TRUE(WaitForRun(tool));
}
