#include "ControlFont.h"

#include <cmath>
#include <map>
#include <utility>

#include "win/PictureFonts.h"

namespace dictionary::controls {

namespace {

// Letters only Sindhi uses (implosives, retroflexes) with two common ones: a face that
// draws these draws any Sindhi word.
constexpr wchar_t kSindhiSample[] = L"\u067B\u0684\u068A\u068F\u06BB\u0633\u0646";

bool HasSindhiLetters(const std::wstring& face) {
    sindhikit::pictures::PictureFont font(face, 16, false, true);
    return sindhikit::pictures::FontHasGlyphs(font.Get(), kSindhiSample);
}

std::wstring Resolve(const std::wstring& name, bool showsSindhi) {
    const std::u16string face(name.begin(), name.end());
    const bool installed = !name.empty() && sindhikit::pictures::IsFaceInstalled(face);
    if (showsSindhi) return installed && HasSindhiLetters(name) ? name : sindhikit::pictures::ArabicFace();
    return installed ? name : sindhikit::pictures::LatinFace();
}

}  // namespace

std::wstring DrawingFaceFor(const std::wstring& name, bool showsSindhi) {
    // Asking the system walks its font list: remember each answer for the run.
    static std::map<std::pair<std::wstring, bool>, std::wstring> known;
    auto key = std::make_pair(name, showsSindhi);
    auto it = known.find(key);
    if (it == known.end()) it = known.emplace(key, Resolve(name, showsSindhi)).first;
    return it->second;
}

HFONT CreateControlFont(const std::wstring& name, float points, bool bold, bool showsSindhi) {
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    LOGFONTW lf{};
    lf.lfHeight = -static_cast<LONG>(std::lround(points * static_cast<float>(dpi) / 72.0f));
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = showsSindhi ? ARABIC_CHARSET : DEFAULT_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    const std::wstring face = DrawingFaceFor(name, showsSindhi);
    face.copy(lf.lfFaceName, std::min<size_t>(face.size(), LF_FACESIZE - 1));
    return CreateFontIndirectW(&lf);
}

}  // namespace dictionary::controls
