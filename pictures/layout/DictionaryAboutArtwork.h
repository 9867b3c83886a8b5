// The Dictionary's About artwork, at any pixel size: the program's name in English and
// Sindhi on a dark band, its version, the maker and the maker's contacts, and the credits of
// the word store's sources, on white.
#pragma once

#include <string>

#include "layout/Scene.h"

namespace sindhikit::pictures {

// The picture's box: the whole inner area of the About window.
inline constexpr TwipsSize kDictionaryAboutTwips{8880, 6465};
// Where the About window puts its yellow copyright sign over the picture, in the same twips.
inline constexpr int kCopyrightLabelLeft = 8640, kCopyrightLabelTop = 1440;
inline constexpr int kCopyrightLabelWidth = 225, kCopyrightLabelHeight = 360;

// `version` is the program's version ("2.0.0"); when empty the picture shows no version line.
Scene BuildDictionaryAboutArtwork(PictureSize size, const std::u16string& version);

// The copyright label's place in a picture of `size`: the band is dark there, so the yellow
// sign shows, and no text of the artwork lies under it.
PixelRect CopyrightLabelRect(PictureSize size);

}  // namespace sindhikit::pictures
