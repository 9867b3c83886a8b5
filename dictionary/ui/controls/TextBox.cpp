#include "TextBox.h"

namespace dictionary::controls {

std::unique_ptr<TextBox> TextBox::Create(HWND parent, int id, TextBoxLook look) {
    DWORD style = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL | WS_VSCROLL | WS_TABSTOP;
    if (look.readOnly) style |= ES_READONLY;
    if (look.centred) style |= ES_CENTER;
    const DWORD exStyle = WS_EX_CLIENTEDGE | (look.rightToLeft ? WS_EX_RTLREADING : 0);
    HWND hwnd = CreateChild(parent, L"EDIT", style, exStyle, id);
    if (!hwnd) return nullptr;
    return std::unique_ptr<TextBox>(new TextBox(hwnd, look));
}

TextBox::TextBox(HWND hwnd, TextBoxLook look) : Control(hwnd, look.rightToLeft), look_(look) {
    // The lookups write whole texts of any length.
    SendMessageW(hwnd, EM_SETLIMITTEXT, 0, 0);
}

std::wstring TextBox::Text() const {
    return WindowText(Hwnd());
}

void TextBox::SetText(const std::wstring& text) {
    SetWindowTextW(Hwnd(), text.c_str());
}

bool TextBox::Reflect(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    // A read-only edit asks for the static colours; it keeps the window's white, as a
    // locked text box does.
    if (message == WM_CTLCOLORSTATIC && look_.readOnly) {
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        return true;
    }
    return false;
}

}  // namespace dictionary::controls
