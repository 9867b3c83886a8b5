// The Dictionary's pictures as geometry, at the sizes the windows ask for at common
// resolutions: each cell shows its own row of the guide's tables, nothing leaves the picture
// or lies on another text, and the About artwork keeps the copyright sign's place dark and clear.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "alphabet/PhoneticGuide.h"
#include "layout/DictionaryAboutArtwork.h"
#include "layout/LookupBanner.h"
#include "layout/PhoneticGuidePictures.h"
#include "tests/ReferenceScenes.h"

using namespace sindhikit;
using namespace sindhikit::pictures;

namespace {

std::multiset<std::u16string> TextsInside(const Scene& scene, const PixelRect& cell) {
    std::multiset<std::u16string> texts;
    for (const TextItem& t : scene.texts) {
        if (cell.Contains(t.box)) texts.insert(t.text);
    }
    return texts;
}

}  // namespace

TEST(ReferenceLayout, PixelSizesAreTheTwipsBoxesAtTheScreensResolution) {
    EXPECT_EQ(PixelsForTwips(kPhoneticAlphabetTwips, 96, 96).width, 583);
    EXPECT_EQ(PixelsForTwips(kPhoneticAlphabetTwips, 96, 96).height, 524);
    EXPECT_EQ(PixelsForTwips(kPhoneticAlphabetTwips, 144, 144).width, 875);  // 874.5 rounds up
    EXPECT_EQ(PixelsForTwips(kLookupBannerTwips, 120, 120).height, 134);
}

TEST(ReferenceLayout, EachAlphabetCellShowsItsLettersRowRightToLeft) {
    const auto& letters = PhoneticGuideLetters();
    for (int dpi : kReferenceDpis) {
        SCOPED_TRACE(dpi);
        const GuidePicture picture = BuildPhoneticAlphabetPicture(PixelsForTwips(kPhoneticAlphabetTwips, dpi, dpi));
        ASSERT_EQ(picture.cells.size(), letters.size());
        for (size_t i = 0; i < letters.size(); ++i) {
            const PhoneticLetter& l = letters[i];
            const std::multiset<std::u16string> expected = {l.letter, l.name, l.nameLatin, l.transliteration,
                                                            SoundText(l.ipa)};
            EXPECT_EQ(TextsInside(picture.scene, picture.cells[i]), expected) << "letter " << i + 1;
            if (i == 0) continue;
            const PixelRect &cell = picture.cells[i], &before = picture.cells[i - 1];
            if (cell.top == before.top) {
                EXPECT_EQ(cell.right, before.left) << "letter " << i + 1 << " is not left of the one before";
            } else {
                EXPECT_GE(cell.top, before.bottom) << "letter " << i + 1;
                EXPECT_GT(cell.right, before.right) << "a new row starts at the right";
            }
        }
        // The first letter is at the top right.
        EXPECT_EQ(picture.cells.front().right,
                  std::max_element(picture.cells.begin(), picture.cells.end(), [](auto& a, auto& b) {
                      return a.right < b.right;
                  })->right);
    }
}

TEST(ReferenceLayout, EachDigitCellShowsItsDigitAndName) {
    const auto& digits = SindhiDigits();
    for (int dpi : kReferenceDpis) {
        const GuidePicture picture = BuildPhoneticDigitsPicture(PixelsForTwips(kPhoneticDigitsTwips, dpi, dpi));
        ASSERT_EQ(picture.cells.size(), digits.size());
        for (size_t i = 0; i < digits.size(); ++i) {
            const std::multiset<std::u16string> expected = {digits[i].digits, digits[i].name, digits[i].nameLatin};
            EXPECT_EQ(TextsInside(picture.scene, picture.cells[i]), expected) << dpi << " dpi, digit " << i;
            if (i > 0) {
                EXPECT_LT(picture.cells[i].right, picture.cells[i - 1].right) << "zero is at the right";
            }
        }
    }
}

TEST(ReferenceLayout, TextsAndShapesStayInsideThePictureAndApart) {
    for (const auto& named : ReferenceScenes()) {
        SCOPED_TRACE(named.name);
        const Scene& scene = named.scene;
        const PixelRect whole{0, 0, scene.size.width, scene.size.height};
        ASSERT_GT(whole.Width(), 0);
        for (const Shape& shape : scene.shapes) EXPECT_TRUE(whole.Contains(shape.rect));
        ASSERT_FALSE(scene.texts.empty());
        for (size_t i = 0; i < scene.texts.size(); ++i) {
            const TextItem& t = scene.texts[i];
            EXPECT_FALSE(t.text.empty());
            EXPECT_TRUE(whole.Contains(t.box)) << i;
            // A box lower than the smallest the text may take could never hold it.
            EXPECT_GE(t.box.Height(), t.minPixelHeight) << i;
            EXPECT_GE(t.pixelHeight, t.minPixelHeight) << i;
            EXPECT_GE(t.minPixelHeight, 8) << "text " << i << " would be too small to read";
            for (size_t j = i + 1; j < scene.texts.size(); ++j) {
                EXPECT_FALSE(t.box.Overlaps(scene.texts[j].box)) << "texts " << i << " and " << j;
            }
        }
    }
}

TEST(ReferenceLayout, AboutArtworkKeepsTheCopyrightSignsPlaceDarkAndClear) {
    for (int dpi : kReferenceDpis) {
        SCOPED_TRACE(dpi);
        const PictureSize size = PixelsForTwips(kDictionaryAboutTwips, dpi, dpi);
        const Scene scene = BuildDictionaryAboutArtwork(size, u"2.0.0");
        const PixelRect label = CopyrightLabelRect(size);
        EXPECT_GT(label.Width(), 0);
        bool dark = false;
        for (const Shape& s : scene.shapes) {
            if (s.kind == ShapeKind::Fill && s.rect.Contains(label)) dark = s.colour.r + s.colour.g + s.colour.b < 200;
        }
        EXPECT_TRUE(dark) << "the yellow sign needs a dark ground";
        for (const TextItem& t : scene.texts) EXPECT_FALSE(t.box.Overlaps(label));
        const auto texts = TextsInside(scene, {0, 0, size.width, size.height});
        EXPECT_EQ(texts.count(u"Version 2.0.0"), 1u);
        EXPECT_EQ(texts.count(u"Dictionary"), 1u);
    }
    for (const TextItem& t : BuildDictionaryAboutArtwork({592, 431}, u"").texts) {
        EXPECT_EQ(t.text.find(u"Version"), std::u16string::npos) << "no version, no version line";
    }
}

TEST(ReferenceLayout, BannerShadesBetweenTheTwoWindowsColoursWithEnglishLeftAndSindhiRight) {
    for (int width : {300, 730, 1900}) {
        const Scene scene = BuildLookupBanner({width, 107});
        ASSERT_FALSE(scene.shapes.empty());
        const Shape& ground = scene.shapes.front();
        EXPECT_EQ(ground.kind, ShapeKind::Gradient);
        EXPECT_TRUE(ground.rect.Contains({0, 0, width, 107}));
        EXPECT_EQ(ground.colour, kEnglishToSindhiGround);
        EXPECT_EQ(ground.colourRight, kSindhiToEnglishGround);
        int english = 0, sindhi = 0;
        for (const TextItem& t : scene.texts) {
            if (t.face == TextFace::Sindhi) {
                EXPECT_GE(t.box.left, width / 2) << width;
                ++sindhi;
            } else {
                EXPECT_LE(t.box.right, width / 2) << width;
                ++english;
            }
        }
        EXPECT_GT(english, 0);
        EXPECT_GT(sindhi, 0);
    }
}
