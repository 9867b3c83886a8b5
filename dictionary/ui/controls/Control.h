// The base of the Forms 2.0 stand-ins: a Win32 child window that knows its place in twips,
// keeps its font name and size as set, and receives the notifications its parent window
// gets about it (WM_COMMAND, WM_DRAWITEM, WM_CTLCOLOR...), reflected back to it.
#pragma once

#include <windows.h>

#include <string>

namespace dictionary::controls {

// A control's place and size in twips, as the window tables give them; the values are
// kept as set (fractions included) and converted to pixels at the screen's real DPI.
struct TwipsRect {
    float left = 0, top = 0, width = 0, height = 0;
};

// The font as set, published on the control's window for readers outside the process (the
// tests drive the program as its own process): the name as a global atom, the size in
// hundredths of a point, bold as 0 or 1.
inline constexpr wchar_t kFontNameProperty[] = L"SindhiKit.FontName";
inline constexpr wchar_t kFontSizeProperty[] = L"SindhiKit.FontSize";
inline constexpr wchar_t kFontBoldProperty[] = L"SindhiKit.FontBold";

// Twips to pixels at the screen's logical resolution.
int TwipsToPixelsX(float twips);
int TwipsToPixelsY(float twips);

class Control {
 public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    HWND Hwnd() const { return hwnd_; }
    int Id() const { return GetDlgCtrlID(hwnd_); }

    const TwipsRect& Geometry() const { return geometry_; }
    void Move(const TwipsRect& twips);

    // Font name and size set in place; other attributes (bold) stay as they were. The name
    // is kept exactly as set; when the system has no such face, the control draws with an
    // installed one (with the Sindhi letters, for a control that shows Sindhi).
    const std::wstring& FontName() const { return fontName_; }
    float FontSize() const { return fontSize_; }
    bool FontBold() const { return fontBold_; }
    void SetFontName(const std::wstring& name);
    void SetFontSize(float points);
    void SetFont(const std::wstring& name, float points, bool bold);
    // The face the control really draws with.
    std::wstring DrawingFace() const;

    // Drawing on or off (WM_SETREDRAW); turned on, the control is drawn anew, frame and all.
    void SetRedraw(bool on);

    // A notification the parent received about this control. Answers whether it was handled.
    virtual bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

 protected:
    Control(HWND hwnd, bool showsSindhi);
    HFONT Font() const { return font_; }
    // A window that is part of the control (a combo box's edit) answers to it too.
    void Register(HWND part);
    // The font changed: the default hands it to the window with WM_SETFONT.
    virtual void FontChanged();

 private:
    void RebuildFont();
    void PublishFont();
    void Forget();

    HWND hwnd_;
    bool showsSindhi_;
    TwipsRect geometry_;
    std::wstring fontName_ = L"MS Sans Serif";
    float fontSize_ = 8.25f;
    bool fontBold_ = false;
    HFONT font_ = nullptr;
};

// The control a window handle belongs to, or nullptr.
Control* ControlOf(HWND hwnd);

// For a parent window's procedure: hands WM_COMMAND, WM_DRAWITEM, WM_MEASUREITEM and the
// WM_CTLCOLOR messages to the control they concern. Answers whether one handled it.
bool ReflectToControl(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

// Subclassing by the window procedure itself: `procedure` sees every message first and
// passes it on with CallPrevious (the window's earlier procedure, forgotten at
// WM_NCDESTROY).
void SubclassWindow(HWND hwnd, WNDPROC procedure);
LRESULT CallPrevious(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// A window's text (GetWindowTextW).
std::wstring WindowText(HWND hwnd);

// Creates a child window for a control: visible, clipping its siblings, with the id.
HWND CreateChild(HWND parent, const wchar_t* windowClass, DWORD style, DWORD exStyle, int id);

}  // namespace dictionary::controls
