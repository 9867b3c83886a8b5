#include "winui/SingleWindow.h"

#include "winui/OpenWindows.h"

namespace sindhikit::winui {

bool SingleWindow::Load(const std::function<HWND()>& create) {
    if (window_) return true;
    HWND window = create();
    if (!window) return false;
    window_ = window;
    ForgetOnEnd(window, &window_);
    return true;
}

void SingleWindow::Show() const {
    if (!window_) return;
    ShowWindow(window_, SW_SHOW);
    SetActiveWindow(window_);
    SetForegroundWindow(window_);
}

}  // namespace sindhikit::winui
