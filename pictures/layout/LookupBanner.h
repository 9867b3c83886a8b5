// The banner across the top of both lookup windows, at any pixel size: the kit's name in
// English and in Sindhi on a ground shaded from the English-to-Sindhi window's dark red to
// the Sindhi-to-English window's dark olive. It is one picture in both windows.
#pragma once

#include "layout/Scene.h"

namespace sindhikit::pictures {

// The design box; the windows stretch its width to their inner width and keep its height.
inline constexpr TwipsSize kLookupBannerTwips{10950, 1605};

inline constexpr Rgb kEnglishToSindhiGround{64, 0, 0};
inline constexpr Rgb kSindhiToEnglishGround{64, 64, 0};

Scene BuildLookupBanner(PictureSize size);

}  // namespace sindhikit::pictures
