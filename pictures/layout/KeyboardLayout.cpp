#include "layout/KeyboardLayout.h"

#include <cstring>

namespace sindhikit::pictures {

namespace {

// Rows are staggered as on a real keyboard; offsets in key widths.
constexpr double kRowOffset[4] = {0.0, 0.5, 0.75, 1.25};
constexpr double kWidestRowUnits = 13.5;  // the Q row: half a key of offset plus 13 keys
constexpr int kMargin = 2;
constexpr int kGap = 2;  // between neighbouring caps

}  // namespace

PictureSize KeyboardPictureSize(Langs lang, bool shifted) {
    switch (lang) {
        case Langs::Sindhi:
            return shifted ? PictureSize{450, 175} : PictureSize{451, 175};
        case Langs::Urdu:
            return shifted ? PictureSize{459, 181} : PictureSize{453, 177};
        case Langs::Farsi:
            return shifted ? PictureSize{457, 177} : PictureSize{452, 178};
        default:
            return {};
    }
}

const std::vector<const char*>& KeyboardRows(bool shifted) {
    static const std::vector<const char*> plain = {"`1234567890-=", "qwertyuiop[]\\", "asdfghjkl;'", "zxcvbnm,./"};
    static const std::vector<const char*> shift = {"~!@#$%^&*()_+", "QWERTYUIOP{}|", "ASDFGHJKL:\"", "ZXCVBNM<>?"};
    return shifted ? shift : plain;
}

KeyboardLayout BuildKeyboardLayout(Langs lang, bool shifted) {
    KeyboardLayout layout;
    layout.lang = lang;
    layout.shifted = shifted;
    layout.size = KeyboardPictureSize(lang, shifted);
    if (layout.size.width == 0) return layout;

    const auto& rows = KeyboardRows(shifted);
    const double unit = (layout.size.width - 2 * kMargin) / kWidestRowUnits;
    const double rowHeight = (layout.size.height - 2 * kMargin) / static_cast<double>(rows.size());
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const char* row = rows[r];
        for (int c = 0; c < static_cast<int>(std::strlen(row)); ++c) {
            KeyCap key;
            key.row = r;
            key.column = c;
            key.code = static_cast<unsigned char>(row[c]);
            key.mapped = KeyToUnicode(static_cast<std::int32_t>(lang), key.code);
            key.label = LabelForCodePoint(key.mapped);
            const double x = kMargin + (kRowOffset[r] + c) * unit;
            const double y = kMargin + r * rowHeight;
            key.rect = {static_cast<int>(x), static_cast<int>(y), static_cast<int>(x + unit) - kGap,
                        static_cast<int>(y + rowHeight) - kGap};
            layout.keys.push_back(key);
        }
    }
    return layout;
}

}  // namespace sindhikit::pictures
