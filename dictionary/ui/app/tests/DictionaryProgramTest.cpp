// Dictionary.exe as its user meets it: started as its own process on a word store in the
// Windows folder, driven from outside with key and mouse messages, read back through the
// controls' messages, its message boxes recorded and answered.
#include <gtest/gtest.h>

#include <windows.h>

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "ControlIds.h"
#include "DictionaryUnderTest.h"
#include "ReferenceIds.h"
#include "alphabet/SindhiCollation.h"
#include "gui/HttpHandlerStandIn.h"
#include "gui/MessageBoxWatcher.h"
#include "gui/ProgramUnderTest.h"
#include "gui/Screenshot.h"
#include "gui/WindowFinder.h"
#include "gui/WindowProbe.h"
#include "layout/MakerInfo.h"
#include "res/MenuIds.h"

using namespace sindhikit::guitest;
namespace ids = dictionary::ids;
namespace reference = dictionary::reference;
namespace fs = std::filesystem;
using namespace dictionarytest;

namespace {

// Sindhi words of the test store.
const std::wstring kSa = L"\u0633\u0627";         // keys s, a
const std::wstring kAnb = L"\u0627\u0646\u0628";  // begins with alef (key a)
const std::wstring kAk = L"\u0627\u06AA";         // begins with alef
const std::wstring kKelo = L"\u06AA\u064A\u0644\u0648";
const std::wstring kNarangi = L"\u0646\u0627\u0631\u0646\u06AF\u064A";
const std::vector<std::wstring> kAppleMeanings = {kSa,
                                                  kAnb,
                                                  kAk,
                                                  L"\u0680\u0631",
                                                  L"\u067A\u0648\u0644",
                                                  L"\u068C\u0646\u068A",
                                                  L"\u06BB\u0627",
                                                  L"\u0681\u0627\u0631",
                                                  L"\u0684\u0627\u0631",
                                                  L"\u0633\u0648\u0641"};
const std::wstring kAppleDefinition1 = L"fruit with red or green skin";
const std::wstring kAppleDefinition2 = L"the tree that bears apples";

std::wstring SmallStoreSource() {
    std::wstring s = L"en\tapple\n";
    for (const auto& m : kAppleMeanings) s += L"sd\tapple\t" + m + L"\n";
    s += L"def\tapple\tnoun\t" + kAppleDefinition1 + L"\n";
    s += L"def\tapple\tnoun\t" + kAppleDefinition2 + L"\n";
    s += L"sd\tBanana\t" + kKelo + L"\n";
    s += L"def\tBanana\tnoun\tlong yellow fruit\n";
    s += L"sd\torange\t" + kSa + L"\n";
    s += L"sd\torange\t" + kNarangi + L"\n";
    s += L"def\torange\tnoun\tround citrus fruit\n";
    return s;
}

// The small store's Sindhi headwords, each once, in Sindhi dictionary order: the order the
// builder writes YList in and the loading query (no ORDER BY) returns it.
std::vector<std::wstring> SmallStoreSindhiHeadwords() {
    std::set<std::wstring> distinct(kAppleMeanings.begin(), kAppleMeanings.end());
    distinct.insert(kKelo);
    distinct.insert(kNarangi);
    std::vector<std::u16string> words;
    for (const auto& w : distinct) words.emplace_back(w.begin(), w.end());
    sindhikit::SortSindhi(words);
    std::vector<std::wstring> ordered;
    for (const auto& w : words) ordered.emplace_back(w.begin(), w.end());
    return ordered;
}

std::wstring Numbered(const std::vector<std::wstring>& lines, const std::wstring& gap) {
    std::wstring text;
    for (size_t i = 0; i < lines.size(); ++i) text += std::to_wstring(i + 1) + gap + lines[i] + L"\r\n";
    return text;
}

const std::wstring kEleven(11, L' ');
const std::wstring kSeven(7, L' ');

std::wstring AppleDefinitionLines() {
    return Numbered({L"noun  :   " + kAppleDefinition1, L"noun  :   " + kAppleDefinition2}, kSeven);
}

// Waits until the window's text is `expected`; on a time-out the failure shows both.
void ExpectTextBecomes(HWND hwnd, const std::wstring& expected, const char* what) {
    EXPECT_TRUE(WaitUntil([&] { return TextOf(hwnd) == expected; }))
        << what << ": got \"" << Utf8(TextOf(hwnd)) << "\", expected \"" << Utf8(expected) << "\"";
}

// Types one key into an edit and waits until the caret stands after `typedLength` characters.
void TypeKey(HWND edit, wchar_t key, size_t typedLength) {
    PostKey(edit, LOBYTE(VkKeyScanW(key)));
    ASSERT_TRUE(WaitUntil([&] { return LOWORD(SendMessageW(edit, EM_GETSEL, 0, 0)) == typedLength; }))
        << "key " << static_cast<char>(key) << ": text \"" << Utf8(TextOf(edit)) << "\", caret "
        << LOWORD(SendMessageW(edit, EM_GETSEL, 0, 0));
}

void ClickCentre(HWND hwnd) {
    const Box box = ClientBox(hwnd);
    PostClick(hwnd, box.width / 2, box.height / 2);
}

class DictionaryProgram : public ::testing::Test {
 protected:
    void SetUp() override { InstallStore(SmallStoreSource()); }
};

TEST_F(DictionaryProgram, StartsWithTheEnglishWindowInFrontFocusedAndMaximisedAndBothListsLoaded) {
    Dictionary app;
    ASSERT_TRUE(app.Program().Started());
    const auto sindhiWords = SmallStoreSindhiHeadwords();
    ASSERT_TRUE(app.WaitForStartUp(static_cast<int>(sindhiWords.size())));
    EXPECT_TRUE(IsZoomed(app.frame));
    EXPECT_EQ(TextOf(app.english), L"English To Sindhi");
    const HWND wordBox = Dictionary::Control(app.english, ids::WordBox);
    EXPECT_EQ(app.Focused(), ComboEdit(wordBox));

    // Deciphered, in ID order, the same in both controls.
    const std::vector<std::wstring> english = {L"apple", L"Banana", L"orange"};
    EXPECT_EQ(ListItems(Dictionary::Control(app.english, ids::WordList)), english);
    EXPECT_EQ(ComboItems(wordBox), english);
    EXPECT_EQ(ListItems(Dictionary::Control(app.sindhi, ids::WordList)), sindhiWords);
    EXPECT_EQ(ComboItems(Dictionary::Control(app.sindhi, ids::WordBox)), sindhiWords);
    EXPECT_EQ(TextOf(Dictionary::Control(app.sindhi, ids::lblgo)), L"\u06B3\u0648\u0644");
    EXPECT_TRUE(app.Boxes().Boxes().empty());
}

TEST_F(DictionaryProgram, EnglishLookupsByTypingClickingEnterAndGo) {
    Dictionary app;
    ASSERT_TRUE(app.WaitForStartUp(-1));
    const HWND wordBox = Dictionary::Control(app.english, ids::WordBox);
    const HWND edit = ComboEdit(wordBox);
    const HWND wordList = Dictionary::Control(app.english, ids::WordList);
    const HWND meanings = Dictionary::Control(app.english, ids::SindhiMeanings);
    const HWND definitions = Dictionary::Control(app.english, ids::EnglishMeaning);

    // Key by key: each key completes to apple with the rest highlighted.
    const std::wstring typed = L"apple";
    for (size_t i = 0; i < typed.size(); ++i) TypeKey(edit, typed[i], i + 1);
    EXPECT_EQ(TextOf(edit), L"apple");
    ExpectTextBecomes(meanings, Numbered(kAppleMeanings, kEleven), "SindhiMeanings");
    ExpectTextBecomes(definitions, L" " + AppleDefinitionLines(), "EnglishMeaning");
    EXPECT_NE(TextOf(meanings).find(L"\r\n10" + kEleven + kAppleMeanings[9] + L"\r\n"), std::wstring::npos);
    EXPECT_EQ(ListSelection(wordList), 0);
    app.Screenshot(L"dictionary_english_apple");

    // A click on an entry puts it in the box and looks it up.
    PostListClick(wordList, 1);
    ExpectTextBecomes(edit, L"Banana", "WordBox");
    ExpectTextBecomes(meanings, L"1" + kEleven + kKelo + L"\r\n", "SindhiMeanings");
    ExpectTextBecomes(definitions, L" 1" + kSeven + L"noun  :   long yellow fruit\r\n", "EnglishMeaning");

    // Enter and "Go" run the lookup again: what was scribbled over the answers goes.
    SendMessageW(meanings, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"scribbled"));
    PostKey(edit, VK_RETURN);
    ExpectTextBecomes(meanings, L"1" + kEleven + kKelo + L"\r\n", "SindhiMeanings after Enter");
    SendMessageW(meanings, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"scribbled"));
    ClickCentre(Dictionary::Control(app.english, ids::lvButtons_H1));
    ExpectTextBecomes(meanings, L"1" + kEleven + kKelo + L"\r\n", "SindhiMeanings after Go");

    // A leading space: trimmed, but the first letter stays lower case, so only the
    // definitions (asked for the normalised word once more) are found.
    SendMessageW(edit, EM_SETSEL, 0, -1);
    const std::wstring spaced = L" apple";
    for (size_t i = 0; i < spaced.size(); ++i) TypeKey(edit, spaced[i], i + 1);
    EXPECT_EQ(TextOf(edit), L" apple");
    ExpectTextBecomes(meanings, L"", "SindhiMeanings");
    ExpectTextBecomes(definitions, L" " + AppleDefinitionLines(), "EnglishMeaning");
    EXPECT_EQ(ListSelection(wordList), -1);

    // An emptied box looks up the empty word.
    SendMessageW(edit, EM_SETSEL, 0, -1);
    PostKey(edit, VK_BACK);
    ExpectTextBecomes(edit, L"", "WordBox");
    ExpectTextBecomes(definitions, L" ", "EnglishMeaning");
    EXPECT_TRUE(app.Program().Running());
    EXPECT_TRUE(app.Boxes().Boxes().empty());
}

