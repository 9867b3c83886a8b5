#include "win/ShapedLine.h"

namespace sindhikit::pictures {

ShapedLine::ShapedLine(HDC dc, const std::wstring& text, bool rightToLeft) {
    if (text.empty()) return;
    const int length = static_cast<int>(text.size());
    // No font fallback: a glyph the face lacks must show as missing, not be borrowed unseen.
    const DWORD flags = SSA_GLYPHS | (rightToLeft ? SSA_RTL : 0);
    if (FAILED(ScriptStringAnalyse(dc, text.c_str(), length, length * 3 / 2 + 16, -1, flags, 0, nullptr, nullptr,
                                   nullptr, nullptr, nullptr, &analysis_))) {
        analysis_ = nullptr;
    }
}

ShapedLine::~ShapedLine() {
    if (analysis_) ScriptStringFree(&analysis_);
}

SIZE ShapedLine::Size() const {
    const SIZE* size = analysis_ ? ScriptString_pSize(analysis_) : nullptr;
    return size ? *size : SIZE{0, 0};
}

void ShapedLine::Draw(int x, int y) const {
    if (analysis_) ScriptStringOut(analysis_, x, y, 0, nullptr, 0, 0, FALSE);
}

}  // namespace sindhikit::pictures
