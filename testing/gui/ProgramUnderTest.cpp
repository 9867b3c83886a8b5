#include "gui/ProgramUnderTest.h"

#include "gui/Screenshot.h"
#include "gui/WindowFinder.h"
#include "gui/WindowProbe.h"

namespace sindhikit::guitest {

ProgramUnderTest::ProgramUnderTest(const std::wstring& program, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process_))
        process_ = {};
}

ProgramUnderTest::~ProgramUnderTest() {
    if (!process_.hProcess) return;
    if (Running()) {
        TerminateProcess(process_.hProcess, 99);
        WaitForSingleObject(process_.hProcess, 10000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool ProgramUnderTest::Running() const {
    return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

bool ProgramUnderTest::WaitForExit(int timeoutMs, DWORD* exitCode) const {
    if (!process_.hProcess || WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeoutMs)) != WAIT_OBJECT_0)
        return false;
    if (exitCode) GetExitCodeProcess(process_.hProcess, exitCode);
    return true;
}

namespace {

struct Walk {
    DWORD processId;
    const wchar_t* windowClass;
    std::vector<HWND> found;
};

BOOL CALLBACK Collect(HWND hwnd, LPARAM p) {
    auto* walk = reinterpret_cast<Walk*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == walk->processId && IsWindowVisible(hwnd) && (!walk->windowClass || ClassOf(hwnd) == walk->windowClass))
        walk->found.push_back(hwnd);
    return TRUE;
}

}  // namespace

std::vector<HWND> ProgramUnderTest::TopWindows(const wchar_t* windowClass) const {
    Walk walk{process_.dwProcessId, windowClass, {}};
    if (process_.hProcess) EnumWindows(Collect, reinterpret_cast<LPARAM>(&walk));
    return walk.found;
}

HWND ProgramUnderTest::TopWindow(const wchar_t* windowClass) const {
    const auto all = TopWindows(windowClass);
    return all.size() == 1 ? all.front() : nullptr;
}

bool SaveProgramScreenshot(HWND hwnd, const std::wstring& name) {
    RECT r{};
    if (!GetWindowRect(hwnd, &r) || r.right <= r.left || r.bottom <= r.top) return false;
    const int w = r.right - r.left, h = r.bottom - r.top;
    HDC source = GetWindowDC(hwnd);
    HDC mem = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateCompatibleBitmap(source, w, h);
    HGDIOBJ old = SelectObject(mem, bitmap);
    BitBlt(mem, 0, 0, w, h, source, 0, 0, SRCCOPY);
    SelectObject(mem, old);
    const bool saved = SaveBitmapScreenshot(bitmap, name);
    DeleteObject(bitmap);
    DeleteDC(mem);
    ReleaseDC(hwnd, source);
    return saved;
}

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    while (!done()) {
        if (GetTickCount64() >= end) return done();
        Sleep(20);
    }
    return true;
}

void PostKey(HWND target, UINT virtualKey) {
    const UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    const LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16);
    const LPARAM up = down | (1LL << 30) | (1LL << 31);
    PostMessageW(target, WM_KEYDOWN, virtualKey, down);
    PostMessageW(target, WM_KEYUP, virtualKey, up);
}

void PostTyping(HWND target, const std::wstring& text) {
    for (wchar_t c : text) PostKey(target, LOBYTE(VkKeyScanW(c)));
}

bool SendChord(const std::vector<WORD>& keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = key;
        inputs.push_back(in);
    }
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = *it;
        in.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(in);
    }
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

void PostClick(HWND target, int x, int y) {
    const LPARAM at = MAKELPARAM(x, y);
    PostMessageW(target, WM_MOUSEMOVE, 0, at);
    PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(target, WM_LBUTTONUP, 0, at);
}

void PostListClick(HWND list, int index) {
    const auto top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
    const auto height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    PostClick(list, 20, (index - top) * height + height / 2);
}

std::wstring ListItem(HWND list, int index) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

std::vector<std::wstring> ListItems(HWND list) {
    std::vector<std::wstring> items;
    const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) items.push_back(ListItem(list, i));
    return items;
}

std::vector<std::wstring> ComboItems(HWND combo) {
    std::vector<std::wstring> items;
    const auto count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::wstring text(static_cast<size_t>(length < 0 ? 0 : length) + 1, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(length < 0 ? 0 : length));
        items.push_back(text);
    }
    return items;
}

int ListSelection(HWND list) {
    return static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
}

HWND ComboEdit(HWND combo) {
    return FindWindowExW(combo, nullptr, L"Edit", nullptr);
}

}  // namespace sindhikit::guitest