TEST_F(DictionaryProgram, CtrlEMaximisesAgainAndCtrlSBringsTheSindhiWindowForwardAtItsSize) {
    Dictionary app;
    ASSERT_TRUE(app.WaitForStartUp(-1));
    SendMessageW(app.client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(app.english), 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsZoomed(app.english); }));

    ASSERT_TRUE(SendChord({VK_CONTROL, 'S'}));
    ASSERT_TRUE(WaitUntil([&] { return app.Active() == app.sindhi; }));
    EXPECT_FALSE(IsZoomed(app.sindhi));
    const Box inner = ClientBox(app.sindhi);
    EXPECT_NEAR(inner.width, TwipsToPixelsX(11850), 1);
    EXPECT_NEAR(inner.height, TwipsToPixelsY(9180), 1);

    ASSERT_TRUE(SendChord({VK_CONTROL, 'E'}));
    EXPECT_TRUE(WaitUntil([&] { return app.Active() == app.english && IsZoomed(app.english); }));
}

TEST_F(DictionaryProgram, SindhiWindowTypesThroughThePhoneticMapInBothModes) {
    Dictionary app;
    const auto sindhiWords = SmallStoreSindhiHeadwords();
    ASSERT_TRUE(app.WaitForStartUp(static_cast<int>(sindhiWords.size())));
    // Chosen from the menu: keys posted right after a chord could reach the program while
    // it still holds Ctrl down.
    PostMessageW(app.frame, WM_COMMAND, ID_mnuSindhiToEnglish, 0);
    ASSERT_TRUE(WaitUntil([&] { return app.Active() == app.sindhi; }));
    const HWND edit = ComboEdit(Dictionary::Control(app.sindhi, ids::WordBox));
    const HWND wordList = Dictionary::Control(app.sindhi, ids::WordList);
    const HWND meanings = Dictionary::Control(app.sindhi, ids::EnglishMeaningsList);
    const HWND definitions = Dictionary::Control(app.sindhi, ids::EnglishMeaning);
    const std::vector<std::wstring> saMeanings = {L"apple", L"orange"};

    // XP mode: the key carries the mapped letter.
    TypeKey(edit, L's', 1);
    TypeKey(edit, L'a', 2);
    ExpectTextBecomes(edit, kSa, "WordBox");
    EXPECT_TRUE(WaitUntil([&] { return ListItems(meanings) == saMeanings; }));

    // A meaning chosen shows its definitions, without a leading space.
    PostListClick(meanings, 0);
    ExpectTextBecomes(definitions, AppleDefinitionLines(), "EnglishMeaning");
    app.Screenshot(L"dictionary_sindhi_sa");

    // A key in the list matches the next headword beginning with the mapped letter, and
    // the new lookup empties the definitions.
    const auto nextAlef = [&](int after) {
        for (size_t step = 1; step <= sindhiWords.size(); ++step) {
            const size_t i = (static_cast<size_t>(after) + step) % sindhiWords.size();
            if (sindhiWords[i][0] == L'\u0627') return static_cast<int>(i);
        }
        return -1;
    };
    const int before = ListSelection(wordList);
    ASSERT_EQ(before, static_cast<int>(std::find(sindhiWords.begin(), sindhiWords.end(), kSa) - sindhiWords.begin()));
    PostKey(wordList, 'A');
    const int first = nextAlef(before);
    EXPECT_TRUE(WaitUntil([&] { return ListSelection(wordList) == first; }));
    ExpectTextBecomes(edit, sindhiWords[static_cast<size_t>(first)], "WordBox after a key in WordList");
    ExpectTextBecomes(definitions, L"", "EnglishMeaning after a new lookup");
    PostKey(wordList, 'A');
    EXPECT_TRUE(WaitUntil([&] { return ListSelection(wordList) == nextAlef(first); }));

    // 98 mode: the box empties when it gets the focus; letters go to the end whatever
    // the caret; Backspace takes the last one away.
    PostMessageW(app.frame, WM_COMMAND, ID_mnuWindow98, 0);
    ClickCentre(definitions);
    ASSERT_TRUE(WaitUntil([&] { return app.Focused() == definitions; }));
    ClickCentre(edit);
    ExpectTextBecomes(edit, L"", "WordBox on focus in the 98 mode");
    PostKey(edit, 'S');
    ExpectTextBecomes(edit, L"\u0633", "WordBox");
    PostKey(edit, VK_HOME);
    PostKey(edit, 'A');
    ExpectTextBecomes(edit, kSa, "WordBox with the caret at the start");
    EXPECT_TRUE(WaitUntil([&] { return ListItems(meanings) == saMeanings; }));
    app.Screenshot(L"dictionary_sindhi_98");
    PostKey(edit, VK_BACK);
    ExpectTextBecomes(edit, L"\u0633", "WordBox after Backspace");
    EXPECT_TRUE(app.Boxes().Boxes().empty());
}

