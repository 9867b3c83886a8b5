// What the tests of Dictionary.exe share: a word store built and installed where the
// program looks for it, and one run of the program with its windows found.
#pragma once

#include <windows.h>

#include <sqlite3.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "gui/MessageBoxWatcher.h"
#include "gui/ProgramUnderTest.h"

namespace dictionarytest {

std::string Utf8(const std::wstring& text);

// Where the program looks: directodb.dll in the Windows folder.
std::filesystem::path InstalledStore();

// Runs SQL on a store; a failure fails the test.
void Exec(sqlite3* db, const char* sql);

// Builds a store from `source` with the builder, lets `tweak` change it with SQLite (for
// what the builder cannot make), and installs it where the program finds it.
void InstallStore(const std::wstring& source, const std::function<void(sqlite3*)>& tweak = {});

// One run of the program with its windows found.
class Dictionary {
 public:
    // `answers`: the buttons the watcher presses in the program's message boxes, one per
    // box in turn (the last one for every later box).
    explicit Dictionary(std::vector<int> answers = {IDOK});

    sindhikit::guitest::ProgramUnderTest& Program() { return program_; }
    const sindhikit::guitest::MessageBoxWatcher& Boxes() const { return boxes_; }

    // Waits for the end of start-up: the splash gone, the English window in front and
    // maximised, and `sindhiCount` Sindhi headwords loaded (-1: do not wait for them).
    bool WaitForStartUp(int sindhiCount);

    HWND Active() const { return reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, 0)); }
    static HWND Control(HWND window, int id) { return GetDlgItem(window, id); }
    HWND Focused() const;
    void Screenshot(const std::wstring& name) const;

    HWND frame = nullptr, client = nullptr, english = nullptr, sindhi = nullptr;

 private:
    sindhikit::guitest::ProgramUnderTest program_;
    sindhikit::guitest::MessageBoxWatcher boxes_;
};

}  // namespace dictionarytest
