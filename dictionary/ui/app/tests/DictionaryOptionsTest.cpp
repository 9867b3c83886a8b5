// Dictionary.exe's fonts and Options menu, driven from outside: the four values under
// HKCU\software\DarvelDictionary restored at start-up onto the right controls and written
// back, "Reset Fonts", "Problem in Sindhi font" with its questions, and the two Set commands
// through the system font dialog. Each test starts from the settings it writes itself.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Control.h"
#include "ControlIds.h"
#include "DictionaryUnderTest.h"
#include "gui/ProgramUnderTest.h"
#include "gui/Screenshot.h"
#include "gui/WindowProbe.h"
#include "res/MenuIds.h"

using namespace sindhikit::guitest;
using namespace dictionarytest;
namespace ids = dictionary::ids;

namespace {

constexpr wchar_t kSettingsKey[] = L"software\\DarvelDictionary";

// The program's settings as a test wants them: the key emptied, then these values written.
void StartSettings(const std::map<std::wstring, std::wstring>& values) {
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    for (const auto& [name, value] : values) {
        const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name.c_str(), REG_SZ, value.c_str(), bytes),
                  ERROR_SUCCESS);
    }
}

// A text value of the program's key, or nothing.
std::optional<std::wstring> Stored(const wchar_t* name) {
    wchar_t data[256] = {};
    DWORD bytes = sizeof(data);
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_REG_SZ, nullptr, data, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(data);
}

struct Fonts {
    std::wstring english;
    int englishSize;
    std::wstring sindhi;
    int sindhiSize;
};

// The four values hold these fonts.
bool Saved(const Fonts& f) {
    return Stored(L"EFN") == f.english && Stored(L"EFNS") == std::to_wstring(f.englishSize) &&
           Stored(L"SFN") == f.sindhi && Stored(L"SFNS") == std::to_wstring(f.sindhiSize);
}

std::string SavedText() {
    std::string text;
    for (const wchar_t* name : {L"EFN", L"EFNS", L"SFN", L"SFNS"}) {
        const auto value = Stored(name);
        text += Utf8(name) + "=" + (value ? "\"" + Utf8(*value) + "\"" : "(none)") + " ";
    }
    return text;
}

// A control's font as the program set it (published on its window).
struct ControlFont {
    std::wstring name;
    double size = 0;
    bool bold = false;
    bool operator==(const ControlFont&) const = default;
};

ControlFont FontOf(HWND control) {
    const auto atom =
        static_cast<ATOM>(reinterpret_cast<UINT_PTR>(GetPropW(control, dictionary::controls::kFontNameProperty)));
    wchar_t name[256] = {};
    if (atom) GlobalGetAtomNameW(atom, name, 256);
    const auto hundredths = reinterpret_cast<INT_PTR>(GetPropW(control, dictionary::controls::kFontSizeProperty));
    return {name, static_cast<double>(hundredths) / 100.0,
            GetPropW(control, dictionary::controls::kFontBoldProperty) != nullptr};
}

struct ControlExpectation {
    HWND control;
    const char* what;
    ControlFont font;
};

// Where each font goes: names to all its controls, sizes to the text boxes and the meanings
// list; the headword boxes and lists keep their design size (and bold).
std::vector<ControlExpectation> ExpectedControlFonts(const Dictionary& app, const Fonts& f) {
    const auto e = [&](int id) { return Dictionary::Control(app.english, id); };
    const auto s = [&](int id) { return Dictionary::Control(app.sindhi, id); };
    return {
        {s(ids::WordBox), "frmSindhiToEnglish.WordBox", {f.sindhi, 14.25, false}},
        {s(ids::WordList), "frmSindhiToEnglish.WordList", {f.sindhi, 14.25, false}},
        {e(ids::SindhiMeanings), "frmEnglish2Sindhi.SindhiMeanings", {f.sindhi, double(f.sindhiSize), false}},
        {s(ids::EnglishMeaning), "frmSindhiToEnglish.EnglishMeaning", {f.english, double(f.englishSize), false}},
        {s(ids::EnglishMeaningsList),
         "frmSindhiToEnglish.EnglishMeaningsList",
         {f.english, double(f.englishSize), false}},
        {e(ids::WordBox), "frmEnglish2Sindhi.WordBox", {f.english, 8.25, true}},
        {e(ids::WordList), "frmEnglish2Sindhi.WordList", {f.english, 8.25, true}},
        {e(ids::EnglishMeaning), "frmEnglish2Sindhi.EnglishMeaning", {f.english, double(f.englishSize), false}},
    };
}