TEST(DictionaryProgramStores, AnEmptyEnglishListSaysDataNotFoundOnce) {
    InstallStore(SmallStoreSource(), [](sqlite3* db) { Exec(db, "DELETE FROM Xlist"); });
    Dictionary app;
    ASSERT_TRUE(app.WaitForStartUp(static_cast<int>(SmallStoreSindhiHeadwords().size())));
    ASSERT_TRUE(app.Boxes().WaitForBoxes(1));
    const auto boxes = app.Boxes().Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"Data not found..");
    EXPECT_EQ(boxes[0].title, L"error");
    EXPECT_EQ(boxes[0].icon, BoxIcon::Error);
    EXPECT_EQ(boxes[0].buttons, std::vector<std::wstring>{L"OK"});
    EXPECT_TRUE(ListItems(Dictionary::Control(app.english, ids::WordList)).empty());
    EXPECT_TRUE(app.Program().Running());
}

TEST(DictionaryProgramStores, NullHeadwordsAreSkippedInBothLists) {
    InstallStore(SmallStoreSource(), [](sqlite3* db) {
        // The builder never writes Null: make the columns nullable, then blank one row each.
        Exec(db,
             "CREATE TABLE X2 (ID INTEGER PRIMARY KEY, x TEXT); INSERT INTO X2 SELECT ID, x FROM Xlist;"
             "DROP TABLE Xlist; ALTER TABLE X2 RENAME TO Xlist; UPDATE Xlist SET x = NULL WHERE ID = 2;"
             "CREATE TABLE Y2 (ID INTEGER PRIMARY KEY, Y TEXT); INSERT INTO Y2 SELECT ID, Y FROM YList;"
             "DROP TABLE YList; ALTER TABLE Y2 RENAME TO YList; UPDATE YList SET Y = NULL WHERE ID = 1;");
    });
    auto sindhiWords = SmallStoreSindhiHeadwords();
    sindhiWords.erase(sindhiWords.begin());
    Dictionary app;
    ASSERT_TRUE(app.WaitForStartUp(static_cast<int>(sindhiWords.size())));
    const std::vector<std::wstring> english = {L"apple", L"orange"};
    EXPECT_EQ(ListItems(Dictionary::Control(app.english, ids::WordList)), english);
    EXPECT_EQ(ComboItems(Dictionary::Control(app.english, ids::WordBox)), english);
    EXPECT_EQ(ListItems(Dictionary::Control(app.sindhi, ids::WordList)), sindhiWords);
    EXPECT_EQ(ComboItems(Dictionary::Control(app.sindhi, ids::WordBox)), sindhiWords);
    EXPECT_TRUE(app.Boxes().Boxes().empty());
}

