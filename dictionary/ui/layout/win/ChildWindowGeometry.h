// The resize sequences over real child windows: each control's place and size read from
// and written to its window in twips, converted at the screen's resolution. A read gives
// what the window holds after it snapped to whole pixels.
#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

#include "layout/ControlGeometry.h"

namespace sindhikit::layout {

// Twips and whole pixels at a resolution in dots per inch. A length that falls between two
// pixels goes to the nearer one, a half to the even one: at 144 dpi the design sizes end
// in half pixels (255 twips is 25.5 pixels), and sums of them then drift neither way.
struct PixelScale {
    int dpiX = 96;
    int dpiY = 96;
    int PixelsX(float twips) const;
    int PixelsY(float twips) const;
    float TwipsX(int pixels) const;
    float TwipsY(int pixels) const;
};

// The window's inner (client) area in twips.
InnerArea InnerAreaOf(HWND window, const PixelScale& scale);

// Child windows of one parent, by index.
class ChildWindowBoxes {
 public:
    ChildWindowBoxes(HWND parent, PixelScale scale, std::size_t count);
    void Attach(std::size_t index, HWND child);
    HWND Child(std::size_t index) const { return children_.at(index); }
    float Get(std::size_t index, Dimension dimension) const;
    void Set(std::size_t index, Dimension dimension, float twips);
    const PixelScale& Scale() const { return scale_; }

 private:
    RECT PixelBox(std::size_t index) const;  // in the parent's client coordinates

    HWND parent_;
    PixelScale scale_;
    std::vector<HWND> children_;
};

// `Control` is one window's control enumeration (0 to count - 1).
template <class Control>
class ChildWindowGeometry : public ControlGeometry<Control> {
 public:
    ChildWindowGeometry(HWND parent, PixelScale scale, std::size_t count) : boxes_(parent, scale, count) {}
    void Attach(Control control, HWND child) { boxes_.Attach(static_cast<std::size_t>(control), child); }
    HWND Child(Control control) const { return boxes_.Child(static_cast<std::size_t>(control)); }
    float Get(Control control, Dimension dimension) const override {
        return boxes_.Get(static_cast<std::size_t>(control), dimension);
    }
    void Set(Control control, Dimension dimension, float twips) override {
        boxes_.Set(static_cast<std::size_t>(control), dimension, twips);
    }
    const PixelScale& Scale() const { return boxes_.Scale(); }

 private:
    ChildWindowBoxes boxes_;
};

}  // namespace sindhikit::layout
