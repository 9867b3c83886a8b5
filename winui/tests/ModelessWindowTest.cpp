// The modeless windows as the Dictionary hosts them (no owner, its own loop routing the
// dialog keys) beside the server's way (hidden owner, message hook): frames and inner
// sizes, one window of a kind, the hold on the module, and where the dialog keys go.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/MessagePump.h"
#include "gui/WindowProbe.h"
#include "winui/Controls.h"
#include "winui/ModelessWindow.h"
#include "winui/OpenWindows.h"
#include "winui/SingleWindow.h"

using namespace sindhikit::winui;
using namespace sindhikit::guitest;

namespace {

constexpr WindowHost kDictionary{Owner::None, KeyRouting::OwnLoop};
constexpr WindowHost kServer{Owner::Hidden, KeyRouting::Hook};
constexpr wchar_t kClass[] = L"WinuiTestWindow";

INT_PTR CALLBACK TestDialog(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            AddControl(dialog, L"Button", L"OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, IDOK, 10, 10, 80, 24);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDCANCEL) DestroyWindow(dialog);
            return TRUE;
    }
    return FALSE;
}

HWND Create(const WindowHost& host, Frame frame, bool dialog, TwipsSize inner = {4500, 3000}) {
    const WindowDesign design{L"winui test window", frame, inner};
    if (dialog) return CreateModelessDialog(host, design, TestDialog);
    EXPECT_TRUE(RegisterWindowClass(kClass, DefWindowProcW, GetSysColorBrush(COLOR_WINDOW)));
    return CreateModelessWindow(host, design, kClass);
}

LONG Style(HWND w) {
    return GetWindowLongW(w, GWL_STYLE);
}
LONG ExStyle(HWND w) {
    return GetWindowLongW(w, GWL_EXSTYLE);
}

// A loop like the Dictionary's, which routes dialog keys, or a plain one, which does not.
void PumpQueued(bool routeDialogKeys) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (routeDialogKeys && RouteDialogKeys(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace

TEST(ModelessWindow, FramesOwnersAndInnerSizesInTwips) {
    const struct {
        Frame frame;
        bool dialog;
        LONG exStyle;  // the frame's extended style
    } cases[] = {
        {Frame::FixedDialog, true, WS_EX_DLGMODALFRAME},
        {Frame::FixedDialog, false, WS_EX_DLGMODALFRAME},
        {Frame::FixedSingle, true, 0},
        {Frame::FixedSingle, false, 0},
        {Frame::FixedTool, true, WS_EX_TOOLWINDOW},
        {Frame::FixedTool, false, WS_EX_TOOLWINDOW},
    };
    for (const auto& c : cases) {
        for (const WindowHost* host : {&kDictionary, &kServer}) {
            SCOPED_TRACE(::testing::Message() << "frame " << static_cast<int>(c.frame) << (c.dialog ? " dialog" : "")
                                              << (host == &kServer ? " server" : " dictionary"));
            HWND w = Create(*host, c.frame, c.dialog, {7155, 6465});
            ASSERT_TRUE(w);
            EXPECT_FALSE(IsWindowVisible(w)) << "created hidden";
            EXPECT_EQ(ClientBox(w).width, TwipsToPixelsX(7155));
            EXPECT_EQ(ClientBox(w).height, TwipsToPixelsY(6465));
            EXPECT_EQ(Style(w) & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
            EXPECT_FALSE(Style(w) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
            EXPECT_EQ(ExStyle(w) & (WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW), c.exStyle);
            HWND owner = GetWindow(w, GW_OWNER);
            if (host == &kServer) {
                // An owned window never gets a taskbar button; its owner is never seen.
                ASSERT_TRUE(owner);
                EXPECT_EQ(owner, HiddenOwner());
                EXPECT_FALSE(IsWindowVisible(owner));
            } else {
                EXPECT_EQ(owner, nullptr) << "the Dictionary's reference windows have no owner";
            }
            DestroyWindow(w);
        }
    }
}

TEST(ModelessWindow, CentredOnTheScreen) {
    HWND w = Create(kDictionary, Frame::FixedTool, false, {8880, 6465});
    ASSERT_TRUE(w);
    CentreOnScreen(w);
    const Box outer = WindowBox(w);
    EXPECT_NEAR(outer.left + outer.width / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR(outer.top + outer.height / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
    EXPECT_EQ(ClientBox(w).width, TwipsToPixelsX(8880)) << "moved, not resized";
    DestroyWindow(w);
}

TEST(SingleWindow, OneWindowOfAKindASecondShowBringsItToTheFrontAndItsEndEmptiesTheSlot) {
    static SingleWindow keyboard;
    int created = 0;
    auto create = [&] {
        ++created;
        return Create(kDictionary, Frame::FixedSingle, false);
    };
    ASSERT_TRUE(keyboard.Load(create));
    HWND first = keyboard.Get();
    ASSERT_TRUE(first);
    keyboard.Show();
    EXPECT_TRUE(IsWindowVisible(first));
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == first; }));

    // Another window comes to the front; showing the open one again brings it back.
    HWND other = Create(kDictionary, Frame::FixedSingle, false);
    ShowWindow(other, SW_SHOW);
    SetForegroundWindow(other);
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == other; }));
    ASSERT_TRUE(keyboard.Load(create));
    keyboard.Show();
    EXPECT_EQ(keyboard.Get(), first);
    EXPECT_EQ(created, 1) << "a second show opens no copy";
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == first && GetActiveWindow() == first; }));

    // Hidden, it stays loaded and shows where it was.
    ShowWindow(first, SW_HIDE);
    SetWindowPos(first, nullptr, 40, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(keyboard.Load(create));
    keyboard.Show();
    EXPECT_EQ(keyboard.Get(), first);
    EXPECT_TRUE(IsWindowVisible(first));
    EXPECT_EQ(WindowBox(first).left, 40);
    EXPECT_EQ(WindowBox(first).top, 50);

    // Destroyed, the next show makes a new one.
    DestroyWindow(first);
    EXPECT_EQ(keyboard.Get(), nullptr);
    ASSERT_TRUE(keyboard.Load(create));
    EXPECT_EQ(created, 2);
    EXPECT_NE(keyboard.Get(), nullptr);
    DestroyWindow(keyboard.Get());
    DestroyWindow(other);
    EXPECT_FALSE(keyboard.Load([] { return static_cast<HWND>(nullptr); })) << "a window that cannot be made";
    EXPECT_EQ(keyboard.Get(), nullptr);
}

