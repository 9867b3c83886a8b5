// frmKB driven directly on this thread: picture choice, one window per thread, the
// window's frame and places, closing and opening anew.
#include <gtest/gtest.h>

#include "KeyboardPictureSource.h"
#include "ServerWindows.h"
#include "gui/MessageBoxWatcher.h"
#include "WindowsTestSupport.h"
#include "win/Pictures.h"
#include "gui/Screenshot.h"
#include "layout/KeyboardLayout.h"

using namespace tavrocodes::windows;
using namespace tavrocodes::windows::test;
using namespace sindhikit::guitest;
using sindhikit::Langs;

namespace {

class frmKBTest : public ::testing::Test {
 protected:
    void SetUp() override { CloseAll(); }
    void TearDown() override { CloseAll(); }
};

void ExpectShowing(HWND kb, int simpleStore, int shiftStore, Langs lang) {
    ASSERT_TRUE(kb);
    EXPECT_TRUE(IsWindowVisible(kb));
    HBITMAP simple = ImageOf(kb, SimpleKB), shift = ImageOf(kb, ShiftKB);
    EXPECT_TRUE(simple);
    EXPECT_EQ(simple, ImageOf(kb, simpleStore));
    EXPECT_EQ(shift, ImageOf(kb, shiftStore));
    // The visible images take their pictures' sizes.
    const auto simpleSize = sindhikit::pictures::KeyboardPictureSize(lang, false);
    const auto shiftSize = sindhikit::pictures::KeyboardPictureSize(lang, true);
    EXPECT_EQ(BoxInParent(GetDlgItem(kb, SimpleKB)).width, simpleSize.width);
    EXPECT_EQ(BoxInParent(GetDlgItem(kb, SimpleKB)).height, simpleSize.height);
    EXPECT_EQ(BoxInParent(GetDlgItem(kb, ShiftKB)).width, shiftSize.width);
    EXPECT_EQ(BoxInParent(GetDlgItem(kb, ShiftKB)).height, shiftSize.height);
}

}  // namespace

TEST_F(frmKBTest, UrduThenFarsiLeavesOneWindowShowingTheFarsiPictures) {
    ShowKB(static_cast<int>(Langs::Urdu));
    PumpPending();
    HWND first = KeyboardWindow();
    ExpectShowing(first, Urdu_KB, Urdu_Shift_KB, Langs::Urdu);

    ShowKB(static_cast<int>(Langs::Farsi));
    PumpPending();
    EXPECT_EQ(CountWindows(kKeyboardCaption), 1u);
    EXPECT_EQ(KeyboardWindow(), first);
    ExpectShowing(first, Farsi_KB, Farsi_Shift_KB, Langs::Farsi);
    // Activation comes back from the display server; give it its time.
    EXPECT_TRUE(PumpUntil([&] { return GetActiveWindow() == first; }));

    // What the screen shows in SimpleKB's place is the Farsi picture itself.
    HBITMAP reference = sindhikit::pictures::CreateKeyboardPicture(Langs::Farsi, false);
    const Pixels expected = ReadBitmap(reference);
    DeleteObject(reference);
    HWND simple = GetDlgItem(first, SimpleKB);
    WaitUntilScreenShows(simple, [&](const Pixels& shown) { return shown.DifferenceFrom(expected) < 0.01; });
    EXPECT_LT(CaptureChild(simple).DifferenceFrom(expected), 0.01);
    EXPECT_TRUE(SaveWindowScreenshot(first, L"frmKB_Farsi"));
}

TEST_F(frmKBTest, OtherLanguagesShowNothingAndLeaveAnOpenWindowAsItWas) {
    for (int lang : {0, 5, 4, -1}) {
        ShowKB(lang);
        PumpPending();
        EXPECT_EQ(CountWindows(kKeyboardCaption), 0u) << lang;
        EXPECT_TRUE(FindTopWindows(kKeyboardCaption, nullptr, false).empty()) << "not even hidden: " << lang;
    }
    ShowKB(static_cast<int>(Langs::Sindhi));
    PumpPending();
    HWND kb = KeyboardWindow();
    ASSERT_TRUE(kb);
    const Box before = WindowBox(kb);
    for (int lang : {0, 5}) {
        ShowKB(lang);
        PumpPending();
        EXPECT_EQ(KeyboardWindow(), kb);
        ExpectShowing(kb, Sindhi_KB, Sindhi_Shift_KB, Langs::Sindhi);
        EXPECT_EQ(WindowBox(kb).left, before.left);
        EXPECT_EQ(WindowBox(kb).top, before.top);
    }
}

TEST_F(frmKBTest, Command1UnloadsAndTheNextShowOpensItAnewWithSindhiPictures) {
    ShowKB(static_cast<int>(Langs::Farsi));
    PumpPending();
    HWND first = KeyboardWindow();
    ASSERT_TRUE(first);
    HWND close = FindChildByText(first, L"&Close", L"Button");
    ASSERT_EQ(close, GetDlgItem(first, Command1));
    Click(close);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(CountWindows(kKeyboardCaption), 0u);

    ShowKB(static_cast<int>(Langs::Sindhi));
    PumpPending();
    HWND second = KeyboardWindow();
    ASSERT_TRUE(second);
    EXPECT_NE(second, first);
    ExpectShowing(second, Sindhi_KB, Sindhi_Shift_KB, Langs::Sindhi);
    EXPECT_TRUE(SaveWindowScreenshot(second, L"frmKB_Sindhi"));
}

