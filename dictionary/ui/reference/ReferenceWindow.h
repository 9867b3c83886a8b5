// What the Help menu's windows share: a top-level window of its own class, modeless and
// without an owner, of a fixed inner size in twips at the screen's DPI, whose controls are
// the Forms stand-ins placed in twips. The window paints its own background (a colour, and
// a picture or lines where it has them) under its controls, so transparent labels show it.
// The object lives as long as its window and deletes itself when the window ends.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "winui/ModelessWindow.h"
#include "winui/SingleWindow.h"

namespace dictionary::reference {

struct ReferenceWindowLook {
    const wchar_t* className;
    sindhikit::winui::WindowDesign design;  // caption, frame, inner size in twips
    COLORREF background;
    bool centred;  // else where the system places new windows
};

class ReferenceWindow {
 public:
    virtual ~ReferenceWindow();
    ReferenceWindow(const ReferenceWindow&) = delete;
    ReferenceWindow& operator=(const ReferenceWindow&) = delete;

    HWND Hwnd() const { return hwnd_; }

    // Creates the window, hidden, and hands `window` to it; nullptr (with GetLastError)
    // when it cannot be made, and then `window` is gone.
    static HWND Open(std::unique_ptr<ReferenceWindow> window, const ReferenceWindowLook& look);

    // The menu command's show: makes the window with `make` unless `slot` holds one, then
    // shows it in front. A window that cannot be made is reported in a message box.
    static void Show(sindhikit::winui::SingleWindow& slot,
                     const std::function<std::unique_ptr<ReferenceWindow>()>& make, const ReferenceWindowLook& look);

 protected:
    ReferenceWindow() = default;
    // Builds the controls.
    virtual void Load() = 0;
    // The window's picture, drawn at its top-left corner over the background colour; the
    // window owns it.
    void SetPicture(HBITMAP picture);
    // Draws what else lies on the window itself (lines), over the picture, under the controls.
    virtual void PaintBackground(HDC) {}
    // The control that takes the focus when the window is activated (nullptr: none).
    virtual HWND FirstFocus() const { return nullptr; }

 private:
    static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void PressFocusedButton() const;

    HWND hwnd_ = nullptr;
    HBRUSH background_ = nullptr;
    HBITMAP picture_ = nullptr;
};

}  // namespace dictionary::reference
