// Inspects the server's windows of another process (a script host that is waiting for
// this program) without sending them messages: a waiting host pumps none.
//   windows_checker keyboard none|Sindhi|Urdu|Farsi     windows_checker about
// Exit code 0 when the windows are as named; otherwise a code naming the first mismatch.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "ControlIds.h"
#include "gui/WindowFinder.h"
#include "layout/KeyboardLayout.h"

using namespace tavrocodes::windows;

namespace {

enum Mismatch {
    kOk = 0,
    kUsage = 10,
    kWindowCount = 11,
    kHidden = 12,
    kSimpleSize = 13,
    kShiftSize = 14,
    kCaption = 15,
    kVersion = 16
};

bool SizeIs(HWND control, sindhikit::pictures::PictureSize size) {
    RECT r{};
    return control && GetWindowRect(control, &r) && r.right - r.left == size.width && r.bottom - r.top == size.height;
}

std::wstring TextOfOther(HWND hwnd) {
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);  // another process's window: read without a message
    return text;
}

int CheckKeyboard(const char* lang) {
    const auto windows = sindhikit::guitest::FindTopWindowsAnyProcess(kKeyboardCaption);
    if (std::strcmp(lang, "none") == 0) return windows.empty() ? kOk : kWindowCount;
    if (windows.size() != 1) return kWindowCount;
    HWND kb = windows.front();
    const sindhikit::Langs code = std::strcmp(lang, "Sindhi") == 0  ? sindhikit::Langs::Sindhi
                                  : std::strcmp(lang, "Urdu") == 0  ? sindhikit::Langs::Urdu
                                  : std::strcmp(lang, "Farsi") == 0 ? sindhikit::Langs::Farsi
                                                                    : sindhikit::Langs::ENGLISH;
    if (code == sindhikit::Langs::ENGLISH) return kUsage;
    if (!IsWindowVisible(GetDlgItem(kb, SimpleKB)) || !IsWindowVisible(GetDlgItem(kb, ShiftKB))) return kHidden;
    // Each of the six pictures has a size of its own, so the sizes tell the language.
    if (!SizeIs(GetDlgItem(kb, SimpleKB), sindhikit::pictures::KeyboardPictureSize(code, false))) return kSimpleSize;
    if (!SizeIs(GetDlgItem(kb, ShiftKB), sindhikit::pictures::KeyboardPictureSize(code, true))) return kShiftSize;
    return kOk;
}

int CheckAbout() {
    const auto windows = sindhikit::guitest::FindTopWindowsAnyProcess(kAboutCaption);
    if (windows.size() != 1) return kWindowCount;
    if (TextOfOther(windows.front()) != L"About Developer") return kCaption;
    if (TextOfOther(GetDlgItem(windows.front(), lblVersion)) != L"Version 2.0.0") return kVersion;
    return kOk;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "keyboard") == 0) return CheckKeyboard(argv[2]);
    if (argc == 2 && std::strcmp(argv[1], "about") == 0) return CheckAbout();
    std::fprintf(stderr, "usage: windows_checker keyboard none|Sindhi|Urdu|Farsi | about\n");
    return kUsage;
}
