// frmSplash: the borderless window shown while the English headwords load, its picture
// filling it and its label Label1 showing the progress.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "Label.h"

namespace dictionary {

class frmSplash {
 public:
    // Creates and shows the window centred on the screen, above `owner`.
    static std::unique_ptr<frmSplash> Show(HWND owner);
    ~frmSplash();
    frmSplash(const frmSplash&) = delete;
    frmSplash& operator=(const frmSplash&) = delete;

    HWND Hwnd() const { return hwnd_; }
    std::unique_ptr<controls::Label> Label1;

 private:
    frmSplash() = default;
    static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM);

    HWND hwnd_ = nullptr;
    HBITMAP picture_ = nullptr;
};

}  // namespace dictionary