TEST(OpenWindows, EachOpenWindowHoldsTheHostUntilItHasEnded) {
    static int holds = 0;
    const WindowHost held{Owner::Hidden, KeyRouting::Hook, [](bool hold) { holds += hold ? 1 : -1; }};
    HWND a = Create(held, Frame::FixedDialog, true);
    HWND b = Create(held, Frame::FixedDialog, false);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(holds, 2);
    EXPECT_TRUE(IsTracked(a));
    DestroyWindow(a);
    EXPECT_EQ(holds, 1);
    EXPECT_FALSE(IsTracked(a));
    SendMessageW(b, WM_CLOSE, 0, 0);  // the close box
    EXPECT_EQ(holds, 0);
}

TEST(OpenWindows, DialogKeysReachAWindowOnlyThroughItsOwnRouting) {
    // Esc in a dialog means IDCANCEL, which closes the test dialog, but only when the loop's
    // messages pass through IsDialogMessage: by the hook for the server's windows, by
    // RouteDialogKeys for the Dictionary's.
    const struct {
        const WindowHost* host;
        bool loopRoutes;
        bool closes;
    } cases[] = {
        {&kServer, false, true},       // a macro host's plain loop: the hook routes
        {&kDictionary, false, false},  // a plain loop routes nothing for an OwnLoop window
        {&kDictionary, true, true},    // the Dictionary's loop
        {&kServer, true, true},        // a routing loop leaves hooked windows to the hook
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << (c.host == &kServer ? "server" : "dictionary")
                                          << (c.loopRoutes ? ", routing loop" : ", plain loop"));
        HWND dialog = Create(*c.host, Frame::FixedSingle, true);
        ASSERT_TRUE(dialog);
        ShowWindow(dialog, SW_SHOW);
        PostKey(VK_ESCAPE, GetDlgItem(dialog, IDOK));
        PumpQueued(c.loopRoutes);
        EXPECT_EQ(!IsWindow(dialog), c.closes);
        if (IsWindow(dialog)) DestroyWindow(dialog);
    }
    // Keys of windows the library does not know are the loop's own.
    HWND plain = CreateWindowExW(0, L"Button", L"plain", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    MSG msg{plain, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    EXPECT_FALSE(RouteDialogKeys(msg));
    DestroyWindow(plain);
}
