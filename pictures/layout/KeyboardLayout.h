// The keyboard pictures' content: a US keyboard's four rows of character keys, each
// key carrying its Latin legend and the label its language's key map gives it.
// The renderer draws only what is here, so a picture cannot disagree with its map.
#pragma once

#include <vector>

#include "keymaps/KeyMap.h"
#include "layout/Geometry.h"
#include "layout/KeyLabel.h"

namespace sindhikit::pictures {

struct KeyCap {
    int row = 0;           // 0 = digit row ... 3 = bottom letter row
    int column = 0;        // position within the row, left to right
    KeyCode code = 0;      // the character the key types in this shift state
    CodePoint mapped = 0;  // what the language's map gives for that code
    KeyLabel label;        // what the cap shows for `mapped`
    PixelRect rect;        // where the cap is drawn in the picture
};

struct KeyboardLayout {
    Langs lang = Langs::Sindhi;
    bool shifted = false;
    PictureSize size;
    std::vector<KeyCap> keys;
};

// The size the window's layout was made for, per language and shift state.
PictureSize KeyboardPictureSize(Langs lang, bool shifted);

// The four rows of the US keyboard in one shift state, as typed characters.
const std::vector<const char*>& KeyboardRows(bool shifted);

// Builds the layout by calling the language's key map on every key's character.
// Only Sindhi, Urdu and Farsi have pictures; other values yield an empty layout.
KeyboardLayout BuildKeyboardLayout(Langs lang, bool shifted);

}  // namespace sindhikit::pictures
