// At most one window of a kind: Load creates it when none is open, Show makes the open
// one visible and active in front of the others, so a second show brings it to the front
// instead of opening a copy. When the window ends, the slot is empty again and the next
// Load creates it afresh. Declare one per kind of window, static or thread_local (each
// thread its own, as the server's windows exist at most once per thread): it must outlive
// its window.
#pragma once

#include <windows.h>

#include <functional>

namespace sindhikit::winui {

class SingleWindow {
 public:
    // The open window (shown or hidden), or nullptr.
    HWND Get() const { return window_; }

    // Creates the window with `create` unless one is open. False when `create` gives
    // nullptr (its GetLastError is kept). `create` should make it with ModelessWindow.h.
    bool Load(const std::function<HWND()>& create);

    // Makes the open window visible, active and the foreground window; nothing when none is open.
    void Show() const;

 private:
    HWND window_ = nullptr;
};

}  // namespace sindhikit::winui
