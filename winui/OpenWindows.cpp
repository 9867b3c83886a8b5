#include "winui/OpenWindows.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "winui/Module.h"

namespace sindhikit::winui {

namespace {

struct OpenWindow {
    HWND window;
    WindowHost host;
    HWND* slot;  // made nullptr when the window ends
};

constexpr UINT_PTR kFollowId = 0x57494E55;  // this library's subclass on the windows it follows

// Plain pointers: thread_local objects with destructors are unsafe in a DLL that may be
// unloaded while threads live.
thread_local HWND t_owner = nullptr;
thread_local HHOOK t_hook = nullptr;
thread_local std::vector<OpenWindow>* t_open = nullptr;

OpenWindow* Find(HWND window) {
    if (!t_open || !window) return nullptr;
    auto it = std::find_if(t_open->begin(), t_open->end(), [&](const OpenWindow& w) { return w.window == window; });
    return it == t_open->end() ? nullptr : &*it;
}

bool IsKey(const MSG& msg) {
    return msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST;
}

// The keys of a window that the loop routes through `keys`, handled by the dialog manager.
bool HandleDialogKey(MSG& msg, KeyRouting keys) {
    if (!IsKey(msg)) return false;
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    const OpenWindow* open = Find(root);
    return open && open->host.keys == keys && IsDialogMessageW(root, &msg);
}

// A macro host's loop knows nothing of our windows: this hook on the thread's message
// retrieval gives them their dialog keys.
LRESULT CALLBACK DialogKeys(int code, WPARAM removal, LPARAM message) {
    auto* msg = reinterpret_cast<MSG*>(message);
    if (code == HC_ACTION && removal == PM_REMOVE && HandleDialogKey(*msg, KeyRouting::Hook)) {
        msg->message = WM_NULL;  // handled: the loop dispatches nothing
    }
    return CallNextHookEx(t_hook, code, removal, message);
}

bool AnyHooked() {
    return t_open && std::any_of(t_open->begin(), t_open->end(),
                                 [](const OpenWindow& w) { return w.host.keys == KeyRouting::Hook; });
}

void Ended(HWND window) {
    OpenWindow* open = Find(window);
    if (!open) return;
    void (*hold)(bool) = open->host.hold;
    if (open->slot && *open->slot == window) *open->slot = nullptr;
    t_open->erase(t_open->begin() + (open - t_open->data()));
    if (t_hook && !AnyHooked()) {
        UnhookWindowsHookEx(t_hook);
        t_hook = nullptr;
    }
    if (t_open->empty()) {
        delete t_open;
        t_open = nullptr;
    }
    if (hold) hold(false);
}

LRESULT CALLBACK Follow(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message != WM_NCDESTROY) return DefSubclassProc(window, message, wParam, lParam);
    RemoveWindowSubclass(window, Follow, kFollowId);
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);  // the window's own ending first
    Ended(window);
    return result;
}

}  // namespace

HWND HiddenOwner() {
    if (!t_owner || !IsWindow(t_owner)) {
        t_owner = CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, CodeModule(), nullptr);
    }
    return t_owner;
}

void Track(HWND window, const WindowHost& host) {
    if (!window || Find(window)) return;
    if (!t_open) t_open = new std::vector<OpenWindow>();
    t_open->push_back({window, host, nullptr});
    SetWindowSubclass(window, Follow, kFollowId, 0);
    if (host.keys == KeyRouting::Hook && !t_hook) {
        t_hook = SetWindowsHookExW(WH_GETMESSAGE, DialogKeys, nullptr, GetCurrentThreadId());
    }
    if (host.hold) host.hold(true);
}

bool RouteDialogKeys(MSG& msg) {
    return HandleDialogKey(msg, KeyRouting::OwnLoop);
}

bool IsTracked(HWND window) {
    return Find(window) != nullptr;
}

void ForgetOnEnd(HWND window, HWND* slot) {
    if (!window) return;
    Track(window, WindowHost{});
    if (OpenWindow* open = Find(window)) open->slot = slot;
}

}  // namespace sindhikit::winui
