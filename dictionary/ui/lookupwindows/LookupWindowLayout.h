// The lookup windows' controls under the layout: each control attached to its place in the
// design table, stacked in the table's order (topmost first) and placed at its design
// place and size; afterwards the window's resize sequence moves them, in twips at the
// screen's real resolution.
#pragma once

#include <windows.h>

#include <array>
#include <map>
#include <memory>

#include "Control.h"
#include "layout/LookupWindowDesign.h"
#include "layout/ResizeLookupWindows.h"
#include "layout/win/ChildWindowGeometry.h"

namespace dictionary {

// Twips to pixels at the resolution the screen reports (the program is DPI-aware).
sindhikit::layout::PixelScale ScreenPixelScale();

// `controls` names the window's control for each name of the design table.
template <class ControlName, std::size_t N>
std::unique_ptr<sindhikit::layout::ChildWindowGeometry<ControlName>> LayOutAtDesign(
    HWND window, const std::array<sindhikit::layout::DesignBox<ControlName>, N>& design,
    const std::map<ControlName, controls::Control*>& controls) {
    auto geometry =
        std::make_unique<sindhikit::layout::ChildWindowGeometry<ControlName>>(window, ScreenPixelScale(), N);
    for (const auto& box : design) {
        const HWND child = controls.at(box.control)->Hwnd();
        geometry->Attach(box.control, child);
        // Each one below those before it: the first of the table ends on top.
        SetWindowPos(child, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    sindhikit::layout::PlaceAtDesign(*geometry, design);
    return geometry;
}

}  // namespace dictionary
