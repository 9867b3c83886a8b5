// Fonts for the pictures: the preferred face that is installed, at a pixel height.
#pragma once

#include <windows.h>

#include <string>

namespace sindhikit::pictures {

// Whether the system has a font family of this name.
bool IsFaceInstalled(const std::u16string& face);

// The faces the pictures use on this system (chosen once, from the preference lists).
const std::wstring& ArabicFace();
const std::wstring& LatinFace();
// The first preferred phonetic face that has every character the phonetic guide writes.
const std::wstring& PhoneticFace();

// An owned font handle; the face is matched with the Arabic character set for Arabic text.
class PictureFont {
 public:
    PictureFont(const std::wstring& face, int pixelHeight, bool bold = false, bool arabic = false);
    ~PictureFont();
    PictureFont(const PictureFont&) = delete;
    PictureFont& operator=(const PictureFont&) = delete;
    HFONT Get() const { return font_; }

 private:
    HFONT font_ = nullptr;
};

// Whether `font` has a glyph of its own for every character of `text`: GDI draws a
// missing one as an empty box rather than borrowing it from another font.
bool FontHasGlyphs(HFONT font, const std::wstring& text);

// The portable layout's UTF-16 (and ASCII) text as GDI's wide strings: the same code units.
inline std::wstring Wide(const std::u16string& s) {
    return std::wstring(s.begin(), s.end());
}
inline std::wstring Wide(const std::string& s) {
    return std::wstring(s.begin(), s.end());
}

// Draws `text` centred in `rect`; Arabic runs are laid out right to left and shaped by
// the platform's script engine.
void DrawCentred(HDC dc, const std::wstring& text, RECT rect, HFONT font, COLORREF colour, bool rtl);
// Draws `text` at the left or right edge of `rect` on one line.
void DrawAligned(HDC dc, const std::wstring& text, RECT rect, HFONT font, COLORREF colour, UINT format);

}  // namespace sindhikit::pictures
