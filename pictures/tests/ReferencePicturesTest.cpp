// The Dictionary's pictures as GDI and Uniscribe draw them under Wine, at the sizes its windows
// ask for: every text fits its box at a legible size in a face that has its glyphs, its ink
// stays inside that box, and the pictures come out at the size asked for with real content.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>

#include "gui/Pixels.h"
#include "gui/Screenshot.h"
#include "tests/OwnedBitmap.h"
#include "tests/ReferenceScenes.h"
#include "win/DibCanvas.h"
#include "win/PictureFonts.h"
#include "win/Pictures.h"
#include "win/SceneRenderer.h"

using namespace sindhikit;
using namespace sindhikit::pictures;
using sindhikit::guitest::Pixels;
using sindhikit::guitest::ReadBitmap;

namespace {

std::string Utf8(const std::u16string& s) {
    const std::wstring w = Wide(s);
    const int n = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.c_str(), static_cast<int>(w.size()), out.data(), n, nullptr, nullptr);
    return out;
}

// The bounding box of everything `item` draws as placed, found by drawing it alone with room
// around its box, on white or, for light text, on black; empty when it draws nothing.
PixelRect InkOf(const TextItem& item, const PlacedText& placed) {
    const int room = item.box.Height();
    const int width = item.box.Width() + 2 * room, height = item.box.Height() + 2 * room;
    DibCanvas canvas(width, height);
    EXPECT_TRUE(canvas.Ok());
    HDC dc = canvas.Dc();
    const RECT all{0, 0, width, height};
    const bool light = item.colour.r + item.colour.g + item.colour.b > 3 * 160;
    const std::uint32_t ground = light ? 0x000000 : 0xFFFFFF;
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(light ? BLACK_BRUSH : WHITE_BRUSH)));
    SetViewportOrgEx(dc, room - item.box.left, room - item.box.top, nullptr);
    DrawPlacedText(dc, item, placed);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    Bitmap bitmap(canvas.Release());
    const Pixels p = ReadBitmap(bitmap.get());
    PixelRect ink{width, height, 0, 0};
    for (int y = 0; y < p.height; ++y) {
        for (int x = 0; x < p.width; ++x) {
            if (p.At(x, y) == ground) continue;
            ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
                   std::max(ink.bottom, y + 1)};
        }
    }
    if (ink.right == 0) return {};
    return {ink.left - room + item.box.left, ink.top - room + item.box.top, ink.right - room + item.box.left,
            ink.bottom - room + item.box.top};
}

struct PictureCase {
    std::string name;
    PictureSize size;
    HBITMAP (*create)(PictureSize);
};

HBITMAP AboutWithVersion(PictureSize size) {
    return CreateDictionaryAboutPicture(size, L"2.0.0");
}

std::vector<PictureCase> PicturesAt(int dpi) {
    const std::string at = "_" + std::to_string(dpi) + "dpi";
    const PictureSize banner = PixelsForTwips(kLookupBannerTwips, dpi, dpi);
    return {
        {"reference_alphabet" + at, PixelsForTwips(kPhoneticAlphabetTwips, dpi, dpi), CreatePhoneticAlphabetPicture},
        {"reference_digits" + at, PixelsForTwips(kPhoneticDigitsTwips, dpi, dpi), CreatePhoneticDigitsPicture},
        {"reference_about" + at, PixelsForTwips(kDictionaryAboutTwips, dpi, dpi), AboutWithVersion},
        {"reference_banner" + at, banner, CreateLookupBannerPicture},
        {"reference_banner_wide" + at, {banner.width * 5 / 2, banner.height}, CreateLookupBannerPicture},
    };
}

}  // namespace

TEST(ReferencePictures, ThePhoneticFaceIsTheOneTheSetupInstalls) {
    // DejaVu Sans draws combining marks under their letter even where the script engine
    // does not position marks (Wine), so it comes first; the setup installs it.
    EXPECT_EQ(PhoneticFace(), L"DejaVu Sans");
}

TEST(ReferencePictures, EveryTextFitsItsBoxLegiblyInAFaceWithItsGlyphs) {
    HDC dc = CreateCompatibleDC(nullptr);
    for (const NamedScene& named : ReferenceScenes()) {
        SCOPED_TRACE(named.name);
        const std::vector<PlacedText> placements = PlaceTexts(dc, named.scene);
        ASSERT_EQ(placements.size(), named.scene.texts.size());
        std::map<int, int> groupHeight;
        for (size_t i = 0; i < placements.size(); ++i) {
            const TextItem& item = named.scene.texts[i];
            const PlacedText& placed = placements[i];
            if (item.group) {
                const int height = groupHeight.emplace(item.group, placed.pixelHeight).first->second;
                EXPECT_EQ(placed.pixelHeight, height) << Utf8(item.text) << " is not the size of its column";
            }
            const PixelRect extent{placed.extent.left, placed.extent.top, placed.extent.right, placed.extent.bottom};
            EXPECT_TRUE(placed.fits) << Utf8(item.text) << " needs " << extent.Width() << "x" << extent.Height()
                                     << " at " << item.minPixelHeight << " px, has " << item.box.Width() << "x"
                                     << item.box.Height();
            EXPECT_TRUE(item.box.Contains(extent)) << Utf8(item.text);
            EXPECT_GT(extent.Width(), 0) << Utf8(item.text);
            // A glyph missing from the face draws as an empty box.
            PictureFont font(FaceFor(item.face), placed.pixelHeight, item.bold, item.face == TextFace::Sindhi);
            EXPECT_TRUE(FontHasGlyphs(font.Get(), Wide(item.text))) << Utf8(item.text);
        }
    }
    DeleteDC(dc);
}

