// What a key cap shows for the code point its key map gives it.
#pragma once

#include <string>

#include "keymaps/KeyMap.h"

namespace sindhikit::pictures {

enum class LabelKind {
    None,          // the key types nothing (a map answer of 0): the cap stays blank
    Glyph,         // a visible character, drawn in the Arabic-capable font
    Abbreviation,  // an invisible character, named by a short Latin tag ("ZWNJ")
};

struct KeyLabel {
    LabelKind kind = LabelKind::None;
    std::u16string text;
    // Drawn in right-to-left reading order. Only Arabic-script text is: a lone bracket,
    // parenthesis or guillemet drawn right to left comes out mirrored, showing the key's
    // partner instead of what the map types.
    bool rightToLeft = false;
};

// A character of the Arabic script blocks (letters, marks, digits, Arabic punctuation).
bool IsArabicScript(CodePoint cp);

// Combining marks have no width of their own; they are drawn on a tatweel so the
// mark sits on a visible stroke instead of on the cap's border.
bool IsArabicCombiningMark(CodePoint cp);

// Maps a key map's answer to the text its cap draws:
// 0 -> blank; ZWNJ/ZWJ/ZWNBSP and other format characters -> a short Latin tag;
// a combining mark -> tatweel + mark; anything else -> the character itself.
KeyLabel LabelForCodePoint(CodePoint cp);

}  // namespace sindhikit::pictures
