#include "Control.h"

#include <cmath>
#include <unordered_map>

#include "ControlFont.h"
#include "winui/Twips.h"

namespace dictionary::controls {

namespace {

// The controls by window handle. Window properties would do the same, but under Wine
// each property read is a round trip to its server, and the controls are looked up on
// every message.
std::unordered_map<HWND, Control*>& Registry() {
    static std::unordered_map<HWND, Control*> controls;
    return controls;
}

const sindhikit::winui::Dpi& ScreenDpi() {
    static const sindhikit::winui::Dpi dpi = sindhikit::winui::Dpi::OfScreen();
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
    Registry()[hwnd_] = this;
    RebuildFont();
}

Control::~Control() {
    Forget();
    if (IsWindow(hwnd_)) {
        GlobalDeleteAtom(static_cast<ATOM>(reinterpret_cast<UINT_PTR>(RemovePropW(hwnd_, kFontNameProperty))));
        RemovePropW(hwnd_, kFontSizeProperty);
        RemovePropW(hwnd_, kFontBoldProperty);
    }
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
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
    PublishFont();
}

void Control::PublishFont() {
    // An empty name has no atom: no property reads as "".
    const ATOM name = fontName_.empty() ? 0 : GlobalAddAtomW(fontName_.c_str());
    const auto old = static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(hwnd_, kFontNameProperty)));
    SetPropW(hwnd_, kFontNameProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(name)));
    if (old) GlobalDeleteAtom(old);
    const auto hundredths = static_cast<INT_PTR>(std::lround(fontSize_ * 100.0f));
    SetPropW(hwnd_, kFontSizeProperty, reinterpret_cast<HANDLE>(hundredths));
    SetPropW(hwnd_, kFontBoldProperty, reinterpret_cast<HANDLE>(static_cast<INT_PTR>(fontBold_ ? 1 : 0)));
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
    const auto found = Registry().find(hwnd);
    return found == Registry().end() ? nullptr : found->second;
}

void Control::Register(HWND part) {
    Registry()[part] = this;
}

void Control::Forget() {
    for (auto it = Registry().begin(); it != Registry().end();)
        it = it->second == this ? Registry().erase(it) : std::next(it);
}

namespace {
// The window procedures the subclassed windows had (read on every message: no property).
std::unordered_map<HWND, WNDPROC>& PreviousProcedures() {
    static std::unordered_map<HWND, WNDPROC> procedures;
    return procedures;
}
}  // namespace

void SubclassWindow(HWND hwnd, WNDPROC procedure) {
    PreviousProcedures()[hwnd] =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

LRESULT CallPrevious(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto found = PreviousProcedures().find(hwnd);
    if (found == PreviousProcedures().end()) return DefWindowProcW(hwnd, message, wParam, lParam);
    const WNDPROC previous = found->second;
    if (message == WM_NCDESTROY) PreviousProcedures().erase(found);
    return CallWindowProcW(previous, hwnd, message, wParam, lParam);
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
