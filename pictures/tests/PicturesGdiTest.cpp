// The pictures as GDI draws them under Wine: size, depth, real ink where the layout puts
// letters, and different pixels for different languages and shift states.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

#include "win/PictureFonts.h"
#include "win/Pictures.h"
#include "gui/Pixels.h"
#include "gui/Screenshot.h"
#include "tests/OwnedBitmap.h"
#include "layout/KeyboardLayout.h"

using namespace sindhikit;
using namespace sindhikit::pictures;
using sindhikit::guitest::Pixels;
using sindhikit::guitest::ReadBitmap;

namespace {

const Langs kLangs[] = {Langs::Sindhi, Langs::Urdu, Langs::Farsi};

std::wstring Name(Langs lang, bool shifted) {
    const wchar_t* names[] = {L"", L"Sindhi", L"Urdu", L"Farsi"};
    return std::wstring(names[static_cast<int>(lang)]) + (shifted ? L"_Shift_KB" : L"_KB");
}

// Share of pixels inside `r` that are not the cap's white.
double InkIn(const Pixels& p, const PixelRect& r) {
    int ink = 0, all = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x, ++all) ink += p.At(x, y) != 0xFFFFFF;
    return all ? static_cast<double>(ink) / all : 0.0;
}

}  // namespace

TEST(PicturesGdi, PreferredFontsAreInstalled) {
    // The setup installs these; a fallback here would still draw, but not what we ship.
    EXPECT_EQ(ArabicFace(), L"Noto Naskh Arabic");
    EXPECT_FALSE(LatinFace().empty());
}

TEST(PicturesGdi, KeyboardPicturesAreDrawnAtTheirSizesAndDifferFromEachOther) {
    std::map<std::wstring, Pixels> drawn;
    for (Langs lang : kLangs) {
        for (bool shifted : {false, true}) {
            Bitmap bitmap(CreateKeyboardPicture(lang, shifted));
            ASSERT_TRUE(bitmap) << static_cast<int>(lang);
            BITMAP info{};
            ASSERT_TRUE(GetObjectW(bitmap.get(), sizeof(info), &info));
            const PictureSize size = KeyboardPictureSize(lang, shifted);
            EXPECT_EQ(info.bmWidth, size.width);
            EXPECT_EQ(std::abs(info.bmHeight), size.height);
            EXPECT_EQ(info.bmBitsPixel, 24);

            const Pixels p = ReadBitmap(bitmap.get());
            EXPECT_GT(p.InkFraction(), 0.3) << "mostly one colour: nothing drawn";
            EXPECT_GT(p.DistinctColours(), 20u) << "no antialiased text";
            drawn[Name(lang, shifted)] = p;
            EXPECT_TRUE(guitest::SaveBitmapScreenshot(bitmap.get(), L"picture_" + Name(lang, shifted)));
        }
    }
    // Compare the shared top-left area, so differing sizes alone cannot make them differ.
    auto crop = [](const Pixels& p) {
        Pixels c;
        c.width = 440;
        c.height = 170;
        for (int y = 0; y < c.height; ++y)
            c.bgr.insert(c.bgr.end(), p.bgr.begin() + (y * p.width) * 3, p.bgr.begin() + (y * p.width + c.width) * 3);
        return c;
    };
    for (auto a = drawn.begin(); a != drawn.end(); ++a) {
        for (auto b = std::next(a); b != drawn.end(); ++b) {
            EXPECT_GT(crop(a->second).DifferenceFrom(crop(b->second)), 0.01)
                << std::string(a->first.begin(), a->first.end()) << " vs "
                << std::string(b->first.begin(), b->first.end());
        }
    }
}

