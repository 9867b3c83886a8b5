#include "Control.h"

#include <cmath>

#include "ControlFont.h"
#include "Twips.h"

namespace dictionary::controls {

namespace {

constexpr wchar_t kControlProperty[] = L"SindhiKit.Control";

const tavrocodes::windows::Dpi& ScreenDpi() {
    static const tavrocodes::windows::Dpi dpi = tavrocodes::windows::Dpi::OfScreen();
    return dpi;
}

}  // namespace

int TwipsToPixelsX(float twips) {
    return static_cast<int>(std::lround(twips * static_cast<float>(ScreenDpi().x) / 1440.0f));
}

int TwipsToPixelsY(float twips) {
    return static_cast<int>(std::lround(twips * static_cast<float>(ScreenDpi().y) / 1440.0f));
}

Control::Control(HWND hwnd, bool showsSindhi) : hwnd_(hwnd), showsSindhi_(showsSindhi) {
    SetPropW(hwnd_, kControlProperty, this);
    RebuildFont();
}

Control::~Control() {
    if (IsWindow(hwnd_)) {
        RemovePropW(hwnd_, kControlProperty);
        DestroyWindow(hwnd_);
    }
    if (font_) DeleteObject(font_);
}

void Control::Move(const TwipsRect& twips) {
    geometry_ = twips;
    MoveWindow(hwnd_, TwipsToPixelsX(twips.left), TwipsToPixelsY(twips.top), TwipsToPixelsX(twips.width),
               TwipsToPixelsY(twips.height), TRUE);
}

void Control::SetFontName(const std::wstring& name) {
    fontName_ = name;
    RebuildFont();
}

void Control::SetFontSize(float points) {
    fontSize_ = points;
    RebuildFont();
}

void Control::SetFont(const std::wstring& name, float points, bool bold) {
    fontName_ = name;
    fontSize_ = points;
    fontBold_ = bold;
    RebuildFont();
}

std::wstring Control::DrawingFace() const {
    return DrawingFaceFor(fontName_, showsSindhi_);
}

void Control::RebuildFont() {
    HFONT old = font_;
    font_ = CreateControlFont(fontName_, fontSize_, fontBold_, showsSindhi_);
    FontChanged();
    if (old) DeleteObject(old);
}

void Control::FontChanged() {
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
}

void Control::SetRedraw(bool on) {
    SendMessageW(hwnd_, WM_SETREDRAW, on ? TRUE : FALSE, 0);
    if (on) RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

bool Control::Reflect(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

Control* ControlOf(HWND hwnd) {
    return hwnd ? static_cast<Control*>(GetPropW(hwnd, kControlProperty)) : nullptr;
}

bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    HWND child = nullptr;
    switch (message) {
        case WM_COMMAND:
            child = reinterpret_cast<HWND>(lParam);
            break;
        case WM_DRAWITEM:
            child = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem;
            break;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
            child = reinterpret_cast<HWND>(lParam);
            break;
        default:
            return false;
    }
    Control* control = ControlOf(child);
    // A combo box's own edit and list report through the combo box.
    if (!control && child) control = ControlOf(GetParent(child));
    return control && control->Reflect(message, wParam, lParam, result);
}

std::wstring WindowText(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), length + 1)));
    return text;
}

HWND CreateChild(HWND parent, const wchar_t* windowClass, DWORD style, DWORD exStyle, int id) {
    return CreateWindowExW(exStyle, windowClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, 0, 0, 0, 0,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
}

}  // namespace dictionary::controls