TEST(ReferencePictures, EachTextInksInsideItsOwnBox) {
    HDC dc = CreateCompatibleDC(nullptr);
    for (const NamedScene& named : ReferenceScenes({96, 144})) {
        SCOPED_TRACE(named.name);
        const std::vector<PlacedText> placements = PlaceTexts(dc, named.scene);
        for (size_t i = 0; i < placements.size(); ++i) {
            const TextItem& item = named.scene.texts[i];
            const PixelRect ink = InkOf(item, placements[i]);
            EXPECT_GT(ink.Width(), 0) << Utf8(item.text) << " drew nothing";
            EXPECT_TRUE(item.box.Contains(ink))
                << Utf8(item.text) << " inks " << ink.left << "," << ink.top << "-" << ink.right << "," << ink.bottom
                << " outside its box " << item.box.left << "," << item.box.top << "-" << item.box.right << ","
                << item.box.bottom;
        }
    }
    DeleteDC(dc);
}

TEST(ReferencePictures, AreDrawnAtTheSizeAskedForWithContent) {
    for (int dpi : {96, 144}) {
        for (const PictureCase& c : PicturesAt(dpi)) {
            SCOPED_TRACE(c.name);
            Bitmap bitmap(c.create(c.size));
            ASSERT_TRUE(bitmap);
            BITMAP info{};
            ASSERT_TRUE(GetObjectW(bitmap.get(), sizeof(info), &info));
            EXPECT_EQ(info.bmWidth, c.size.width);
            EXPECT_EQ(std::abs(info.bmHeight), c.size.height);
            EXPECT_EQ(info.bmBitsPixel, 24);
            const Pixels p = ReadBitmap(bitmap.get());
            EXPECT_GT(p.InkFraction(), 0.05) << "mostly one colour: nothing drawn";
            EXPECT_GT(p.DistinctColours(), 20u) << "no antialiased text";
            EXPECT_TRUE(guitest::SaveBitmapScreenshot(bitmap.get(), std::wstring(c.name.begin(), c.name.end())));
        }
    }
    EXPECT_EQ(CreatePhoneticAlphabetPicture({0, 0}), nullptr);
    EXPECT_EQ(CreateLookupBannerPicture({-5, 107}), nullptr);
}

TEST(ReferencePictures, AboutArtworkIsDarkUnderTheYellowCopyrightSign) {
    for (int dpi : {96, 144}) {
        const PictureSize size = PixelsForTwips(kDictionaryAboutTwips, dpi, dpi);
        Bitmap bitmap(CreateDictionaryAboutPicture(size, L"2.0.0"));
        const Pixels p = ReadBitmap(bitmap.get());
        ASSERT_EQ(p.width, size.width);
        const PixelRect label = CopyrightLabelRect(size);
        for (int y = label.top; y < label.bottom; ++y) {
            for (int x = label.left; x < label.right; ++x) {
                const std::uint32_t c = p.At(x, y);
                ASSERT_LT(((c >> 16) & 0xFF) + ((c >> 8) & 0xFF) + (c & 0xFF), 200u)
                    << dpi << " dpi at " << x << "," << y;
            }
        }
    }
}

TEST(ReferencePictures, BannerRunsFromTheDarkRedToTheDarkOlive) {
    Bitmap bitmap(CreateLookupBannerPicture({1200, 107}));
    const Pixels p = ReadBitmap(bitmap.get());
    ASSERT_EQ(p.width, 1200);
    auto matches = [](std::uint32_t c, Rgb want) {
        return std::abs(static_cast<int>((c >> 16) & 0xFF) - want.r) <= 4 &&
               std::abs(static_cast<int>((c >> 8) & 0xFF) - want.g) <= 4 &&
               std::abs(static_cast<int>(c & 0xFF) - want.b) <= 4;
    };
    EXPECT_TRUE(matches(p.At(0, 2), kEnglishToSindhiGround)) << std::hex << p.At(0, 2);
    EXPECT_TRUE(matches(p.At(1199, 2), kSindhiToEnglishGround)) << std::hex << p.At(1199, 2);
}