TEST(DictionaryProgramStores, FailedLookupsAreSkippedAndNeverEndTheProgram) {
    InstallStore(SmallStoreSource(),
                 [](sqlite3* db) { Exec(db, "DELETE FROM StoredQueries WHERE Name = 'getXfromPD'"); });
    Dictionary app;
    ASSERT_TRUE(app.WaitForStartUp(-1));
    const HWND edit = ComboEdit(Dictionary::Control(app.english, ids::WordBox));
    const HWND wordList = Dictionary::Control(app.english, ids::WordList);
    for (size_t i = 0; i < 5; ++i) TypeKey(edit, L"apple"[i], i + 1);
    // The change event skips the failed lookup and still copies the index.
    EXPECT_TRUE(WaitUntil([&] { return ListSelection(wordList) == 0; }));
    PostKey(edit, VK_RETURN);
    ClickCentre(Dictionary::Control(app.english, ids::lvButtons_H1));
    PostListClick(wordList, 2);
    ExpectTextBecomes(edit, L"orange", "WordBox");
    // Neither the meanings nor (never reached) the definitions were written.
    EXPECT_EQ(TextOf(Dictionary::Control(app.english, ids::SindhiMeanings)), L"");
    EXPECT_EQ(TextOf(Dictionary::Control(app.english, ids::EnglishMeaning)), L"");
    EXPECT_TRUE(app.Program().Running());
    EXPECT_TRUE(app.Boxes().Boxes().empty());
}

