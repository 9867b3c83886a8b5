// The Dictionary's pictures at the sizes its windows ask for: each design box at common screen
// resolutions, and the banner also as wide as a maximised window and narrower than its design.
#pragma once

#include <string>
#include <vector>

#include "layout/DictionaryAboutArtwork.h"
#include "layout/LookupBanner.h"
#include "layout/PhoneticGuidePictures.h"

namespace sindhikit::pictures {

inline constexpr int kReferenceDpis[] = {96, 120, 144, 192};

struct NamedScene {
    std::string name;  // e.g. "alphabet_144dpi"
    int dpi = 96;
    Scene scene;
};

inline std::vector<NamedScene> ReferenceScenes(const std::vector<int>& dpis = {std::begin(kReferenceDpis),
                                                                               std::end(kReferenceDpis)}) {
    std::vector<NamedScene> scenes;
    for (int dpi : dpis) {
        const std::string at = "_" + std::to_string(dpi) + "dpi";
        const PictureSize banner = PixelsForTwips(kLookupBannerTwips, dpi, dpi);
        scenes.push_back({"alphabet" + at, dpi,
                          BuildPhoneticAlphabetPicture(PixelsForTwips(kPhoneticAlphabetTwips, dpi, dpi)).scene});
        scenes.push_back(
            {"digits" + at, dpi, BuildPhoneticDigitsPicture(PixelsForTwips(kPhoneticDigitsTwips, dpi, dpi)).scene});
        scenes.push_back({"about" + at, dpi,
                          BuildDictionaryAboutArtwork(PixelsForTwips(kDictionaryAboutTwips, dpi, dpi), u"2.0.0")});
        scenes.push_back({"banner" + at, dpi, BuildLookupBanner(banner)});
        scenes.push_back({"banner_wide" + at, dpi, BuildLookupBanner({banner.width * 5 / 2, banner.height})});
        scenes.push_back({"banner_narrow" + at, dpi, BuildLookupBanner({banner.width * 3 / 5, banner.height})});
    }
    return scenes;
}

}  // namespace sindhikit::pictures
