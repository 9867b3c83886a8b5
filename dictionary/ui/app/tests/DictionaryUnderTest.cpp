#include "DictionaryUnderTest.h"

#include <gtest/gtest.h>

#include <fstream>

#include "ControlIds.h"
#include "builder/StoreBuilder.h"
#include "gui/Screenshot.h"
#include "gui/WindowProbe.h"

namespace dictionarytest {

using namespace sindhikit::guitest;
namespace fs = std::filesystem;
namespace ids = dictionary::ids;

namespace {

fs::path WorkFolder() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    fs::path folder = fs::path(temp) / L"dictionary_program_tests";
    fs::create_directories(folder);
    return folder;
}

}  // namespace

std::string Utf8(const std::wstring& text) {
    const int n =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

fs::path InstalledStore() {
    wchar_t folder[MAX_PATH] = {};
    GetWindowsDirectoryW(folder, MAX_PATH);
    return fs::path(folder) / L"directodb.dll";
}

void Exec(sqlite3* db, const char* sql) {
    char* error = nullptr;
    ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
}

void InstallStore(const std::wstring& source, const std::function<void(sqlite3*)>& tweak) {
    const fs::path tsv = WorkFolder() / L"store.tsv";
    const fs::path built = WorkFolder() / L"store.dll";
    {
        std::ofstream out(tsv, std::ios::binary);
        out << Utf8(source);
    }
    sindhikit::storebuild::BuildStore({tsv}, built);
    if (tweak) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(built.string().c_str(), &db), SQLITE_OK);
        tweak(db);
        sqlite3_close(db);
    }
    ASSERT_TRUE(CopyFileW(built.c_str(), InstalledStore().c_str(), FALSE)) << GetLastError();
}

Dictionary::Dictionary(std::vector<int> answers)
    : program_(DICTIONARY_EXE), boxes_(std::move(answers), program_.ProcessId()) {}

bool Dictionary::WaitForStartUp(int sindhiCount) {
    const bool up = WaitUntil([&] {
        frame = program_.TopWindow(L"frmMain");
        if (!frame || !program_.TopWindows(L"frmSplash").empty()) return false;
        client = FindWindowExW(frame, nullptr, L"MDIClient", nullptr);
        english = FindWindowExW(client, nullptr, L"frmEnglish2Sindhi", nullptr);
        sindhi = FindWindowExW(client, nullptr, L"frmSindhiToEnglish", nullptr);
        return english && sindhi && Active() == english && IsZoomed(english);
    });
    if (!up || sindhiCount < 0) return up;
    return WaitUntil([&] { return ListItems(Control(sindhi, ids::WordList)).size() == size_t(sindhiCount); });
}

HWND Dictionary::Focused() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(GetWindowThreadProcessId(frame, nullptr), &info);
    return info.hwndFocus;
}

void Dictionary::Screenshot(const std::wstring& name) const {
    // The program paints when it is idle: what a resize just uncovered may still show what
    // lay there before. Painting is sent across (the call returns once it is done).
    RedrawWindow(frame, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_TRUE(SaveProgramScreenshot(frame, name));
}

}  // namespace dictionarytest
