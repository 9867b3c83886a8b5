#include <gtest/gtest.h>

#include "ServerWindows.h"
#include "WindowsTestSupport.h"
#include "gui/Screenshot.h"

using namespace tavrocodes::windows;
using namespace tavrocodes::windows::test;
using namespace sindhikit::guitest;

TEST(frmSortOrder, OneWindowWithTheChartAlongTheTopUntilItsCloseBoxIsUsed) {
    CloseAll();
    ASSERT_EQ(showSorting(), S_OK);
    PumpPending();
    HWND sort = SortOrderWindow();
    ASSERT_TRUE(sort);
    ASSERT_EQ(showSorting(), S_OK);
    PumpPending();
    EXPECT_EQ(CountWindows(kSortOrderCaption), 1u);
    EXPECT_EQ(SortOrderWindow(), sort);

    EXPECT_EQ(ClientBox(sort).width, TwipsToPixelsX(6315));
    EXPECT_EQ(ClientBox(sort).height, TwipsToPixelsY(8760));
    const LONG style = GetWindowLongW(sort, GWL_STYLE);
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    EXPECT_TRUE(GetWindowLongW(sort, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
    EXPECT_TRUE(GetWindow(sort, GW_OWNER));
    EXPECT_TRUE(ChildrenOf(sort).size() == 1) << "no buttons, only the picture";

    HWND picture = GetDlgItem(sort, SortPicture1);
    ASSERT_TRUE(picture);
    const Box p = BoxInParent(picture);
    EXPECT_EQ(p.left, 0);
    EXPECT_EQ(p.top, 0);
    EXPECT_EQ(p.width, ClientBox(sort).width);
    EXPECT_EQ(p.height, 583);
    WaitUntilScreenShows(picture, [](const Pixels& shown) { return shown.InkFraction() > 0.05; });
    EXPECT_GT(CaptureChild(picture).InkFraction(), 0.05);
    EXPECT_TRUE(SaveWindowScreenshot(sort, L"frmSortOrder"));

    SendMessageW(sort, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(sort));
    EXPECT_EQ(CountWindows(kSortOrderCaption), 0u);
}