TEST(DictionaryProgramStores, AMissingStoreIsNamedWithItsReasonAndEndsTheProgram) {
    DeleteFileW(InstalledStore().c_str());
    Dictionary app;
    ASSERT_TRUE(app.Boxes().WaitForBoxes(1, 20000));
    DWORD exitCode = 0;
    ASSERT_TRUE(app.Program().WaitForExit(20000, &exitCode));
    EXPECT_EQ(exitCode, 2u);
    const auto boxes = app.Boxes().Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find(InstalledStore().wstring()), std::wstring::npos) << Utf8(boxes[0].text);
    EXPECT_NE(boxes[0].text.find(L"Could not find file"), std::wstring::npos) << Utf8(boxes[0].text);
    EXPECT_EQ(boxes[0].title, L"Dictionary");
    EXPECT_EQ(boxes[0].icon, BoxIcon::Error);
}

TEST(DictionaryProgramStores, SplashShowsProgressAndCtrlWEndsTheProgramWhileTheSindhiHeadwordsStillLoad) {
    // Many headwords, so the loading lasts well beyond the start of the test.
    constexpr int kEnglish = 3000;
    constexpr int kSindhi = 100000;
    std::wstring source;
    for (int i = 0; i < kEnglish; ++i)
        source += L"en\t" + std::wstring(1, L"bdfhk"[i % 5]) + std::to_wstring(i) + L"\n";
    const std::wstring letters = L"\u0627\u0628\u067B\u062A\u067F\u067D\u062C\u0684\u0686\u0633";
    for (int i = 0; i < kSindhi; ++i) {
        std::wstring word;
        for (int n = i; n > 0 || word.empty(); n /= 10) word += letters[static_cast<size_t>(n % 10)];
        source += L"sd\tb0\t" + word + L"\n";
    }
    InstallStore(source);
    Dictionary app;
    // The splash window's caption names the first letter of the last headword read, in
    // upper case.
    std::wstring caption;
    ASSERT_TRUE(WaitUntil([&] {
        const HWND splash = app.Program().TopWindow(L"frmSplash");
        caption = splash ? TextOf(GetDlgItem(splash, 1)) : L"";
        return caption.size() == 31 && caption.find(L"Loading Data.. ") == 0;
    }));
    EXPECT_NE(std::wstring(L"BDFHK").find(caption[15]), std::wstring::npos) << Utf8(caption);
    EXPECT_EQ(caption.substr(16), L" ..Please wait ");
    ASSERT_TRUE(app.WaitForStartUp(-1));
    const HWND sindhiList = Dictionary::Control(app.sindhi, ids::WordList);
    ASSERT_LT(SendMessageW(sindhiList, LB_GETCOUNT, 0, 0), kSindhi);
    ASSERT_TRUE(SendChord({VK_CONTROL, 'W'}));
    DWORD exitCode = 99;
    ASSERT_TRUE(app.Program().WaitForExit(10000, &exitCode));
    EXPECT_EQ(exitCode, 0u);
}

