// The resize sequences driving real child windows at the screen's resolution: a plain
// window holding child windows of the design sizes, resized to the worked examples' inner
// sizes, has every control where the layout puts it, to within a pixel. Runs at the
// prefix's resolution; the 144-dpi run sets SINDHIKIT_EXPECT_DPI.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <string>

#include "gui/Screenshot.h"
#include "layout/ResizeLookupWindows.h"
#include "layout/win/ChildWindowGeometry.h"
#include "layout/tests/WorkedExamples.h"

namespace sindhikit::layout {
namespace {

constexpr auto L = Dimension::Left, T = Dimension::Top, W = Dimension::Width, H = Dimension::Height;

int ScreenDpi(int index) {
    HDC dc = GetDC(nullptr);
    const int dpi = GetDeviceCaps(dc, index);
    ReleaseDC(nullptr, dc);
    return dpi;
}

// A top-level window that runs `onSize` on every resize, as the lookup windows will.
class TestWindow {
 public:
    explicit TestWindow(const wchar_t* caption) {
        static const ATOM atom = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = Proc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.hbrBackground = CreateSolidBrush(RGB(64, 0, 0));
            wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
            wc.lpszClassName = L"SindhiKitLayoutTest";
            return RegisterClassW(&wc);
        }();
        hwnd = CreateWindowExW(0, MAKEINTATOM(atom), caption, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 400, 300,
                               nullptr, nullptr, GetModuleHandleW(nullptr), this);
    }
    ~TestWindow() { DestroyWindow(hwnd); }

    HWND AddChild(const wchar_t* windowClass, const char* name, DWORD style) {
        const std::wstring text(name, name + strlen(name));
        return CreateWindowExW(0, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | WS_BORDER | style, 0, 0, 10, 10,
                               hwnd, nullptr, GetModuleHandleW(nullptr), nullptr);
    }

    // Gives the window an inner area of the size in pixels.
    void SetInnerSize(int width, int height) {
        RECT r{0, 0, width, height};
        AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, FALSE, 0);
        SetWindowPos(hwnd, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
        RECT client{};
        GetClientRect(hwnd, &client);
        ASSERT_EQ(client.right, width);
        ASSERT_EQ(client.bottom, height);
    }

    HWND hwnd = nullptr;
    std::function<void()> onSize;

 private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* self = static_cast<TestWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (message == WM_SIZE && self && self->onSize) self->onSize();
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
};

// The child window class standing for each kind of control: text boxes are multi-line
// edits, lists do not round their height to whole items.
const wchar_t* ClassFor(const char* name, DWORD& style) {
    const std::string n = name;
    style = 0;
    if (n == "SindhiMeanings" || n == "EnglishMeaning" || n == "WordBox") {
        style = ES_MULTILINE;
        return L"EDIT";
    }
    if (n == "WordList" || n == "EnglishMeaningsList") {
        style = LBS_NOINTEGRALHEIGHT;
        return L"LISTBOX";
    }
    if (n == "lvButtons_H1") return L"BUTTON";
    return L"STATIC";
}

class ChildWindowLayoutTest : public testing::Test {
 protected:
    static void SetUpTestSuite() { SetProcessDPIAware(); }

    void SetUp() override {
        scale_ = {ScreenDpi(LOGPIXELSX), ScreenDpi(LOGPIXELSY)};
        if (const char* expected = std::getenv("SINDHIKIT_EXPECT_DPI")) {
            ASSERT_EQ(scale_.dpiX, std::atoi(expected));
            ASSERT_EQ(scale_.dpiY, std::atoi(expected));
        }
    }