void ExpectControlFonts(const Dictionary& app, const Fonts& f) {
    for (const auto& c : ExpectedControlFonts(app, f)) {
        const ControlFont seen = FontOf(c.control);
        EXPECT_EQ(seen, c.font) << c.what << ": \"" << Utf8(seen.name) << "\" " << seen.size
                                << (seen.bold ? " bold" : "") << ", expected \"" << Utf8(c.font.name) << "\" "
                                << c.font.size;
    }
}

class DictionaryOptions : public ::testing::Test {
 protected:
    void SetUp() override { InstallStore(L"en\tapple\nsd\tapple\t\u0633\u0627\n"); }
};

struct RestoreCase {
    const char* what;
    std::map<std::wstring, std::wstring> stored;
    Fonts applied;
    Fonts saved;
};

TEST_F(DictionaryOptions, StartUpRestoresTheStoredFontsOntoTheirControlsAndSavesThem) {
    const RestoreCase cases[] = {
        {"first run: the defaults",
         {},
         {L"Tahoma", 14, L"Times New Roman", 16},
         {L"Tahoma", 14, L"Times New Roman", 16}},
        {"stored fonts; a blank Sindhi name is applied and saved as Tahoma",
         {{L"EFN", L"Courier New"}, {L"EFNS", L"11"}, {L"SFN", L"   "}, {L"SFNS", L"20"}},
         {L"Courier New", 11, L"   ", 20},
         {L"Courier New", 11, L"Tahoma", 20}},
        {"no English name drops its size; a Sindhi name without a size gets 0",
         {{L"EFNS", L"9"}, {L"SFN", L"Arial"}},
         {L"Tahoma", 14, L"Arial", 0},
         {L"Tahoma", 14, L"Arial", 0}},
        {"no Sindhi name drops its size; an English size that is no number leaves 0",
         {{L"EFN", L"Arial"}, {L"EFNS", L"big"}, {L"SFNS", L"20"}},
         {L"Arial", 0, L"Times New Roman", 16},
         {L"Arial", 0, L"Times New Roman", 16}},
    };
    for (const RestoreCase& c : cases) {
        SCOPED_TRACE(c.what);
        StartSettings(c.stored);
        Dictionary app;
        ASSERT_TRUE(app.WaitForStartUp(-1));
        EXPECT_TRUE(WaitUntil([&] { return Saved(c.saved); })) << SavedText();
        ExpectControlFonts(app, c.applied);
        EXPECT_TRUE(app.Boxes().Boxes().empty());
    }
}

TEST_F(DictionaryOptions, ResetFontsAppliesAndSavesArialAndMBSindhiWeb) {
    StartSettings({{L"EFN", L"Courier New"}, {L"EFNS", L"11"}, {L"SFN", L"Tahoma"}, {L"SFNS", L"20"}});
    Dictionary app;
    ASSERT_TRUE(app.WaitForStartUp(-1));
    PostMessageW(app.frame, WM_COMMAND, ID_mnuReset, 0);
    const Fonts reset{L"Arial", 12, L"MB Sindhi Web", 18};
    EXPECT_TRUE(WaitUntil([&] { return Saved(reset); })) << SavedText();
    ExpectControlFonts(app, reset);
    EXPECT_TRUE(app.Boxes().Boxes().empty());
}

struct ProblemCase {
    std::vector<int> answers;
    size_t questions;
    bool readme;
    const wchar_t* sindhiFont;
};

