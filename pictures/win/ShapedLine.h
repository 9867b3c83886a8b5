// One line of text shaped by the platform's script engine (Uniscribe) with the font selected
// in a DC: Arabic letters take their joined forms, marks sit on their letters, and the line is
// measured exactly as it is drawn.
#pragma once

#include <windows.h>
#include <usp10.h>

#include <string>

namespace sindhikit::pictures {

class ShapedLine {
 public:
    // `rightToLeft` lays the line out in Sindhi's reading order (digits still read left to right).
    ShapedLine(HDC dc, const std::wstring& text, bool rightToLeft);
    ~ShapedLine();
    ShapedLine(const ShapedLine&) = delete;
    ShapedLine& operator=(const ShapedLine&) = delete;

    bool Ok() const { return analysis_ != nullptr; }
    // Advance width and line height (ascent plus descent) of the font.
    SIZE Size() const;
    // Draws with the DC's text colour, the line box's top-left corner at (x, y).
    void Draw(int x, int y) const;

 private:
    SCRIPT_STRING_ANALYSIS analysis_ = nullptr;
};

}  // namespace sindhikit::pictures
