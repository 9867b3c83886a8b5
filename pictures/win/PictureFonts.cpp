#include "win/PictureFonts.h"

#include <algorithm>
#include <vector>

#include "layout/FontChoice.h"
#include "layout/PhoneticGuidePictures.h"

namespace sindhikit::pictures {

namespace {

int CALLBACK NoteFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

}  // namespace

bool IsFaceInstalled(const std::u16string& face) {
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    const std::wstring wide(face.begin(), face.end());
    if (wide.size() >= LF_FACESIZE) return false;
    wide.copy(query.lfFaceName, wide.size());
    bool found = false;
    HDC dc = GetDC(nullptr);
    EnumFontFamiliesExW(dc, &query, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, dc);
    return found;
}

namespace {

std::wstring Choose(const std::vector<std::u16string>& preferred) {
    const std::u16string face = ChooseFace(preferred, IsFaceInstalled);
    return std::wstring(face.begin(), face.end());
}

}  // namespace

const std::wstring& ArabicFace() {
    static const std::wstring face = Choose(PreferredArabicFaces());
    return face;
}

const std::wstring& LatinFace() {
    static const std::wstring face = Choose(PreferredLatinFaces());
    return face;
}

const std::wstring& PhoneticFace() {
    static const std::wstring face = [] {
        const std::wstring needed = Wide(PhoneticCharacters());
        return Wide(ChooseFace(PreferredPhoneticFaces(), [&](const std::u16string& candidate) {
            if (!IsFaceInstalled(candidate)) return false;
            PictureFont font(Wide(candidate), 16);
            return FontHasGlyphs(font.Get(), needed);
        }));
    }();
    return face;
}

PictureFont::PictureFont(const std::wstring& face, int pixelHeight, bool bold, bool arabic) {
    LOGFONTW lf{};
    lf.lfHeight = -pixelHeight;  // character height, not cell height
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = arabic ? ARABIC_CHARSET : DEFAULT_CHARSET;
    lf.lfQuality = ANTIALIASED_QUALITY;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    face.copy(lf.lfFaceName, std::min<size_t>(face.size(), LF_FACESIZE - 1));
    font_ = CreateFontIndirectW(&lf);
}

PictureFont::~PictureFont() {
    if (font_) DeleteObject(font_);
}

bool FontHasGlyphs(HFONT font, const std::wstring& text) {
    if (!font || text.empty()) return false;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    std::vector<WORD> glyphs(text.size());
    const DWORD n =
        GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(dc, old);
    DeleteDC(dc);
    if (n == GDI_ERROR) return false;
    for (WORD g : glyphs) {
        if (g == 0xFFFF) return false;
    }
    return true;
}

void DrawAligned(HDC dc, const std::wstring& text, RECT rect, HFONT font, COLORREF colour, UINT format) {
    HGDIOBJ old = SelectObject(dc, font);
    SetTextColor(dc, colour);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, format | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
}

void DrawCentred(HDC dc, const std::wstring& text, RECT rect, HFONT font, COLORREF colour, bool rtl) {
    DrawAligned(dc, text, rect, font, colour, DT_CENTER | DT_VCENTER | (rtl ? DT_RTLREADING : 0));
}

}  // namespace sindhikit::pictures
