#include <gtest/gtest.h>

#include <deque>
#include <optional>

#include "settings/FontMenu.h"
#include "settings/TypingModeMenu.h"
#include "tests/FontSettingsFixture.h"

namespace sindhikit::settings {
namespace {

struct Choice {
    std::u16string name;
    double size;
};

// The user at the font dialog: each show takes the next choice, nothing meaning Cancel.
class ScriptedFontDialog : public FontDialog {
 public:
    void Show(FontDialogState& state) override {
        flagsSeen.push_back(state.flags);
        namesShown.push_back(state.fontName);
        ASSERT_FALSE(script.empty());
        const std::optional<Choice> choice = script.front();
        script.pop_front();
        if (choice) {
            state.fontName = choice->name;
            state.fontSize = choice->size;
        }
    }
    std::deque<std::optional<Choice>> script;
    std::vector<std::int32_t> flagsSeen;
    std::vector<std::u16string> namesShown;
};

class ScriptedPrompt : public UserPrompt {
 public:
    MessageAnswer Ask(const UserMessage& message) override {
        asked.push_back(message);
        if (answers.empty()) return MessageAnswer::Ok;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<MessageAnswer> answers;
    std::vector<UserMessage> asked;
};

constexpr std::nullopt_t kCancel = std::nullopt;

class FontMenuTest : public testing::Test {
 protected:
    std::u16string Saved(std::u16string_view path) { return ToText(registry_.values[std::u16string(path)]); }
    static std::u16string ToText(const Variant& v) { return v.IsString() ? v.Text() : u"<not text>"; }

