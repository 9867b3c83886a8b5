// What both lookup windows share: an MDI child of the main window, built in code, whose
// controls are placed in twips at the screen's DPI, which hands its controls their
// notifications and gives the focus back to the control that had it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "Control.h"
#include "layout/LookupWindowDesign.h"

namespace dictionary {

struct LookupWindowLook {
    const wchar_t* className;
    const wchar_t* caption;
    COLORREF background;
    sindhikit::layout::DesignSize designInner;  // inner size in twips when restored
};

class LookupWindow {
 public:
    virtual ~LookupWindow();
    LookupWindow(const LookupWindow&) = delete;
    LookupWindow& operator=(const LookupWindow&) = delete;

    HWND Hwnd() const { return hwnd_; }
    // Raised when the user closes the window; the owner then drops it.
    std::function<void()> Closed;

 protected:
    LookupWindow() = default;
    // Creates the MDI child (maximised, as the windows open) and runs Load.
    bool CreateIn(HWND mdiClient, const LookupWindowLook& look);
    // Builds the controls.
    virtual void Load() = 0;
    // The window's inner size changed: the one place where the controls are laid out (also
    // once right after Load).
    virtual void Resize() = 0;
    // The control that takes the focus when the window is first activated.
    virtual HWND FirstFocus() const = 0;

 private:
    static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    HWND focus_ = nullptr;
};

}  // namespace dictionary
