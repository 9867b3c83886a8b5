#include "ThreadWindows.h"

#include <algorithm>
#include <vector>

namespace tavrocodes::windows {

namespace {

thread_local HWND t_owner = nullptr;
thread_local HHOOK t_hook = nullptr;
thread_local std::vector<HWND>* t_open = nullptr;
void (*g_lock)(bool) = nullptr;

// Modeless windows only get Tab, Enter and Esc when the loop that pumps them calls
// IsDialogMessage; the macro host's loop does not know about them, so a hook on this
// thread's message retrieval does it for them.
LRESULT CALLBACK DialogKeys(int code, WPARAM removal, LPARAM message) {
    auto* msg = reinterpret_cast<MSG*>(message);
    if (code == HC_ACTION && removal == PM_REMOVE && msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST &&
        t_open) {
        HWND root = GetAncestor(msg->hwnd, GA_ROOT);
        if (std::find(t_open->begin(), t_open->end(), root) != t_open->end() && IsDialogMessageW(root, msg)) {
            msg->message = WM_NULL;  // handled: the loop dispatches nothing
        }
    }
    return CallNextHookEx(t_hook, code, removal, message);
}

}  // namespace

HINSTANCE CodeModule() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&CodeModule), &module);
    return module;
}

HWND HiddenOwner() {
    if (!t_owner || !IsWindow(t_owner)) {
        t_owner =
            CreateWindowExW(0, L"Static", L"TavroCodes", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, CodeModule(), nullptr);
    }
    return t_owner;
}

void WindowOpened(HWND window) {
    if (!t_open) t_open = new std::vector<HWND>();
    t_open->push_back(window);
    if (!t_hook) t_hook = SetWindowsHookExW(WH_GETMESSAGE, DialogKeys, nullptr, GetCurrentThreadId());
    if (g_lock) g_lock(true);
}

void WindowClosed(HWND window) {
    if (!t_open) return;
    auto it = std::find(t_open->begin(), t_open->end(), window);
    if (it == t_open->end()) return;
    t_open->erase(it);
    if (t_open->empty()) {
        if (t_hook) UnhookWindowsHookEx(t_hook);
        t_hook = nullptr;
        delete t_open;
        t_open = nullptr;
    }
    if (g_lock) g_lock(false);
}

void SetModuleLockFunction(void (*lock)(bool)) {
    g_lock = lock;
}

void ShowMessage(HWND owner, const wchar_t* text) {
    MessageBoxW(owner, text, L"TavroCodes", MB_OK);
}

std::wstring DescribeError(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD n =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = n ? std::wstring(buffer, n) : L"Error " + std::to_wstring(error);
    if (buffer) LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
    return text;
}

}  // namespace tavrocodes::windows
