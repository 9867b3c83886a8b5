#include "layout/PhoneticGuidePictures.h"

#include <algorithm>

#include "alphabet/PhoneticGuide.h"
#include "layout/SceneBuilder.h"

namespace sindhikit::pictures {

namespace {

// Colours: a cream page, a dark red title band (the guide's separator line is red too).
constexpr Rgb kPaper{255, 253, 244};
constexpr Rgb kBand{128, 16, 16};
constexpr Rgb kBandText{255, 244, 224};
constexpr Rgb kCellEdge{200, 184, 146};
constexpr Rgb kLetterGround{247, 236, 210};
constexpr Rgb kLetter{40, 0, 0};
constexpr Rgb kName{0, 0, 112};
constexpr Rgb kLatin{70, 70, 70};
constexpr Rgb kTransliteration{160, 32, 16};
constexpr Rgb kSound{0, 96, 64};

// Each field of the table is one group of texts, drawn at one size.
enum FieldGroup { kLetterColumn = 1, kNameColumn, kLatinNameColumn, kTransliterationColumn, kSoundColumn };

constexpr int kAlphabetColumns = 4;
// The size at 96 dpi: the layout's proportions were set there.
constexpr PictureSize kAlphabetDesign{583, 524};
constexpr PictureSize kDigitsDesign{576, 101};
// The digits' title takes this many digit cells' width.
constexpr double kDigitsTitleCells = 1.6;

double ScaleOf(PictureSize size, PictureSize design) {
    return std::min(size.width / static_cast<double>(design.width), size.height / static_cast<double>(design.height));
}

GuidePicture BlankGuide(PictureSize size) {
    GuidePicture picture;
    picture.scene.size = size;
    picture.scene.ground = kPaper;
    return picture;
}

void AddTitleBand(Scene& scene, const PixelRect& band, double s) {
    AddShape(scene, ShapeKind::Fill, band, kBand);
    const int margin = Px(6 * s);
    const double titleBottom = band.top + band.Height() * 0.62;
    const double h = band.Height();
    // "Sindhi alphabet and pronunciation".
    AddText(scene, u"\u0633\u0646\u068C\u064A \u0627\u0644\u0641 \u0628 \u06FD \u0627\u064F\u0686\u0627\u0631",
            Box((band.left + band.right) / 2.0, band.top, band.right - margin, titleBottom),
            {TextFace::Sindhi, kBandText, false, TextAlign::Right}, 0.34 * h, 0.26 * h);
    AddText(scene, u"Phonetic Guide", Box(band.left + margin, band.top, (band.left + band.right) / 2.0, titleBottom),
            {TextFace::Latin, kBandText, true, TextAlign::Left}, 0.32 * h, 0.24 * h);
    AddText(scene, u"Right to left: letter \u00B7 name \u00B7 name in Latin letters \u00B7 transliteration /sound/",
            Box(band.left + margin, titleBottom, band.right - margin, band.bottom - 1),
            {TextFace::Phonetic, kBandText, false, TextAlign::Left}, 0.25 * h, 0.2 * h);
}

// Cells of `count` rows read right to left in rows of `columns`, inside `area`.
std::vector<PixelRect> RightToLeftGrid(const PixelRect& area, int count, int columns, double cellWidth) {
    const int rows = (count + columns - 1) / columns;
    const double rowHeight = area.Height() / static_cast<double>(rows);
    std::vector<PixelRect> cells;
    for (int i = 0; i < count; ++i) {
        const double right = area.right - (i % columns) * cellWidth;
        const double top = area.top + (i / columns) * rowHeight;
        cells.push_back(Box(right - cellWidth, top, right, top + rowHeight));
    }
    return cells;
}

}  // namespace

std::u16string SoundText(const std::u16string& ipa) {
    return u"/" + ipa + u"/";
}

std::u16string PhoneticCharacters() {
    std::u16string all = u"/";
    for (const PhoneticLetter& l : PhoneticGuideLetters()) all += l.nameLatin + l.transliteration + l.ipa;
    for (const SindhiDigit& d : SindhiDigits()) all += d.nameLatin;
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    return all;
}

GuidePicture BuildPhoneticAlphabetPicture(PictureSize size) {
    GuidePicture picture = BlankGuide(size);
    Scene& scene = picture.scene;
    const double s = ScaleOf(size, kAlphabetDesign);
    const int margin = std::max(1, Px(4 * s));
    const PixelRect band{0, 0, size.width, Px(46 * s)};
    AddTitleBand(scene, band, s);

    const auto& letters = PhoneticGuideLetters();
    const PixelRect grid{margin, band.bottom + margin, size.width - margin, size.height - margin};
    picture.cells = RightToLeftGrid(grid, static_cast<int>(letters.size()), kAlphabetColumns,
                                    grid.Width() / static_cast<double>(kAlphabetColumns));
    const int pad = std::max(1, Px(2 * s));
    for (size_t i = 0; i < letters.size(); ++i) {
        const PhoneticLetter& l = letters[i];
        const PixelRect& c = picture.cells[i];
        const double w = c.Width(), h = c.Height();
        // Right to left as Sindhi reads: the letter, its name, then the Latin column.
        const PixelRect letterBox{c.right - Px(0.25 * w), c.top + 1, c.right - 1, c.bottom - 1};
        const PixelRect nameBox{c.right - Px(0.58 * w), c.top + 1, letterBox.left - pad, c.bottom - 1};
        const int latinLeft = c.left + pad, latinRight = nameBox.left - pad;
        const int middle = (c.top + c.bottom) / 2;
        const int split = latinLeft + Px((latinRight - latinLeft) * 0.4);
        AddShape(scene, ShapeKind::Fill, letterBox, kLetterGround);
        AddShape(scene, ShapeKind::Outline, c, kCellEdge);
        AddText(scene, l.letter, letterBox, {TextFace::Sindhi, kLetter, false, TextAlign::Centre, kLetterColumn},
                0.6 * h, 0.4 * h);
        AddText(scene, l.name, nameBox, {TextFace::Sindhi, kName, false, TextAlign::Centre, kNameColumn}, 0.5 * h,
                0.3 * h);
        AddText(scene, l.nameLatin, {latinLeft, c.top + 1, latinRight, middle},
                {TextFace::Phonetic, kLatin, false, TextAlign::Centre, kLatinNameColumn}, 0.42 * h, 0.27 * h);
        AddText(scene, l.transliteration, {latinLeft, middle, split, c.bottom - 1},
                {TextFace::Phonetic, kTransliteration, true, TextAlign::Centre, kTransliterationColumn}, 0.42 * h,
                0.27 * h);
        AddText(scene, SoundText(l.ipa), {split, middle, latinRight, c.bottom - 1},
                {TextFace::Phonetic, kSound, false, TextAlign::Centre, kSoundColumn}, 0.42 * h, 0.27 * h);
    }
    return picture;
}

GuidePicture BuildPhoneticDigitsPicture(PictureSize size) {
    GuidePicture picture = BlankGuide(size);
    Scene& scene = picture.scene;
    const double s = ScaleOf(size, kDigitsDesign);
    const int margin = std::max(1, Px(3 * s));
    const auto& digits = SindhiDigits();
    const int count = static_cast<int>(digits.size());
    const PixelRect area{margin, margin, size.width - margin, size.height - margin};
    const double cellWidth = area.Width() / (count + kDigitsTitleCells);
    picture.cells = RightToLeftGrid(area, count, count, cellWidth);

    const PixelRect title{area.left, area.top, picture.cells.back().left - 1, area.bottom};
    AddShape(scene, ShapeKind::Fill, title, kBand);
    const double th = title.Height();
    // "Sindhi digits".
    AddText(scene, u"\u0633\u0646\u068C\u064A \u0627\u0646\u06AF",
            Box(title.left + 2, title.top, title.right - 2, title.top + 0.58 * th), {TextFace::Sindhi, kBandText},
            0.2 * th, 0.15 * th);
    AddText(scene, u"Digits", Box(title.left + 2, title.top + 0.58 * th, title.right - 2, title.bottom - 0.1 * th),
            {TextFace::Latin, kBandText, true}, 0.17 * th, 0.13 * th);

    for (int i = 0; i < count; ++i) {
        const SindhiDigit& d = digits[i];
        const PixelRect& c = picture.cells[i];
        const double h = c.Height();
        const PixelRect digitBox = Box(c.left + 1, c.top + 1, c.right - 1, c.top + 0.46 * h);
        const PixelRect nameBox = Box(c.left + 1, c.top + 0.46 * h, c.right - 1, c.top + 0.76 * h);
        const PixelRect latinBox = Box(c.left + 1, c.top + 0.76 * h, c.right - 1, c.bottom - 1);
        AddShape(scene, ShapeKind::Fill, digitBox, kLetterGround);
        AddShape(scene, ShapeKind::Outline, c, kCellEdge);
        AddText(scene, d.digits, digitBox, {TextFace::Sindhi, kLetter, false, TextAlign::Centre, kLetterColumn},
                0.25 * h, 0.18 * h);
        AddText(scene, d.name, nameBox, {TextFace::Sindhi, kName, false, TextAlign::Centre, kNameColumn}, 0.17 * h,
                0.12 * h);
        AddText(scene, d.nameLatin, latinBox, {TextFace::Phonetic, kLatin, false, TextAlign::Centre, kLatinNameColumn},
                0.18 * h, 0.11 * h);
    }
    return picture;
}

}  // namespace sindhikit::pictures
