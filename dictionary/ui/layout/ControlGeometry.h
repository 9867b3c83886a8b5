// The place and size of a window's controls in twips, as the resize sequences see them:
// read and written one property at a time, so that each step reads what the control holds
// after the earlier steps (a Win32 control snaps to whole pixels).
#pragma once

namespace sindhikit::layout {

enum class Dimension { Left, Top, Width, Height };

// `Control` names the controls of one window (an enumeration).
template <class Control>
class ControlGeometry {
 public:
    virtual ~ControlGeometry() = default;
    virtual float Get(Control control, Dimension dimension) const = 0;
    virtual void Set(Control control, Dimension dimension, float twips) = 0;
};

// The window's inner (client) area in twips, in the coordinates the controls are placed in.
struct InnerArea {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

}  // namespace sindhikit::layout
