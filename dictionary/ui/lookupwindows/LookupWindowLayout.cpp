#include "LookupWindowLayout.h"

#include "winui/Twips.h"

namespace dictionary {

sindhikit::layout::PixelScale ScreenPixelScale() {
    const sindhikit::winui::Dpi dpi = sindhikit::winui::Dpi::OfScreen();
    return {dpi.x, dpi.y};
}

}  // namespace dictionary
