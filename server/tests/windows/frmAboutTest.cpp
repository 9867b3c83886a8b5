// frmAbout driven directly: one window, its caption and version line, Enter and Esc
// through the message loop, its labels and places.
#include <gtest/gtest.h>

#include "ServerWindows.h"
#include "WindowsTestSupport.h"
#include "gui/HttpHandlerStandIn.h"
#include "gui/Screenshot.h"
#include "layout/MakerInfo.h"

#include <cstring>
#include <string>
#include <vector>

using namespace tavrocodes::windows;
using namespace tavrocodes::windows::test;
using namespace sindhikit::guitest;

namespace {

class frmAboutTest : public ::testing::Test {
 protected:
    void SetUp() override { CloseAll(); }
    void TearDown() override { CloseAll(); }

    HWND Open() {
        EXPECT_EQ(showAbout(), S_OK);
        PumpPending();
        return AboutWindow();
    }
};

}  // namespace

TEST_F(frmAboutTest, ShowingTwiceLeavesOneWindowWithCaptionAndTheModulesVersion) {
    HWND about = Open();
    ASSERT_TRUE(about);
    EXPECT_EQ(showAbout(), S_OK);
    PumpPending();
    EXPECT_EQ(CountWindows(kAboutCaption), 1u);
    EXPECT_EQ(AboutWindow(), about);
    EXPECT_EQ(TextOf(about), L"About Developer");
    // This test program's own version resource says 3.4.0.17.
    EXPECT_EQ(TextOf(GetDlgItem(about, lblVersion)), L"Version 3.4.17");
    EXPECT_EQ(TextOf(GetDlgItem(about, cmdOK)), L"OK");
    EXPECT_EQ(TextOf(GetDlgItem(about, cmdSysInfo)), L"&System Info...");
    EXPECT_TRUE(GetWindowLongW(GetDlgItem(about, cmdOK), GWL_STYLE) & BS_DEFPUSHBUTTON);
    EXPECT_TRUE(SaveWindowScreenshot(about, L"frmAbout"));
}

TEST_F(frmAboutTest, EnterAndEscCloseItThroughTheMessageLoop) {
    for (UINT key : {VK_RETURN, VK_ESCAPE}) {
        HWND about = Open();
        ASSERT_TRUE(about);
        ASSERT_TRUE(PumpUntil([&] { return GetFocus() == GetDlgItem(about, cmdOK); }));
        PressKey(key);
        EXPECT_FALSE(IsWindow(about)) << "key " << key;
    }
    // With the focus on System Info, Esc still means cancel.
    HWND about = Open();
    ASSERT_TRUE(about);
    SetFocus(GetDlgItem(about, cmdSysInfo));
    PressKey(VK_ESCAPE);
    EXPECT_FALSE(IsWindow(about));
}

TEST_F(frmAboutTest, OkButtonAndCloseBoxUnloadIt) {
    HWND about = Open();
    Click(GetDlgItem(about, cmdOK));
    EXPECT_FALSE(IsWindow(about));
    about = Open();
    SendMessageW(about, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(about));
}

TEST_F(frmAboutTest, LabelsSitInsideThePictureWithTheMakersAddresses) {
    HWND about = Open();
    ASSERT_TRUE(about);
    HWND picture = GetDlgItem(about, Picture1);
    ASSERT_TRUE(picture);
    HWND email = FindChildById(picture, Label2), web = FindChildById(picture, Label1);
    ASSERT_TRUE(email && web);
    EXPECT_EQ(GetParent(email), picture);
    EXPECT_EQ(GetParent(web), picture);
    EXPECT_EQ(TextOf(email), L"tavrocodes@example.org");
    EXPECT_EQ(TextOf(web), L"Website : http://www.tavrocodes.example.org");
    EXPECT_TRUE(GetWindowLongW(web, GWL_STYLE) & SS_NOTIFY) << "the web label takes clicks";

    const struct {
        HWND control;
        int x, y, w, h;
    } places[] = {
        {picture, 240, 120, 7095, 4695},
        {email, 960, 3360, 2775, 255},
        {GetDlgItem(about, cmdOK), 5685, 5025, 1260, 345},
        {GetDlgItem(about, cmdSysInfo), 5700, 5475, 1245, 345},
        {GetDlgItem(about, Frame1), 0, 0, 7335, 4935},
        {GetDlgItem(about, lblVersion), 0, 5400, 5055, 255},
    };
    for (const auto& p : places) {
        const Box b = BoxInParent(p.control);
        EXPECT_EQ(b.left, TwipsToPixelsX(p.x)) << GetDlgCtrlID(p.control);
        EXPECT_EQ(b.top, TwipsToPixelsY(p.y)) << GetDlgCtrlID(p.control);
        EXPECT_EQ(b.width, TwipsToPixelsX(p.w)) << GetDlgCtrlID(p.control);
        EXPECT_EQ(b.height, TwipsToPixelsY(p.h)) << GetDlgCtrlID(p.control);
        EXPECT_LE(b.top + b.height, ClientBox(GetParent(p.control)).height) << GetDlgCtrlID(p.control);
    }
    EXPECT_EQ(ClientBox(about).width, TwipsToPixelsX(7350));
    EXPECT_EQ(ClientBox(about).height, TwipsToPixelsY(5850));
    // The web label is as wide as its text and fits the picture.
    const Box w = BoxInParent(web);
    EXPECT_EQ(w.left, TwipsToPixelsX(960));
    EXPECT_EQ(w.top, TwipsToPixelsY(4200));
    EXPECT_GT(w.width, 150);
    EXPECT_LE(w.left + w.width, ClientBox(picture).width);

    // Its own cursor: the hand, when the mouse is over it.
    SendMessageW(web, WM_SETCURSOR, reinterpret_cast<WPARAM>(web), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_HAND));

    const LONG style = GetWindowLongW(about, GWL_STYLE);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(GetWindow(about, GW_OWNER));
}

TEST_F(frmAboutTest, ClickingTheWebLabelAsksTheShellToOpenTheAddress) {
    // The shell opens http addresses with the program registered for them; a stand-in
    // registered in their place shows that the label asked, and for which address.
    HttpHandlerStandIn browser(SYSINFO_STUB, "tavro-browser.exe");
    ASSERT_TRUE(browser.Registered());

    HWND about = Open();
    ASSERT_TRUE(about);
    HWND web = FindChildById(GetDlgItem(about, Picture1), Label1);
    SendMessageW(web, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(web, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    std::wstring line;
    PumpUntil([&] { return !(line = browser.CommandLine()).empty(); });
    EXPECT_NE(line.find(L"http://www.tavrocodes.example.org"), std::wstring::npos)
        << std::string(line.begin(), line.end());
    EXPECT_TRUE(IsWindow(about));
}