    RecordingControls controls_;
    RecordingRegistry registry_;
    FontSettings fonts_{controls_, registry_.Routines()};
    ScriptedFontDialog dialog_;
    ScriptedPrompt prompt_;
    FontMenu menu_{fonts_, dialog_, prompt_};
};

TEST_F(FontMenuTest, CancelAtFirstUseAppliesTheDefaults) {
    dialog_.script = {kCancel, kCancel};
    menu_.SetEnglishFont();
    menu_.SetSindhiFont();
    EXPECT_EQ(controls_.settings, Then(EnglishSettings(u"Tahoma", 14), SindhiSettings(u"Times New Roman", 16)));
    EXPECT_EQ(registry_.writes, SavedAsText(u"Tahoma", u"14", u"Times New Roman", u"16"));
    EXPECT_EQ(dialog_.flagsSeen, (std::vector<std::int32_t>{3, 3}));
    EXPECT_EQ(dialog_.namesShown, (std::vector<std::u16string>{u"", u""}));  // the defaults are not the dialog's
}

// The dialog is one for both commands and remembers the last choice for the run.
TEST_F(FontMenuTest, CancelAppliesTheFontLastChosenByEitherCommand) {
    dialog_.script = {Choice{u"MB Lateefi", 20}, kCancel};
    menu_.SetSindhiFont();
    menu_.SetEnglishFont();
    EXPECT_EQ(controls_.settings, Then(SindhiSettings(u"MB Lateefi", 20), EnglishSettings(u"MB Lateefi", 20)));
    EXPECT_EQ(Saved(kEnglishFontNamePath), u"MB Lateefi");
    EXPECT_EQ(Saved(kEnglishFontSizePath), u"20");
    EXPECT_EQ(dialog_.namesShown.back(), u"MB Lateefi");
    EXPECT_EQ(menu_.DialogState().fontName, u"MB Lateefi");
}

TEST_F(FontMenuTest, ChosenSizeIsRoundedHalfToEven) {
    const struct {
        double chosen;
        std::int32_t applied;
    } cases[] = {{10.5, 10}, {11.5, 12}, {12.25, 12}, {12.75, 13}, {8, 8}, {0.5, 0}, {1.5, 2}};
    for (const auto& c : cases) {
        dialog_.script = {Choice{u"Arial", c.chosen}, Choice{u"MB Lateefi", c.chosen}};
        menu_.SetEnglishFont();
        EXPECT_EQ(controls_.settings.back(), SizeOf(FontControl::frmEnglish2Sindhi_EnglishMeaning, c.applied));
        EXPECT_EQ(Saved(kEnglishFontSizePath), Decimal(c.applied));
        menu_.SetSindhiFont();
        EXPECT_EQ(controls_.settings.back(), SizeOf(FontControl::frmEnglish2Sindhi_SindhiMeanings, c.applied));
        EXPECT_EQ(Saved(kSindhiFontSizePath), Decimal(c.applied));
    }
}

TEST_F(FontMenuTest, SizeNoWholeNumberHoldsIsSkipped) {
    dialog_.script = {Choice{u"Arial", 1e12}};
    menu_.SetEnglishFont();
    EXPECT_EQ(controls_.settings, EnglishSettings(u"Arial", 0));
}

TEST_F(FontMenuTest, ResetFonts) {
    menu_.ResetFonts();
    EXPECT_EQ(controls_.settings, Then(EnglishSettings(u"Arial", 12), SindhiSettings(u"MB Sindhi Web", 18)));
    EXPECT_EQ(registry_.writes, SavedAsText(u"Arial", u"12", u"MB Sindhi Web", u"18"));
    EXPECT_TRUE(prompt_.asked.empty());
}

// Each answer: how many questions, the Sindhi font that stays, whether the pointer to the
// readme comes last.
TEST(ProblemInSindhiFont, Answers) {
    using enum MessageAnswer;
    const struct {
        std::vector<MessageAnswer> answers;
        std::size_t questions;
        std::vector<FontSetting> settings;
        std::u16string savedName;
        bool readme;
    } cases[] = {
        {{No}, 1, SindhiSettings(u"Times New Roman", 18), u"Times New Roman", false},
        {{Yes, No}, 2, Then(SindhiSettings(u"Times New Roman", 18), SindhiSettings(u"Tahoma", 18)), u"Tahoma", false},
        {{Yes, Yes}, 2, Then(SindhiSettings(u"Times New Roman", 18), SindhiSettings(u"Tahoma", 18)), u"Tahoma", true},
        // A question that cannot be shown changes nothing more.
        {{Failed}, 1, SindhiSettings(u"Times New Roman", 18), u"Times New Roman", false},
    };
    for (const auto& c : cases) {
        RecordingControls controls;
        RecordingRegistry registry;
        FontSettings fonts(controls, registry.Routines());
        ScriptedFontDialog dialog;
        ScriptedPrompt prompt;
        prompt.answers = {c.answers.begin(), c.answers.end()};
        FontMenu(fonts, dialog, prompt).ProblemInSindhiFont();

        ASSERT_EQ(prompt.asked.size(), c.questions + (c.readme ? 1 : 0));
        for (std::size_t i = 0; i < c.questions; ++i) {
            EXPECT_EQ(prompt.asked[i].text, u"Are you still getting Box or invisible fonts ");
            EXPECT_EQ(prompt.asked[i].title, u"Dictionary");
            EXPECT_EQ(prompt.asked[i].buttons, MessageButtons::YesNo);
        }
        if (c.readme) {
            EXPECT_EQ(prompt.asked.back().text,
                      u"If you still experiencing problem, please see 'readme.doc' file for more information");
            EXPECT_EQ(prompt.asked.back().title, u"Dictionary");
            EXPECT_EQ(prompt.asked.back().buttons, MessageButtons::OkOnly);
        }
        EXPECT_EQ(controls.settings, c.settings);
        EXPECT_EQ(registry.values[std::u16string(kSindhiFontNamePath)], Variant(c.savedName));
        EXPECT_EQ(registry.values[std::u16string(kSindhiFontSizePath)], Variant(u"18"));
        EXPECT_TRUE(dialog.flagsSeen.empty());
    }
}

// A refused font does not keep the question from being asked.
TEST_F(FontMenuTest, ProblemInSindhiFontGoesOnPastARefusedFont) {
    controls_.refused.insert({FontControl::frmSindhiToEnglish_WordBox, FontProperty::Name});
    prompt_.answers = {MessageAnswer::Yes, MessageAnswer::No};
    menu_.ProblemInSindhiFont();
    EXPECT_EQ(prompt_.asked.size(), 2u);
    EXPECT_TRUE(controls_.settings.empty());
    EXPECT_TRUE(registry_.writes.empty());
}

// The typing-mode marks as a menu shows them.
class TwoMarks : public TypingModeMarks {
 public:
    void SetChecked(TypingModeItem item, bool checked) override {
        (item == TypingModeItem::mnuWindowXP ? xp : windows98) = checked;
        order.push_back(item);
    }
    bool xp = false, windows98 = true;
    std::vector<TypingModeItem> order;
};

TEST(TypingModeMenu, ExactlyOneItemIsChecked) {
    TwoMarks marks;
    StartTypingModeMarks(marks);
    EXPECT_TRUE(marks.xp);
    EXPECT_FALSE(marks.windows98);
    ChooseWindows98(marks);
    ChooseWindows98(marks);
    EXPECT_FALSE(marks.xp);
    EXPECT_TRUE(marks.windows98);
    ChooseWindowsXP(marks);
    EXPECT_TRUE(marks.xp);
    EXPECT_FALSE(marks.windows98);
    // Windows 98 clears XP first; XP checks itself first.
    using enum TypingModeItem;
    EXPECT_EQ(marks.order, (std::vector<TypingModeItem>{mnuWindowXP, mnuWindow98, mnuWindowXP, mnuWindow98, mnuWindowXP,
                                                        mnuWindow98, mnuWindowXP, mnuWindow98}));
}

}  // namespace
}  // namespace sindhikit::settings
