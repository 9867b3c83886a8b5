// The installed Dictionary.exe as its user meets it after the installer ran: started from
// its installed place (SINDHIKIT_INSTALLED_DICTIONARY, a Windows path), it finds the default
// word store in the Windows folder by itself and answers a lookup. The release tests run it
// in the installer's own Wine prefix; it installs nothing itself.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

#include "ControlIds.h"
#include "gui/MessageBoxWatcher.h"
#include "gui/ProgramUnderTest.h"
#include "gui/WindowProbe.h"

using namespace sindhikit::guitest;
namespace ids = dictionary::ids;

namespace {

// Sindhi's name for itself (CLDR), the first meaning of "sindhi" in the default store.
const std::wstring kSindhi = L"\u0633\u0646\u068C\u064A";

TEST(InstalledDictionary, StartsFromItsPlaceFindsTheStoreAndLooksAWordUp) {
    const wchar_t* exe = _wgetenv(L"SINDHIKIT_INSTALLED_DICTIONARY");
    ASSERT_NE(exe, nullptr) << "SINDHIKIT_INSTALLED_DICTIONARY is not set";
    ProgramUnderTest program(exe);
    ASSERT_TRUE(program.Started()) << "cannot start the installed program";
    MessageBoxWatcher boxes(IDOK, program.ProcessId());

    HWND english = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            const HWND frame = program.TopWindow(L"frmMain");
            if (!frame || !program.TopWindows(L"frmSplash").empty()) return false;
            const HWND client = FindWindowExW(frame, nullptr, L"MDIClient", nullptr);
            english = FindWindowExW(client, nullptr, L"frmEnglish2Sindhi", nullptr);
            return english != nullptr && IsWindowVisible(english);
        },
        60000))
        << "the English-to-Sindhi window did not come up";

    const HWND edit = ComboEdit(GetDlgItem(english, ids::WordBox));
    const HWND meanings = GetDlgItem(english, ids::SindhiMeanings);
    PostTyping(edit, L"sindhi");
    EXPECT_TRUE(WaitUntil([&] { return TextOf(meanings).find(kSindhi) != std::wstring::npos; }))
        << "SindhiMeanings never showed the meaning of \"sindhi\"; the box holds " << TextOf(edit).size()
        << " characters";
    EXPECT_TRUE(boxes.Boxes().empty()) << "the program showed a message box (no store found?)";
}

}  // namespace
