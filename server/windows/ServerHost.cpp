#include "ServerHost.h"

#include "ServerWindows.h"

namespace tavrocodes::windows {

namespace {

void (*g_lock)(bool) = nullptr;

void HoldModule(bool hold) {
    if (g_lock) g_lock(hold);
}

}  // namespace

void SetModuleLock(void (*lock)(bool)) {
    g_lock = lock;
}

const sindhikit::winui::WindowHost& ServerHost() {
    static constexpr sindhikit::winui::WindowHost host{sindhikit::winui::Owner::Hidden,
                                                       sindhikit::winui::KeyRouting::Hook, HoldModule};
    return host;
}

HRESULT LoadAndShow(sindhikit::winui::SingleWindow& window, const std::function<HWND()>& create) {
    if (!window.Load(create)) {
        const DWORD error = GetLastError();
        return error ? HRESULT_FROM_WIN32(error) : E_FAIL;
    }
    window.Show();
    return S_OK;
}

}  // namespace tavrocodes::windows