// The Help menu's windows: top-level windows of the program, without an owner.

// Shows a Help menu window by its command and waits until it is visible and in front.
HWND ShowReferenceWindow(Dictionary& app, int command, const wchar_t* windowClass) {
    PostMessageW(app.frame, WM_COMMAND, command, 0);
    HWND window = nullptr;
    EXPECT_TRUE(WaitUntil([&] {
        window = app.Program().TopWindow(windowClass);
        return window && GetForegroundWindow() == window;
    })) << Utf8(windowClass);
    return window;
}

std::vector<int> ChildIdsInStackingOrder(HWND window) {
    std::vector<int> order;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        order.push_back(GetDlgCtrlID(child));
    return order;
}

bool IsOpen(HWND window) {
    return IsWindow(window) && IsWindowVisible(window);
}

TEST_F(DictionaryProgram, HelpWindowsHaveTheirCaptionsFramesInnerSizesAndTaskbarPresence) {
    Dictionary app;
    ASSERT_TRUE(app.WaitForStartUp(-1));
    namespace rids = reference::ids;
    const struct {
        int command;
        const wchar_t* windowClass;
        const wchar_t* caption;
        bool toolWindow;    // a small caption and never a taskbar button; else a single border and a button
        int width, height;  // inner size in twips
        bool centred;
        std::vector<int> stacking;  // the controls, topmost first
    } cases[] = {
        {ID_mnuKeyboard,
         reference::kKeyboardClass,
         L"Keyboard View",
         false,
         7155,
         6465,
         false,
         {rids::lvButtons_H1, rids::Label4, rids::Label3, rids::Label2, rids::Label1, rids::Image2, rids::Image1}},
        {ID_mnuPhonetic,
         reference::kPronounceClass,
         L"Phonetic Guide",
         false,
         8745,
         10230,
         false,
         {rids::lvButtons_H1, rids::Image2, rids::Image1}},
        {ID_mnuSindhiSortOrder,
         reference::kSortOrderClass,
         L"Sorting Order",
         true,
         6315,
         8760,
         false,
         {rids::Picture1}},
        {ID_mnuAbout, reference::kAboutClass, L"About", true, 8880, 6465, true, {rids::Label1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Utf8(c.caption));
        const HWND window = ShowReferenceWindow(app, c.command, c.windowClass);
        ASSERT_TRUE(window);
        EXPECT_EQ(TextOf(window), c.caption);
        const LONG style = GetWindowLongW(window, GWL_STYLE), exStyle = GetWindowLongW(window, GWL_EXSTYLE);
        EXPECT_EQ(style & (WS_CHILD | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
                  WS_CAPTION | WS_SYSMENU);
        EXPECT_EQ((exStyle & WS_EX_TOOLWINDOW) != 0, c.toolWindow);
        EXPECT_EQ(exStyle & (WS_EX_DLGMODALFRAME | WS_EX_APPWINDOW), 0);
        // No owner: the system gives an unowned window that is no tool window a taskbar button.
        EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
        const Box inner = ClientBox(window);
        EXPECT_EQ(inner.width, TwipsToPixelsX(c.width));
        EXPECT_EQ(inner.height, TwipsToPixelsY(c.height));
        if (c.centred) {
            const Box outer = WindowBox(window);
            EXPECT_NEAR(outer.left + outer.width / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
            EXPECT_NEAR(outer.top + outer.height / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
        }
        EXPECT_EQ(ChildIdsInStackingOrder(window), c.stacking);
        // Painted (the program paints when it is asked to: this waits for it) before the picture is taken.
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        EXPECT_TRUE(SaveProgramScreenshot(window, L"dictionary_" + std::wstring(c.windowClass)));
    }
    // Their texts and places.
    const HWND keyboard = app.Program().TopWindow(reference::kKeyboardClass);
    EXPECT_EQ(TextOf(GetDlgItem(keyboard, rids::Label3)), L"Normal View");
    EXPECT_EQ(TextOf(GetDlgItem(keyboard, rids::Label4)), L"Shift View");
    EXPECT_EQ(TextOf(GetDlgItem(keyboard, rids::lvButtons_H1)), L"Close");
    const Box close = BoxInParent(GetDlgItem(keyboard, rids::lvButtons_H1));
    EXPECT_EQ(close.left, TwipsToPixelsX(2400));
    EXPECT_EQ(close.top, TwipsToPixelsY(5760));
    const HWND about = app.Program().TopWindow(reference::kAboutClass);
    const HWND copyright = GetDlgItem(about, rids::Label1);
    EXPECT_EQ(TextOf(copyright), L"\u00A9");
    EXPECT_EQ(BoxInParent(copyright).left, TwipsToPixelsX(8640));
    EXPECT_EQ(BoxInParent(copyright).top, TwipsToPixelsY(1440));
    // Nothing the windows did made a message.
    EXPECT_TRUE(app.Boxes().Boxes().empty());
}

TEST_F(DictionaryProgram, SindhiKeyboardOpensOnceAndItsCloseEndsIt) {
    Dictionary app;
    ASSERT_TRUE(app.WaitForStartUp(-1));
    // Ctrl+K as the user presses it in the English window.
    ASSERT_TRUE(SendChord({VK_CONTROL, 'K'}));
    HWND keyboard = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        keyboard = app.Program().TopWindow(reference::kKeyboardClass);
        return keyboard && GetForegroundWindow() == keyboard;
    }));
    // Another window in front, then "Sindhi Keyboard" again: the same window comes to the front.
    const HWND guide = ShowReferenceWindow(app, ID_mnuPhonetic, reference::kPronounceClass);
    ASSERT_TRUE(guide);
    EXPECT_EQ(ShowReferenceWindow(app, ID_mnuKeyboard, reference::kKeyboardClass), keyboard);
    EXPECT_EQ(app.Program().TopWindows(reference::kKeyboardClass).size(), 1u);

    // Moved away from where the system puts new windows, then closed with "Close".
    SetWindowPos(keyboard, nullptr, 37, 41, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ClickCentre(GetDlgItem(keyboard, reference::ids::lvButtons_H1));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(keyboard); }));
    // Opened anew: another window, at the system's place rather than where the old one was.
    const HWND again = ShowReferenceWindow(app, ID_mnuKeyboard, reference::kKeyboardClass);
    ASSERT_TRUE(again);
    EXPECT_NE(again, keyboard);
    const Box placed = WindowBox(again);
    EXPECT_FALSE(placed.left == 37 && placed.top == 41);
    // The title bar's close box ends it as well.
    PostMessageW(again, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(again); }));
    EXPECT_TRUE(app.Boxes().Boxes().empty());
}

