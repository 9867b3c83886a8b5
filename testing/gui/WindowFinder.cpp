#include "gui/WindowFinder.h"

#include "gui/WindowProbe.h"

namespace sindhikit::guitest {

namespace {

struct Walk {
    bool ownOnly;
    std::vector<HWND> found;
};

// Named callbacks rather than lambdas: i686 needs them stdcall.
BOOL CALLBACK CollectTop(HWND hwnd, LPARAM p) {
    auto* w = reinterpret_cast<Walk*>(p);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (!w->ownOnly || pid == GetCurrentProcessId()) w->found.push_back(hwnd);
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM p) {
    reinterpret_cast<std::vector<HWND>*>(p)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> TopWindows(bool ownProcessOnly) {
    Walk walk{ownProcessOnly, {}};
    EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&walk));
    return walk.found;
}

}  // namespace

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[256] = {};
    GetClassNameW(hwnd, name, 256);
    return name;
}

std::vector<HWND> FindTopWindows(const std::wstring& caption, const wchar_t* windowClass, bool visibleOnly) {
    std::vector<HWND> out;
    for (HWND hwnd : TopWindows(true)) {
        if (visibleOnly && !IsWindowVisible(hwnd)) continue;
        if (windowClass && ClassOf(hwnd) != windowClass) continue;
        if (TextOf(hwnd) == caption) out.push_back(hwnd);
    }
    return out;
}

HWND FindTopWindow(const std::wstring& caption, const wchar_t* windowClass) {
    const auto all = FindTopWindows(caption, windowClass);
    return all.size() == 1 ? all.front() : nullptr;
}

std::vector<HWND> FindTopWindowsAnyProcess(const std::wstring& caption, bool visibleOnly) {
    std::vector<HWND> out;
    for (HWND hwnd : TopWindows(false)) {
        if (visibleOnly && !IsWindowVisible(hwnd)) continue;
        wchar_t text[512] = {};
        GetWindowTextW(hwnd, text, 512);  // served without a message for other processes
        if (caption == text) out.push_back(hwnd);
    }
    return out;
}

std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> out;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&out));
    return out;
}

HWND FindChildById(HWND parent, int id) {
    for (HWND child : ChildrenOf(parent)) {
        if (GetDlgCtrlID(child) == id) return child;
    }
    return nullptr;
}

HWND FindChildByText(HWND parent, const std::wstring& text, const wchar_t* childClass) {
    for (HWND child : ChildrenOf(parent)) {
        if (childClass && ClassOf(child) != childClass) continue;
        if (TextOf(child) == text) return child;
    }
    return nullptr;
}

}  // namespace sindhikit::guitest
