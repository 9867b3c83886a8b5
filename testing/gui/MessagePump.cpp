#include "gui/MessagePump.h"

namespace sindhikit::guitest {

namespace {
void PumpOnce(DWORD waitMs) {
    MsgWaitForMultipleObjectsEx(0, nullptr, waitMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    PumpPending();
}
}  // namespace

void PumpPending() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void PumpFor(int milliseconds) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        PumpOnce(static_cast<DWORD>(end - now));
    }
    PumpPending();
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    while (!done()) {
        if (GetTickCount64() >= end) return done();
        PumpOnce(20);
    }
    return true;
}

void PostKey(UINT virtualKey, HWND target) {
    if (!target) target = GetFocus();
    const UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    const LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16);
    const LPARAM up = down | (1LL << 30) | (1LL << 31);
    PostMessageW(target, WM_KEYDOWN, virtualKey, down);
    const wchar_t ch = static_cast<wchar_t>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_CHAR));
    if (ch) PostMessageW(target, WM_CHAR, ch, down);
    PostMessageW(target, WM_KEYUP, virtualKey, up);
}

void PressKey(UINT virtualKey, HWND target) {
    PostKey(virtualKey, target);
    PumpPending();  // posted to this thread: all of them are in the queue already
}

void Click(HWND button) {
    SendMessageW(button, BM_CLICK, 0, 0);
    PumpPending();
}

}  // namespace sindhikit::guitest