TEST_F(DictionaryProgram, PhoneticGuideClosedWithCloseComesBackWhereItWasMoved) {
    Dictionary app;
    ASSERT_TRUE(app.WaitForStartUp(-1));
    const HWND guide = ShowReferenceWindow(app, ID_mnuPhonetic, reference::kPronounceClass);
    ASSERT_TRUE(guide);
    SetWindowPos(guide, nullptr, 53, 29, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ASSERT_TRUE(WaitUntil([&] { return WindowBox(guide).left == 53 && WindowBox(guide).top == 29; }));
    // Enter on the focused "Close", through the program's own loop.
    const HWND close = GetDlgItem(guide, reference::ids::lvButtons_H1);
    ASSERT_TRUE(WaitUntil([&] { return app.Focused() == close; }));
    PostKey(close, VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(guide); }));
    EXPECT_TRUE(IsWindow(guide));  // only hidden

    EXPECT_EQ(ShowReferenceWindow(app, ID_mnuPhonetic, reference::kPronounceClass), guide);
    const Box back = WindowBox(guide);
    EXPECT_EQ(back.left, 53);
    EXPECT_EQ(back.top, 29);
    // The close box destroys it; the next "Phonetic Guide" makes a new one.
    PostMessageW(guide, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(guide); }));
    const HWND fresh = ShowReferenceWindow(app, ID_mnuPhonetic, reference::kPronounceClass);
    EXPECT_TRUE(fresh && fresh != guide);
}

