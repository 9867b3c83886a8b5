// Which installed font the pictures draw with: the first of a preference list that the
// system has, so the pictures look the same wherever that font exists and still draw
// where it does not.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace sindhikit::pictures {

// Faces with the Sindhi letters (U+067A..U+06BE, the implosives and retroflexes) and
// good Naskh shaping first; general fonts with Arabic coverage after them.
const std::vector<std::u16string>& PreferredArabicFaces();
// Faces for the Latin legends and tags.
const std::vector<std::u16string>& PreferredLatinFaces();
// Faces for transliteration and IPA: Latin letters with dots, lines and diaereses below, the
// IPA letters and modifier letters, and combining marks. DejaVu Sans first: its marks sit
// under the letter before them even where the script engine does not position marks.
const std::vector<std::u16string>& PreferredPhoneticFaces();

// The first face of `preferred` that `isInstalled` accepts; when none is, the last
// entry of the list, which the platform's font mapper resolves to something it has.
std::u16string ChooseFace(const std::vector<std::u16string>& preferred,
                          const std::function<bool(const std::u16string&)>& isInstalled);

}  // namespace sindhikit::pictures