TEST(PicturesGdi, EveryLetterIsInkedOnItsCapAndBlankCapsStayBlank) {
    for (Langs lang : kLangs) {
        for (bool shifted : {false, true}) {
            Bitmap bitmap(CreateKeyboardPicture(lang, shifted));
            const Pixels p = ReadBitmap(bitmap.get());
            ASSERT_GT(p.width, 0);
            for (const KeyCap& key : BuildKeyboardLayout(lang, shifted).keys) {
                // The letter's area: below the legend, inside the cap's border.
                const PixelRect area{key.rect.left + 3, key.rect.top + 14, key.rect.right - 3, key.rect.bottom - 3};
                const double ink = InkIn(p, area);
                if (key.label.kind == LabelKind::None) {
                    EXPECT_EQ(ink, 0.0) << "key " << static_cast<char>(key.code);
                } else {
                    EXPECT_GT(ink, 0.01) << "lang " << static_cast<int>(lang) << " key " << static_cast<char>(key.code);
                }
            }
        }
    }
}

TEST(PicturesGdi, SortOrderAndAboutPicturesAreDrawnAtTheirSizes) {
    const struct {
        HBITMAP (*create)();
        int width, height;
        const wchar_t* name;
    } cases[] = {
        {CreateSortOrderPicture, 427, 583, L"picture_SortOrder"},
        {CreateAboutPicture, 464, 308, L"picture_About"},
    };
    for (const auto& c : cases) {
        Bitmap bitmap(c.create());
        ASSERT_TRUE(bitmap);
        const Pixels p = ReadBitmap(bitmap.get());
        EXPECT_EQ(p.width, c.width);
        EXPECT_EQ(p.height, c.height);
        EXPECT_GT(p.InkFraction(), 0.05);
        EXPECT_GT(p.DistinctColours(), 20u);
        EXPECT_TRUE(guitest::SaveBitmapScreenshot(bitmap.get(), c.name));
    }
}

TEST(PicturesGdi, EveryKeyLabelHasItsGlyphsInOneOfThePictureFaces) {
    // A glyph missing from the face it is drawn with shows as an empty box.
    PictureFont arabic(ArabicFace(), 20, false, true);
    PictureFont latin(LatinFace(), 20);
    for (Langs lang : kLangs) {
        for (bool shifted : {false, true}) {
            for (const KeyCap& key : BuildKeyboardLayout(lang, shifted).keys) {
                const std::wstring text(key.label.text.begin(), key.label.text.end());
                if (key.label.kind == LabelKind::None) continue;
                if (key.label.kind == LabelKind::Abbreviation) {
                    EXPECT_TRUE(FontHasGlyphs(latin.Get(), text));
                    continue;
                }
                EXPECT_TRUE(FontHasGlyphs(arabic.Get(), text) || FontHasGlyphs(latin.Get(), text))
                    << "lang " << static_cast<int>(lang) << " key " << static_cast<char>(key.code);
            }
        }
    }
    EXPECT_FALSE(FontHasGlyphs(arabic.Get(), L"I")) << "the Arabic face is expected to lack Latin capitals";
}

TEST(PicturesGdi, LanguagesWithoutPicturesGiveNoBitmap) {
    EXPECT_EQ(CreateKeyboardPicture(Langs::ENGLISH, false), nullptr);
    EXPECT_EQ(CreateKeyboardPicture(static_cast<Langs>(5), true), nullptr);
}

TEST(PicturesGdi, SplashPictureFillsTheAskedSizeAndKeepsItsLowerQuarterDark) {
    Bitmap bitmap(CreateSplashPicture(295, 450));
    ASSERT_TRUE(bitmap);
    const Pixels p = ReadBitmap(bitmap.get());
    EXPECT_EQ(p.width, 295);
    EXPECT_EQ(p.height, 450);
    EXPECT_GT(p.DistinctColours(), 50u);  // shaped, antialiased text on a gradient
    // The progress caption is white text: everything below three quarters must be dark.
    for (int y = 450 * 3 / 4; y < 450; y += 7)
        for (int x = 0; x < 295; x += 7) {
            const std::uint32_t c = p.At(x, y);
            ASSERT_LT(((c >> 16) & 0xFF) + ((c >> 8) & 0xFF) + (c & 0xFF), 3u * 128) << x << "," << y;
        }
    EXPECT_FALSE(CreateSplashPicture(0, 450));
    EXPECT_TRUE(guitest::SaveBitmapScreenshot(bitmap.get(), L"picture_Splash"));
}