TEST_F(DictionaryOptions, ProblemInSindhiFontAsksUntilTheUserSeesNoBoxes) {
    const ProblemCase cases[] = {
        {{IDNO}, 1, false, L"Times New Roman"},
        {{IDYES, IDNO}, 2, false, L"Tahoma"},
        {{IDYES, IDYES, IDOK}, 2, true, L"Tahoma"},
    };
    bool first = true;
    for (const ProblemCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.questions << " questions" << (c.readme ? " and the readme" : ""));
        StartSettings({});
        Dictionary app(c.answers);
        ASSERT_TRUE(app.WaitForStartUp(-1));
        if (first) {
            ASSERT_TRUE(SendChord({VK_CONTROL, VK_F5}));  // its shortcut, once
        } else {
            PostMessageW(app.frame, WM_COMMAND, ID_mnufontSet, 0);
        }
        first = false;
        const size_t boxes = c.questions + (c.readme ? 1 : 0);
        ASSERT_TRUE(app.Boxes().WaitForBoxes(boxes));
        const Fonts expected{L"Tahoma", 14, c.sindhiFont, 18};
        EXPECT_TRUE(WaitUntil([&] { return Saved(expected); })) << SavedText();
        ExpectControlFonts(app, expected);
        // A later command runs once this one has ended: no further box came before it.
        PostMessageW(app.frame, WM_COMMAND, ID_mnuReset, 0);
        ASSERT_TRUE(WaitUntil([&] { return Stored(L"EFN") == L"Arial"; }));
        const auto shown = app.Boxes().Boxes();
        ASSERT_EQ(shown.size(), boxes);
        for (size_t i = 0; i < shown.size(); ++i) {
            const bool question = i < c.questions;
            EXPECT_EQ(shown[i].text, question ? L"Are you still getting Box or invisible fonts "
                                              : L"If you still experiencing problem, please see 'readme.doc' file "
                                                L"for more information");
            EXPECT_EQ(shown[i].title, L"Dictionary");
            EXPECT_EQ(shown[i].icon, BoxIcon::None);
            const std::vector<std::wstring> buttons =
                question ? std::vector<std::wstring>{L"&Yes", L"&No"} : std::vector<std::wstring>{L"OK"};
            EXPECT_EQ(shown[i].buttons, buttons);
        }
    }
}

constexpr int kFaceList = 0x470;  // cmb1 of the font dialog
constexpr int kSizeBox = 0x472;   // cmb3

// The program's font dialog, once it is shown.
HWND WaitForFontDialog(Dictionary& app) {
    HWND dialog = nullptr;
    WaitUntil([&] {
        for (HWND w : app.Program().TopWindows(L"#32770")) {
            if (GetDlgItem(w, kFaceList) && GetDlgItem(w, kSizeBox)) dialog = w;
        }
        return dialog != nullptr;
    });
    return dialog;
}

TEST_F(DictionaryOptions, SetFontCommandsApplyWhatTheFontDialogHoldsAfterwards) {
    StartSettings({});
    Dictionary app;
    ASSERT_TRUE(app.WaitForStartUp(-1));

    // "Set English Font": a face at 20 points, confirmed.
    PostMessageW(app.frame, WM_COMMAND, ID_mnuEnglishFont, 0);
    HWND dialog = WaitForFontDialog(app);
    ASSERT_NE(dialog, nullptr);
    const HWND faces = GetDlgItem(dialog, kFaceList), sizes = GetDlgItem(dialog, kSizeBox);
    // The first face the dialog lists (the machine's fonts decide which).
    const std::vector<std::wstring> listed = ComboItems(faces);
    ASSERT_FALSE(listed.empty());
    const std::wstring face = listed.front();
    ASSERT_NE(SendMessageW(faces, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(face.c_str())),
              CB_ERR);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kFaceList, CBN_SELCHANGE), reinterpret_cast<LPARAM>(faces));
    ASSERT_NE(SendMessageW(sizes, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"20")), CB_ERR);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kSizeBox, CBN_SELCHANGE), reinterpret_cast<LPARAM>(sizes));
    EXPECT_TRUE(SaveProgramScreenshot(dialog, L"dictionary_font_dialog"));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    const Fonts chosen{face, 20, L"Times New Roman", 16};
    EXPECT_TRUE(WaitUntil([&] { return Saved(chosen); })) << SavedText();
    ExpectControlFonts(app, chosen);

    // "Set Sindhi Font", cancelled: the dialog's font (the one just chosen) is applied.
    PostMessageW(app.frame, WM_COMMAND, ID_mnuLatifFont, 0);
    dialog = WaitForFontDialog(app);
    ASSERT_NE(dialog, nullptr);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
    const Fonts cancelled{face, 20, face, 20};
    EXPECT_TRUE(WaitUntil([&] { return Saved(cancelled); })) << SavedText();
    ExpectControlFonts(app, cancelled);
    app.Screenshot(L"dictionary_fonts_chosen20");
    EXPECT_TRUE(app.Boxes().Boxes().empty());
}

}  // namespace
