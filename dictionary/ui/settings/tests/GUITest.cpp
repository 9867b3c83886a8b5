#include <gtest/gtest.h>

#include <optional>
#include <utility>

#include "settings/GUI.h"
#include "tests/FontSettingsFixture.h"

namespace sindhikit::settings {
namespace {

using FC = FontControl;

class GUITest : public testing::Test {
 protected:
    RecordingControls controls_;
    RecordingRegistry registry_;
    FontSettings fonts_{controls_, registry_.Routines()};
};

// The start-up restore from what the registry holds (nothing: the value is missing).
TEST(RestoreFonts, AppliesAndSavesWhatIsStored) {
    using V = std::optional<Variant>;
    const V none;
    const struct {
        const char* what;
        V efn, efns, sfn, sfns;
        std::u16string englishName;
        std::int32_t englishSize;
        std::u16string sindhiName;
        std::int32_t sindhiSize;
        std::vector<Write> saved;
    } cases[] = {
        {"first run", none, none, none, none, u"Tahoma", 14, u"Times New Roman", 16,
         SavedAsText(u"Tahoma", u"14", u"Times New Roman", u"16")},
        {"stored fonts", Variant(u"Arial"), Variant(u"12"), Variant(u"MB Sindhi Web"), Variant(u"18"), u"Arial", 12,
         u"MB Sindhi Web", 18, SavedAsText(u"Arial", u"12", u"MB Sindhi Web", u"18")},
        {"name without size", Variant(u"Arial"), Variant(u"12"), Variant(u"MB Lateefi"), none, u"Arial", 12,
         u"MB Lateefi", 0, SavedAsText(u"Arial", u"12", u"MB Lateefi", u"0")},
        {"empty names drop the stored sizes", Variant(u""), Variant(u"30"), Variant(u""), Variant(u"20"), u"Tahoma", 14,
         u"Times New Roman", 16, SavedAsText(u"Tahoma", u"14", u"Times New Roman", u"16")},
        {"blank Sindhi name applied, saved as Tahoma", none, none, Variant(u"   "), Variant(u"20"), u"Tahoma", 14,
         u"   ", 20, SavedAsText(u"Tahoma", u"14", u"Tahoma", u"20")},
        // One size variable serves all reads: a size that is not a number leaves the size
        // before it (the English default here, 0 where nothing was read yet).
        {"Sindhi size not a number", none, none, Variant(u"MB Lateefi"), Variant(u"large"), u"Tahoma", 14,
         u"MB Lateefi", 14, SavedAsText(u"Tahoma", u"14", u"MB Lateefi", u"14")},
        {"no size is a number", Variant(u"Arial"), Variant(u"12pt"), Variant(u"MB Lateefi"), Variant(u"99999999999"),
         u"Arial", 0, u"MB Lateefi", 0, SavedAsText(u"Arial", u"0", u"MB Lateefi", u"0")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingControls controls;
        RecordingRegistry registry;
        const std::pair<std::u16string_view, V> stored[] = {{kEnglishFontNamePath, c.efn},
                                                            {kEnglishFontSizePath, c.efns},
                                                            {kSindhiFontNamePath, c.sfn},
                                                            {kSindhiFontSizePath, c.sfns}};
        for (const auto& [path, value] : stored) {
            if (value) registry.values[std::u16string(path)] = *value;
        }
        FontSettings(controls, registry.Routines()).RestoreFonts();
        EXPECT_EQ(controls.settings,
                  Then(EnglishSettings(c.englishName, c.englishSize), SindhiSettings(c.sindhiName, c.sindhiSize)));
        EXPECT_EQ(registry.writes, c.saved);
    }
}

// The caller's variable sees the name saved; the English font has no such rule.
TEST_F(GUITest, BlankSindhiNameComesBackAsTahoma) {
    std::u16string name = u" ";
    std::int32_t size = 9;
    EXPECT_TRUE(fonts_.ApplySindhiFont(name, size));
    EXPECT_EQ(name, u"Tahoma");
    EXPECT_EQ(controls_.settings, SindhiSettings(u" ", 9));
    std::u16string english = u"  ";
    fonts_.ApplyEnglishFont(english, size);
    EXPECT_EQ(english, u"  ");
    EXPECT_EQ(registry_.values[std::u16string(kEnglishFontNamePath)], Variant(u"  "));
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
