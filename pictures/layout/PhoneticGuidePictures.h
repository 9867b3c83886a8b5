// The phonetic guide's two pictures, drawn from the guide's tables at any pixel size:
// the alphabet (each letter with its name in Sindhi and in Latin letters, its transliteration
// and its sound) and the digits 0 to 10 with their names.
#pragma once

#include <string>
#include <vector>

#include "layout/Scene.h"

namespace sindhikit::pictures {

// The pictures' boxes in the phonetic guide window.
inline constexpr TwipsSize kPhoneticAlphabetTwips{8745, 7860};
inline constexpr TwipsSize kPhoneticDigitsTwips{8640, 1515};

struct GuidePicture {
    Scene scene;
    // One cell per row of the table, in the table's order; the row's texts lie inside it.
    std::vector<PixelRect> cells;
};

// Letters read right to left in rows of four under a title band.
GuidePicture BuildPhoneticAlphabetPicture(PictureSize size);
// Digits read right to left, 0 at the right, with a title at the left end.
GuidePicture BuildPhoneticDigitsPicture(PictureSize size);

// How the guide writes a sound: between slashes, as phonemes are.
std::u16string SoundText(const std::u16string& ipa);

// Every character the guide writes in Latin letters (names, transliterations, sounds): the face
// chosen for them must have all of these.
std::u16string PhoneticCharacters();

}  // namespace sindhikit::pictures