TEST_F(DictionaryProgram, HelpWindowsStayUsableWhileTheLookupWindowTakesTypedKeys) {
    Dictionary app;
    ASSERT_TRUE(app.WaitForStartUp(-1));
    const HWND keyboard = ShowReferenceWindow(app, ID_mnuKeyboard, reference::kKeyboardClass);
    const HWND sortOrder = ShowReferenceWindow(app, ID_mnuSindhiSortOrder, reference::kSortOrderClass);
    ASSERT_TRUE(keyboard && sortOrder);
    // Back to the English window: the keys typed there reach its word box, not the dialog manager.
    const HWND edit = ComboEdit(Dictionary::Control(app.english, ids::WordBox));
    SetForegroundWindow(app.frame);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == app.frame; }));
    for (size_t i = 0; i < 5; ++i) TypeKey(edit, L"apple"[i], i + 1);
    ExpectTextBecomes(Dictionary::Control(app.english, ids::SindhiMeanings), Numbered(kAppleMeanings, kEleven),
                      "SindhiMeanings");
    EXPECT_TRUE(IsOpen(keyboard));
    EXPECT_TRUE(IsOpen(sortOrder));

    // The keyboard window still answers its dialog keys: Enter presses its focused "Close".
    EXPECT_EQ(ShowReferenceWindow(app, ID_mnuKeyboard, reference::kKeyboardClass), keyboard);
    const HWND close = GetDlgItem(keyboard, reference::ids::lvButtons_H1);
    ASSERT_TRUE(WaitUntil([&] { return app.Focused() == close; }));
    PostKey(close, VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(keyboard); }));
    EXPECT_TRUE(IsOpen(sortOrder));
    EXPECT_EQ(TextOf(edit), L"apple");
}

TEST_F(DictionaryProgram, F1OpensAboutCtrlOTheSortOrderAndHelpShowsItsMessage) {
    Dictionary app;
    ASSERT_TRUE(app.WaitForStartUp(-1));
    ASSERT_TRUE(SendChord({VK_F1}));
    HWND about = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (about = app.Program().TopWindow(reference::kAboutClass)) != nullptr; }));
    // Closed, it gives the main window back the keys: Ctrl+O is the menu's again.
    PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about) && GetForegroundWindow() == app.frame; }));
    ASSERT_TRUE(WaitUntil([&] { return IsChild(app.frame, app.Focused()); }));
    ASSERT_TRUE(SendChord({VK_CONTROL, 'O'}));
    ASSERT_TRUE(WaitUntil([&] { return app.Program().TopWindow(reference::kSortOrderClass) != nullptr; }));
    EXPECT_TRUE(app.Boxes().Boxes().empty());

    PostMessageW(app.frame, WM_COMMAND, ID_mnuHelp, 0);
    ASSERT_TRUE(app.Boxes().WaitForBoxes(1));
    const auto boxes = app.Boxes().Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    // The sentence's comma runs straight into the address the server's About window shows.
    const std::string site = sindhikit::pictures::kMakerWebsite;
    EXPECT_EQ(boxes[0].text, L"Please Read Readme.Doc or visit our website for detail guide," +
                                 std::wstring(site.begin(), site.end()));
    EXPECT_EQ(boxes[0].title, L"Help");
    EXPECT_EQ(boxes[0].icon, BoxIcon::Information);
    EXPECT_EQ(boxes[0].buttons, std::vector<std::wstring>{L"OK"});
    EXPECT_TRUE(app.Program().Running());
}

TEST_F(DictionaryProgram, TheDarvelLabelOfEitherLookupWindowOpensTheMakersSite) {
    Dictionary app;
    ASSERT_TRUE(app.WaitForStartUp(-1));
    const std::string site = sindhikit::pictures::kMakerWebsite;
    for (const HWND window : {app.english, app.sindhi}) {
        SCOPED_TRACE(Utf8(TextOf(window)));
        HttpHandlerStandIn browser(LAUNCH_RECORDER, "dictionary-browser.exe");
        ASSERT_TRUE(browser.Registered());
        PostMessageW(app.frame, WM_COMMAND, window == app.english ? ID_mnuEnglishToSindhi : ID_mnuSindhiToEnglish, 0);
        ASSERT_TRUE(WaitUntil([&] { return app.Active() == window; }));
        ClickCentre(Dictionary::Control(window, ids::Label5));
        std::wstring line;
        EXPECT_TRUE(WaitUntil([&] { return !(line = browser.CommandLine()).empty(); }));
        EXPECT_NE(line.find(std::wstring(site.begin(), site.end())), std::wstring::npos) << Utf8(line);
    }
    EXPECT_TRUE(app.Program().Running());
    EXPECT_TRUE(app.Boxes().Boxes().empty());
}

}  // namespace
