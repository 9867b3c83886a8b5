// The Forms stand-ins in this process: completion and its index, the change event the
// windows rely on (also when the program sets the index or the text), a key code replaced
// by the handler, first-letter matching, and the searchable entries behind completion.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ComboBox.h"
#include "EntryIndex.h"
#include "ListBox.h"

using namespace dictionary::controls;

namespace {

TEST(EntryIndex, FindsTheLowestIndexAmongEntriesBeginningWithOrEqualToAText) {
    EntryIndex index;
    for (const wchar_t* e : {L"apricot", L"Banana", L"apple", L"banana", L"\u06AA\u064A\u0631", L"Apple"}) index.Add(e);
    const struct {
        const wchar_t* text;
        int beginning, equal;
    } cases[] = {
        {L"a", 0, -1},      {L"AP", 0, -1}, {L"app", 2, -1}, {L"apple", 2, 2},    {L"BANANA", 1, 1},
        {L"\u06AA", 4, -1}, {L"x", -1, -1}, {L"", -1, -1},   {L"applez", -1, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(index.FirstBeginningWith(c.text), c.beginning) << c.text;
        EXPECT_EQ(index.FirstEqualTo(c.text), c.equal) << c.text;
    }
    // Entries added after a search are found too; Clear forgets all.
    index.Add(L"zebra");
    EXPECT_EQ(index.FirstBeginningWith(L"Z"), 6);
    index.Clear();
    EXPECT_EQ(index.FirstBeginningWith(L"a"), -1);
}

class ControlsTest : public ::testing::Test {
 protected:
    void SetUp() override {
        parent_ = CreateWindowExW(0, L"STATIC", L"controls", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(parent_);
        // The parent hands the controls their notifications, as the lookup windows do.
        SetWindowLongPtrW(parent_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ParentProc));
    }
    void TearDown() override { DestroyWindow(parent_); }

    static LRESULT CALLBACK ParentProc(HWND h, UINT m, WPARAM w, LPARAM l) {
        LRESULT result = 0;
        if (ReflectToControl(m, w, l, result)) return result;
        return DefWindowProcW(h, m, w, l);
    }

    HWND parent_ = nullptr;
};

TEST_F(ControlsTest, ComboBoxCompletesTypedTextAndReportsEveryChangeOnce) {
    auto box = ComboBox::Create(parent_, 1, false);
    ASSERT_TRUE(box);
    for (const wchar_t* e : {L"apple", L"Banana", L"apricot"}) box->AddItem(e);
    std::vector<std::pair<std::wstring, int>> changes;
    box->Change = [&] { changes.push_back({box->Text(), box->ListIndex()}); };

    SendMessageW(box->Edit(), WM_CHAR, L'a', 0);
    EXPECT_EQ(box->Text(), L"apple");
    DWORD start = 0, end = 0;
    SendMessageW(box->Edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 1u);  // the completed remainder stays highlighted
    EXPECT_EQ(end, 5u);
    SendMessageW(box->Edit(), WM_CHAR, L'p', 0);
    SendMessageW(box->Edit(), WM_CHAR, L'r', 0);  // replaces the highlight: "apr" -> apricot
    EXPECT_EQ(box->Text(), L"apricot");
    SendMessageW(box->Edit(), WM_CHAR, L'x', 0);  // begins no entry: stays as typed
    EXPECT_EQ(box->Text(), L"aprx");
    EXPECT_EQ(box->ListIndex(), -1);
    const std::vector<std::pair<std::wstring, int>> expected = {
        {L"apple", 0}, {L"apricot", 2}, {L"aprx", -1}};  // "ap" completed to apple again: no change
    EXPECT_EQ(changes, expected);

    // Set by the program: the entry's text, one change; the same index again: none.
    changes.clear();
    box->SetListIndex(1);
    box->SetListIndex(1);
    box->SetText(L"apple");
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_EQ(changes[0], std::make_pair(std::wstring(L"Banana"), 1));
    EXPECT_EQ(changes[1], std::make_pair(std::wstring(L"apple"), 0));
}

TEST_F(ControlsTest, AKeyCodeReplacedByTheHandlerIsWhatTheBoxInserts) {
    auto box = ComboBox::Create(parent_, 1, true);
    ASSERT_TRUE(box);
    box->KeyPress = [](int& code) { code = code == L'x' ? 0 : L'\u0633'; };
    SendMessageW(box->Edit(), WM_CHAR, L's', 0);
    SendMessageW(box->Edit(), WM_CHAR, L'x', 0);  // 0: nothing inserted
    EXPECT_EQ(box->Text(), L"\u0633");
}

TEST_F(ControlsTest, ListBoxMatchesFirstLettersAndReportsIndexChanges) {
    auto list = ListBox::Create(parent_, 2, ListLook::RightToLeft);
    ASSERT_TRUE(list);
    for (const wchar_t* e : {L"\u0627\u0646\u0628", L"\u0633\u0627", L"\u0627\u06AA", L"\u0628\u0627"})
        list->AddItem(e);
    int changes = 0;
    list->Change = [&] { ++changes; };
    list->KeyPress = [](int& code) { code = code == L'a' ? L'\u0627' : code; };
    SendMessageW(list->Hwnd(), WM_CHAR, L'a', 0);
    EXPECT_EQ(list->ListIndex(), 0);
    SendMessageW(list->Hwnd(), WM_CHAR, L'a', 0);  // the same letter moves on
    EXPECT_EQ(list->ListIndex(), 2);
    SendMessageW(list->Hwnd(), WM_CHAR, L'a', 0);  // and round again
    EXPECT_EQ(list->ListIndex(), 0);
    EXPECT_EQ(list->Text(), L"\u0627\u0646\u0628");
    list->SetListIndex(3);
    list->SetListIndex(3);
    EXPECT_EQ(changes, 4);
    list->SetListIndex(-1);
    EXPECT_EQ(list->Text(), L"");
    EXPECT_EQ(changes, 5);
}

}  // namespace