    template <class Control, std::size_t N>
    void Check(const wchar_t* caption, const std::array<DesignBox<Control>, N>& design,
               void (*resize)(ControlGeometry<Control>&, InnerArea), InnerArea inner,
               const std::vector<Expected<Control>>& expected) {
        TestWindow window(caption);
        ASSERT_NE(window.hwnd, nullptr);
        ChildWindowGeometry<Control> controls(window.hwnd, scale_, N);
        // Created bottom of the stacking order first, so the table's first control ends on top.
        for (auto box = design.rbegin(); box != design.rend(); ++box) {
            DWORD style = 0;
            const wchar_t* windowClass = ClassFor(box->name, style);
            const HWND child = window.AddChild(windowClass, box->name, style);
            ASSERT_NE(child, nullptr);
            controls.Attach(box->control, child);
        }
        PlaceAtDesign(controls, design);
        window.onSize = [&] { resize(controls, InnerAreaOf(window.hwnd, scale_)); };
        ShowWindow(window.hwnd, SW_SHOWNORMAL);
        // The resize runs inside SetWindowPos on this thread; the painting for the
        // screenshot is done at once.
        window.SetInnerSize(scale_.PixelsX(inner.width), scale_.PixelsY(inner.height));
        RedrawWindow(window.hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);

        const auto check = [&](const Expected<Control>& e) {
            // Read back independently of the adapter: the child's rectangle in the parent.
            RECT r{};
            GetWindowRect(controls.Child(e.control), &r);
            MapWindowPoints(HWND_DESKTOP, window.hwnd, reinterpret_cast<POINT*>(&r), 2);
            const bool across = e.dimension == L || e.dimension == W;
            const int pixels = e.dimension == L   ? r.left
                               : e.dimension == T ? r.top
                               : e.dimension == W ? r.right - r.left
                                                  : r.bottom - r.top;
            const double dpi = across ? scale_.dpiX : scale_.dpiY;
            const double twips = pixels * 1440.0 / dpi;
            EXPECT_LE(std::abs(twips - e.twips), 1440.0 / dpi + 1e-6)
                << "control " << static_cast<int>(e.control) << " dimension " << static_cast<int>(e.dimension) << ": "
                << twips << " twips, expected " << e.twips << " at " << dpi << " dpi";
        };
        for (const auto& e : expected) check(e);
        const std::wstring name = std::wstring(caption) + L"-" + std::to_wstring(scale_.dpiX) + L"dpi";
        EXPECT_TRUE(guitest::SaveWindowScreenshot(window.hwnd, name));

        // Minimised and restored: everything comes back where it was.
        std::vector<RECT> before;
        for (const auto& box : design) {
            RECT r{};
            GetWindowRect(controls.Child(box.control), &r);
            MapWindowPoints(HWND_DESKTOP, window.hwnd, reinterpret_cast<POINT*>(&r), 2);
            before.push_back(r);
        }
        ShowWindow(window.hwnd, SW_MINIMIZE);
        ASSERT_TRUE(IsIconic(window.hwnd));
        ShowWindow(window.hwnd, SW_RESTORE);
        ASSERT_FALSE(IsIconic(window.hwnd));
        for (std::size_t i = 0; i < design.size(); ++i) {
            RECT r{};
            GetWindowRect(controls.Child(design[i].control), &r);
            MapWindowPoints(HWND_DESKTOP, window.hwnd, reinterpret_cast<POINT*>(&r), 2);
            EXPECT_TRUE(EqualRect(&r, &before[i])) << design[i].name << " after minimise and restore";
        }
    }

    PixelScale scale_;
};

TEST_F(ChildWindowLayoutTest, English2SindhiAtTheWorkedExample) {
    Check<English2SindhiControl>(L"English To Sindhi", kEnglish2SindhiDesign, &ResizeEnglish2Sindhi,
                                 kEnglish2SindhiExampleArea, English2SindhiExample());
}

TEST_F(ChildWindowLayoutTest, SindhiToEnglishAtTheWorkedExample) {
    Check<SindhiToEnglishControl>(L"Sindhi To English", kSindhiToEnglishDesign, &ResizeSindhiToEnglish,
                                  kSindhiToEnglishExampleArea, SindhiToEnglishExample());
}

TEST(PixelScale, HalfPixelsGoToTheEvenNeighbour) {
    const PixelScale at144{144, 144};
    EXPECT_EQ(at144.PixelsX(255), 26);       // 25.5
    EXPECT_EQ(at144.PixelsY(1605), 160);     // 160.5
    EXPECT_EQ(at144.PixelsX(2782.5f), 278);  // 278.25
    EXPECT_EQ(at144.TwipsY(803), 8030);
    const PixelScale at96{96, 96};
    EXPECT_EQ(at96.PixelsX(11000), 733);
    EXPECT_EQ(at96.PixelsY(8035), 536);
    EXPECT_EQ(at96.PixelsX(-7.5f), 0);    // -0.5
    EXPECT_EQ(at96.PixelsX(-22.5f), -2);  // -1.5
    EXPECT_EQ(at96.TwipsX(733), 10995);
    const PixelScale at120{120, 120};
    EXPECT_EQ(at120.PixelsX(255), 21);  // 21.25
    const PixelScale at168{168, 168};
    EXPECT_FLOAT_EQ(at168.TwipsX(1), 1440.0f / 168);
}

}  // namespace
}  // namespace sindhikit::layout
