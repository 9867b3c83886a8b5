#include "layout/DictionaryAboutArtwork.h"

#include "layout/MakerInfo.h"
#include "layout/SceneBuilder.h"

namespace sindhikit::pictures {

namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBand{64, 0, 0};  // the English-to-Sindhi window's dark red
constexpr Rgb kGold{226, 178, 64};
constexpr Rgb kCream{255, 244, 224};
constexpr Rgb kBody{48, 48, 48};
constexpr Rgb kMaker{128, 16, 16};
constexpr Rgb kQuiet{110, 110, 110};
constexpr Rgb kRule{210, 200, 190};

std::u16string Ascii(const char* s) {
    std::u16string out;
    for (; *s; ++s) out += static_cast<char16_t>(static_cast<unsigned char>(*s));
    return out;
}

}  // namespace

PixelRect CopyrightLabelRect(PictureSize size) {
    const double sx = size.width / static_cast<double>(kDictionaryAboutTwips.width);
    const double sy = size.height / static_cast<double>(kDictionaryAboutTwips.height);
    return Box(kCopyrightLabelLeft * sx, kCopyrightLabelTop * sy, (kCopyrightLabelLeft + kCopyrightLabelWidth) * sx,
               (kCopyrightLabelTop + kCopyrightLabelHeight) * sy);
}

Scene BuildDictionaryAboutArtwork(PictureSize size, const std::u16string& version) {
    Scene scene;
    scene.size = size;
    scene.ground = kWhite;
    const double w = size.width, h = size.height;
    const PixelRect band = Box(0, 0, w, 0.37 * h);
    AddShape(scene, ShapeKind::Fill, band, kBand);
    AddShape(scene, ShapeKind::Fill, Box(0, band.bottom, w, band.bottom + 0.012 * h), kGold);

    // The band: the name in English at the left, in Sindhi at the right ("dictionary"), and
    // below them what it translates ("English and Sindhi"). Its right end stays clear for the
    // window's copyright sign.
    const double left = 0.06 * w, right = 0.9 * w, middle = 0.6 * w;
    AddText(scene, kDictionaryName, Box(left, 0.06 * h, middle, 0.24 * h),
            {TextFace::Latin, kWhite, true, TextAlign::Left}, 0.1 * h, 0.07 * h);
    AddText(scene, u"\u0644\u063A\u062A", Box(middle, 0.04 * h, right, 0.24 * h),
            {TextFace::Sindhi, kGold, true, TextAlign::Right}, 0.085 * h, 0.06 * h);
    AddText(scene, u"English to Sindhi \u00B7 Sindhi to English", Box(left, 0.25 * h, middle, 0.33 * h),
            {TextFace::Latin, kCream, false, TextAlign::Left}, 0.036 * h, 0.028 * h);
    AddText(scene, u"\u0627\u0646\u06AF\u0631\u064A\u0632\u064A \u06FD \u0633\u0646\u068C\u064A",
            Box(middle, 0.24 * h, right, 0.35 * h), {TextFace::Sindhi, kCream, false, TextAlign::Right}, 0.05 * h,
            0.03 * h);

    // The white part: version, maker, contacts, credits.
    const double full = 0.94 * w;
    if (!version.empty()) {
        AddText(scene, u"Version " + version, Box(left, 0.42 * h, middle, 0.5 * h),
                {TextFace::Latin, kBody, false, TextAlign::Left}, 0.042 * h, 0.03 * h);
    }
    AddText(scene, kMakerName, Box(left, 0.54 * h, middle, 0.62 * h), {TextFace::Latin, kMaker, true, TextAlign::Left},
            0.046 * h, 0.034 * h);
    AddText(scene, u"E-mail: " + Ascii(kMakerEmail), Box(left, 0.63 * h, full, 0.69 * h),
            {TextFace::Latin, kBody, false, TextAlign::Left}, 0.034 * h, 0.026 * h);
    AddText(scene, u"Web: " + Ascii(kMakerWebsite), Box(left, 0.69 * h, full, 0.75 * h),
            {TextFace::Latin, kBody, false, TextAlign::Left}, 0.034 * h, 0.026 * h);
    AddShape(scene, ShapeKind::Fill, Box(left, 0.83 * h, full, 0.83 * h + 1), kRule);
    AddText(scene, u"Words from the Unicode CLDR and from WordNet 3.0, Princeton University",
            Box(left, 0.86 * h, full, 0.92 * h), {TextFace::Latin, kQuiet, false, TextAlign::Left}, 0.03 * h,
            0.024 * h);
    return scene;
}

}  // namespace sindhikit::pictures
