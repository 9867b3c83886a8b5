// Labels: a caption on a background colour, or on whatever lies beneath it (transparent),
// aligned left, right or centred, optionally sizing itself to its caption; a clickable
// label raises Click and shows the hand-shaped pointer.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "Control.h"

namespace dictionary::controls {

enum class Align { Left, Centre, Right };

struct LabelLook {
    std::optional<COLORREF> background;  // nullopt: transparent
    COLORREF foreground = GetSysColor(COLOR_WINDOWTEXT);
    Align align = Align::Left;
    bool autoSize = false;
    bool clickable = false;  // hand pointer, Click
    bool showsSindhi = false;
};

class Label : public Control {
 public:
    static std::unique_ptr<Label> Create(HWND parent, int id, const std::wstring& caption, LabelLook look);

    std::function<void()> Click;

    std::wstring Caption() const;
    // A caption equal to the current one changes nothing (no repaint).
    void SetCaption(const std::wstring& caption);

    // Paints the label's background and caption into `dc` at the label's own origin.
    void PaintTo(HDC dc) const;

 protected:
    void FontChanged() override;

 private:
    Label(HWND hwnd, LabelLook look);
    static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM);
    void PaintBeneath(HDC dc) const;
    void FitCaption();

    LabelLook look_;
    std::wstring caption_;  // kept here too: the loading loop compares it on every row
};

}  // namespace dictionary::controls
