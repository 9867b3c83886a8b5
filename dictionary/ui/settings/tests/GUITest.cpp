#include <gtest/gtest.h>

#include "settings/GUI.h"
#include "tests/FontSettingsFixture.h"

namespace sindhikit::settings {
namespace {

using FC = FontControl;

class GUITest : public testing::Test {
 protected:
    void Store(std::u16string_view path, Variant value) { registry_.values[std::u16string(path)] = std::move(value); }

    RecordingControls controls_;
    RecordingRegistry registry_;
    FontSettings fonts_{controls_, registry_.Routines()};
};

TEST_F(GUITest, FirstRunAppliesAndSavesTheDefaults) {
    fonts_.RestoreFonts();
    EXPECT_EQ(controls_.settings, Then(EnglishSettings(u"Tahoma", 14), SindhiSettings(u"Times New Roman", 16)));
    EXPECT_EQ(registry_.writes, SavedAsText(u"Tahoma", u"14", u"Times New Roman", u"16"));
}

TEST_F(GUITest, RestoreAppliesTheStoredFonts) {
    Store(kEnglishFontNamePath, Variant(u"Arial"));
    Store(kEnglishFontSizePath, Variant(u"12"));
    Store(kSindhiFontNamePath, Variant(u"MB Sindhi Web"));
    Store(kSindhiFontSizePath, Variant(u"18"));
    fonts_.RestoreFonts();
    EXPECT_EQ(controls_.settings, Then(EnglishSettings(u"Arial", 12), SindhiSettings(u"MB Sindhi Web", 18)));
    EXPECT_EQ(registry_.writes, SavedAsText(u"Arial", u"12", u"MB Sindhi Web", u"18"));
}

TEST_F(GUITest, StoredNameWithoutSizeAppliesSizeZero) {
    Store(kEnglishFontNamePath, Variant(u"Arial"));
    Store(kEnglishFontSizePath, Variant(u"12"));
    Store(kSindhiFontNamePath, Variant(u"MB Lateefi"));
    fonts_.RestoreFonts();
    EXPECT_EQ(controls_.settings, Then(EnglishSettings(u"Arial", 12), SindhiSettings(u"MB Lateefi", 0)));
    EXPECT_EQ(registry_.writes, SavedAsText(u"Arial", u"12", u"MB Lateefi", u"0"));
}

TEST_F(GUITest, EmptyStoredNameBringsTheDefaultAndDropsTheStoredSize) {
    Store(kEnglishFontNamePath, Variant(u""));
    Store(kEnglishFontSizePath, Variant(u"30"));
    Store(kSindhiFontNamePath, Variant(u""));
    Store(kSindhiFontSizePath, Variant(u"20"));
    fonts_.RestoreFonts();
    EXPECT_EQ(controls_.settings, Then(EnglishSettings(u"Tahoma", 14), SindhiSettings(u"Times New Roman", 16)));
    EXPECT_EQ(registry_.writes, SavedAsText(u"Tahoma", u"14", u"Times New Roman", u"16"));
}

TEST_F(GUITest, BlankSindhiNameIsAppliedButSavedAsTahoma) {
    Store(kSindhiFontNamePath, Variant(u"   "));
    Store(kSindhiFontSizePath, Variant(u"20"));
    fonts_.RestoreFonts();
    EXPECT_EQ(controls_.settings, Then(EnglishSettings(u"Tahoma", 14), SindhiSettings(u"   ", 20)));
    EXPECT_EQ(registry_.writes, SavedAsText(u"Tahoma", u"14", u"Tahoma", u"20"));

    // The caller's variable sees the saved name; the English font has no such rule.
    std::u16string name = u" ";
    std::int32_t size = 9;
    EXPECT_TRUE(fonts_.ApplySindhiFont(name, size));
    EXPECT_EQ(name, u"Tahoma");
    std::u16string english = u"  ";
    fonts_.ApplyEnglishFont(english, size);
    EXPECT_EQ(english, u"  ");
    EXPECT_EQ(registry_.values[std::u16string(kEnglishFontNamePath)], Variant(u"  "));
}

// One size variable serves all reads: a stored size that is not a number leaves the size
// the English font ended with (here its default, 14).
TEST_F(GUITest, SizeThatIsNotANumberKeepsTheSizeBeforeIt) {
    Store(kSindhiFontNamePath, Variant(u"MB Lateefi"));
    Store(kSindhiFontSizePath, Variant(u"large"));
    fonts_.RestoreFonts();
    EXPECT_EQ(controls_.settings, Then(EnglishSettings(u"Tahoma", 14), SindhiSettings(u"MB Lateefi", 14)));

    RecordingControls controls;
    RecordingRegistry registry;
    FontSettings fonts(controls, registry.Routines());
    registry.values = {{std::u16string(kEnglishFontNamePath), Variant(u"Arial")},
                       {std::u16string(kEnglishFontSizePath), Variant(u"12pt")},
                       {std::u16string(kSindhiFontNamePath), Variant(u"MB Lateefi")},
                       {std::u16string(kSindhiFontSizePath), Variant(u"99999999999")}};
    fonts.RestoreFonts();
    EXPECT_EQ(controls.settings, Then(EnglishSettings(u"Arial", 0), SindhiSettings(u"MB Lateefi", 0)));
}

TEST_F(GUITest, StoredSizesReadAsNumbers) {
    const struct {
        Variant stored;
        std::int32_t size;
    } cases[] = {
        {Variant(u"14.5"), 14},  // half to even
        {Variant(u"15.5"), 16}, {Variant(u" 9 "), 9},
        {Variant(u"-3"), -3},   {Variant(std::int32_t{20}), 20},  // a number stored as REG_DWORD
        {Variant(), 0},
    };
    for (const auto& c : cases) {
        RecordingControls controls;
        RecordingRegistry registry;
        FontSettings fonts(controls, registry.Routines());
        registry.values = {{std::u16string(kSindhiFontNamePath), Variant(u"MB Lateefi")},
                           {std::u16string(kSindhiFontSizePath), c.stored}};
        fonts.RestoreFonts();
        EXPECT_EQ(controls.settings.back(), SizeOf(FC::frmEnglish2Sindhi_SindhiMeanings, c.size));
        EXPECT_EQ(registry.values[std::u16string(kSindhiFontSizePath)], Variant(Decimal(c.size)));
    }
}

// A control that refuses stops the Sindhi font there: later controls keep their font and
// nothing is saved; the caller still sees the defaults taken.
TEST_F(GUITest, SindhiFontStopsAtARefusedSetting) {
    const std::vector<FontSetting> all = SindhiSettings(u"Times New Roman", 16);
    for (std::size_t refused = 0; refused < all.size(); ++refused) {
        RecordingControls controls;
        RecordingRegistry registry;
        FontSettings fonts(controls, registry.Routines());
        controls.refused.insert({all[refused].control, all[refused].property});
        std::u16string name;
        std::int32_t size = 99;
        EXPECT_FALSE(fonts.ApplySindhiFont(name, size));
        EXPECT_EQ(controls.settings, std::vector<FontSetting>(all.begin(), all.begin() + refused));
        EXPECT_TRUE(registry.writes.empty());
        EXPECT_EQ(name, u"Times New Roman");
        EXPECT_EQ(size, 16);
    }
}

TEST_F(GUITest, EnglishFontSkipsARefusedSettingAndStillSaves) {
    const std::vector<FontSetting> all = EnglishSettings(u"Arial", 0);
    for (std::size_t refused = 0; refused < all.size(); ++refused) {
        RecordingControls controls;
        RecordingRegistry registry;
        FontSettings fonts(controls, registry.Routines());
        controls.refused.insert({all[refused].control, all[refused].property});
        std::u16string name = u"Arial";
        std::int32_t size = 0;
        fonts.ApplyEnglishFont(name, size);
        std::vector<FontSetting> expected = all;
        expected.erase(expected.begin() + refused);
        EXPECT_EQ(controls.settings, expected);
        EXPECT_EQ(registry.values[std::u16string(kEnglishFontNamePath)], Variant(u"Arial"));
        EXPECT_EQ(registry.values[std::u16string(kEnglishFontSizePath)], Variant(u"0"));
    }
}

TEST_F(GUITest, FailedSaveStopsTheSindhiFontButNotTheEnglishOne) {
    registry_.failing = {std::u16string(kEnglishFontNamePath), std::u16string(kSindhiFontNamePath)};
    std::u16string english = u"Arial", sindhi = u"MB Lateefi";
    std::int32_t englishSize = 12, sindhiSize = 20;
    fonts_.ApplyEnglishFont(english, englishSize);
    EXPECT_FALSE(fonts_.ApplySindhiFont(sindhi, sindhiSize));
    // The fonts stay applied; only EFNS could be saved.
    EXPECT_EQ(controls_.settings, Then(EnglishSettings(u"Arial", 12), SindhiSettings(u"MB Lateefi", 20)));
    EXPECT_EQ(registry_.writes, (std::vector<Write>{{std::u16string(kEnglishFontSizePath), Variant(u"12"), kRegSz}}));

    registry_.failing = {std::u16string(kSindhiFontSizePath)};
    EXPECT_FALSE(fonts_.ApplySindhiFont(sindhi, sindhiSize));
    EXPECT_EQ(registry_.writes.back(), (Write{std::u16string(kSindhiFontNamePath), Variant(u"MB Lateefi"), kRegSz}));
}

TEST_F(GUITest, SizesAreSavedAsPlainDecimalText) {
    const struct {
        std::int32_t size;
        std::u16string text;
    } cases[] = {{0, u"0"}, {7, u"7"}, {-12, u"-12"}, {2147483647, u"2147483647"}, {-2147483647 - 1, u"-2147483648"}};
    for (const auto& c : cases) {
        std::u16string name = u"Arial";
        std::int32_t size = c.size;
        fonts_.ApplyEnglishFont(name, size);
        EXPECT_EQ(registry_.values[std::u16string(kEnglishFontSizePath)], Variant(c.text));
    }
}

}  // namespace
}  // namespace sindhikit::settings