TEST_F(frmKBTest, FixedDialogFrameCentredWithoutTaskbarButtonOrMinMaxBoxes) {
    ShowKB(static_cast<int>(Langs::Sindhi));
    PumpPending();
    HWND kb = KeyboardWindow();
    ASSERT_TRUE(kb);
    EXPECT_EQ(TextOf(kb), L"KeyBoard view");
    const LONG style = GetWindowLongW(kb, GWL_STYLE), ex = GetWindowLongW(kb, GWL_EXSTYLE);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(ex & WS_EX_DLGMODALFRAME);
    EXPECT_FALSE(ex & WS_EX_APPWINDOW);
    HWND owner = GetWindow(kb, GW_OWNER);
    ASSERT_TRUE(owner) << "an unowned window gets a taskbar button";
    EXPECT_FALSE(IsWindowVisible(owner));

    // The window's inner size, the controls' places and the centre of the screen, in
    // twips at the screen's resolution.
    EXPECT_EQ(ClientBox(kb).width, TwipsToPixelsX(7545));
    EXPECT_EQ(ClientBox(kb).height, TwipsToPixelsY(6300));
    const Box outer = WindowBox(kb);
    EXPECT_NEAR(outer.left + outer.width / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR(outer.top + outer.height / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    const Box button = BoxInParent(GetDlgItem(kb, Command1));
    EXPECT_EQ(button.left, TwipsToPixelsX(3360));
    EXPECT_EQ(button.top, TwipsToPixelsY(5640));
    EXPECT_EQ(button.width, TwipsToPixelsX(1215));
    EXPECT_EQ(button.height, TwipsToPixelsY(495));
    EXPECT_EQ(BoxInParent(GetDlgItem(kb, SimpleKB)).left, TwipsToPixelsX(360));
    EXPECT_EQ(BoxInParent(GetDlgItem(kb, SimpleKB)).top, TwipsToPixelsY(120));
    EXPECT_EQ(BoxInParent(GetDlgItem(kb, ShiftKB)).top, TwipsToPixelsY(2880));
    // Everything lies inside the window.
    for (int id : {Command1, SimpleKB, ShiftKB}) {
        const Box b = BoxInParent(GetDlgItem(kb, id));
        EXPECT_LE(b.left + b.width, ClientBox(kb).width) << id;
        EXPECT_LE(b.top + b.height, ClientBox(kb).height) << id;
    }
    // The store pictures are hidden and hold their languages' bitmaps at their sizes.
    const struct {
        int id;
        Langs lang;
        bool shifted;
    } store[] = {{Sindhi_KB, Langs::Sindhi, false}, {Sindhi_Shift_KB, Langs::Sindhi, true},
                 {Urdu_KB, Langs::Urdu, false},     {Urdu_Shift_KB, Langs::Urdu, true},
                 {Farsi_KB, Langs::Farsi, false},   {Farsi_Shift_KB, Langs::Farsi, true}};
    for (const auto& s : store) {
        HWND image = GetDlgItem(kb, s.id);
        ASSERT_TRUE(image) << s.id;
        EXPECT_FALSE(IsWindowVisible(image));
        const Pixels p = ReadBitmap(ImageOf(kb, s.id));
        const auto size = sindhikit::pictures::KeyboardPictureSize(s.lang, s.shifted);
        EXPECT_EQ(p.width, size.width);
        EXPECT_EQ(p.height, size.height);
    }
    // Background: the system colour of title-bar text.
    const Box client = ClientBox(kb);
    POINT corner{client.width - 3, client.height - 3};
    ClientToScreen(kb, &corner);
    const COLORREF c = GetSysColor(COLOR_CAPTIONTEXT);
    const std::uint32_t background =
        (static_cast<std::uint32_t>(GetRValue(c)) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    auto cornerColour = [&] { return CaptureWindow(kb).At(corner.x - outer.left, corner.y - outer.top); };
    PumpUntil([&] { return cornerColour() == background; });
    EXPECT_EQ(cornerColour(), background);
}

TEST_F(frmKBTest, ModuleStaysLockedWhileAWindowIsOpen) {
    static int locks = 0;
    SetModuleLock([](bool lock) { locks += lock ? 1 : -1; });
    ShowKB(static_cast<int>(Langs::Urdu));
    showAbout();
    EXPECT_EQ(locks, 2);
    ShowKB(static_cast<int>(Langs::Farsi));  // the same window
    EXPECT_EQ(locks, 2);
    CloseAll();
    EXPECT_EQ(locks, 0);
    SetModuleLock(nullptr);
}

TEST_F(frmKBTest, APictureThatCannotBeDrawnIsReportedAndTheWindowStillShows) {
    // Urdu's unshifted picture fails to draw; everything else is the real thing.
    SetKeyboardPictureSource([](Langs lang, bool shifted) -> HBITMAP {
        return lang == Langs::Urdu && !shifted ? nullptr : sindhikit::pictures::CreateKeyboardPicture(lang, shifted);
    });
    std::vector<RecordedMessageBox> boxes;
    {
        MessageBoxWatcher watcher;
        ShowKB(static_cast<int>(Langs::Urdu));
        PumpPending();
        boxes = watcher.Boxes();
    }
    SetKeyboardPictureSource(nullptr);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"The keyboard picture could not be drawn.");
    EXPECT_EQ(boxes[0].title, L"TavroCodes");
    EXPECT_EQ(boxes[0].buttons, std::vector<std::wstring>{L"OK"});
    // The steps after the failing one ran: the shifted picture is assigned, the window shows.
    HWND kb = KeyboardWindow();
    ASSERT_TRUE(kb);
    EXPECT_TRUE(IsWindowVisible(kb));
    EXPECT_EQ(ImageOf(kb, SimpleKB), nullptr);
    EXPECT_EQ(ImageOf(kb, ShiftKB), ImageOf(kb, Urdu_Shift_KB));
    EXPECT_TRUE(ImageOf(kb, ShiftKB));
}
