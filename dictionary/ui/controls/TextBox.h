// The Forms 2.0 text box stand-in: a multi-line Win32 edit with a vertical scroll bar,
// read-only (selectable and copyable, on the window colour) or editable by the user.
#pragma once

#include <memory>
#include <string>

#include "Control.h"

namespace dictionary::controls {

struct TextBoxLook {
    bool readOnly = false;
    bool centred = false;
    bool rightToLeft = false;  // Sindhi text: right-to-left reading order
};

class TextBox : public Control {
 public:
    static std::unique_ptr<TextBox> Create(HWND parent, int id, TextBoxLook look);

    std::wstring Text() const;
    void SetText(const std::wstring& text);

    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
    TextBox(HWND hwnd, TextBoxLook look);
    TextBoxLook look_;
};

}  // namespace dictionary::controls
