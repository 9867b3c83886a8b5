// The resize sequences of the two lookup windows: a fixed list of assignments run on every
// resize of the window, each reading the controls' current values (so it sees what the
// earlier steps left) in single-precision arithmetic. A width or height that comes out
// negative (a window too small, or minimised) is not applied: the control keeps its value
// and later steps read that. Negative places are applied as computed; fractional twips
// (half a twip from halving an odd height) are handed on unchanged.
#pragma once

#include "layout/ControlGeometry.h"
#include "layout/LookupWindowDesign.h"

namespace sindhikit::layout {

void ResizeEnglish2Sindhi(ControlGeometry<English2SindhiControl>& controls, InnerArea area);
void ResizeSindhiToEnglish(ControlGeometry<SindhiToEnglishControl>& controls, InnerArea area);

// Places every control of the table at its design place and size.
template <class Control, std::size_t N>
void PlaceAtDesign(ControlGeometry<Control>& controls, const std::array<DesignBox<Control>, N>& design) {
    for (const DesignBox<Control>& box : design) {
        controls.Set(box.control, Dimension::Left, box.left);
        controls.Set(box.control, Dimension::Top, box.top);
        controls.Set(box.control, Dimension::Width, box.width);
        controls.Set(box.control, Dimension::Height, box.height);
    }
}

}  // namespace sindhikit::layout
