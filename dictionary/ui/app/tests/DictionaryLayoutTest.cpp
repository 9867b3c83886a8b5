// Dictionary.exe lays its lookup windows out by their resize sequences, in twips at the
// screen's resolution: read from outside, every control stands where the sequence puts it,
// maximised and at the worked examples' inner sizes, and again after the window was
// minimised and restored. Runs at the prefix's resolution; the 144-dpi run sets
// SINDHIKIT_EXPECT_DPI.
#include <gtest/gtest.h>

#include <windows.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "ControlIds.h"
#include "DictionaryUnderTest.h"
#include "gui/ProgramUnderTest.h"
#include "layout/ResizeLookupWindows.h"
#include "layout/tests/WorkedExamples.h"
#include "layout/win/ChildWindowGeometry.h"
#include "res/MenuIds.h"

using namespace sindhikit::guitest;
using namespace sindhikit::layout;
using namespace dictionarytest;
namespace ids = dictionary::ids;

namespace {

int IdOf(const char* name) {
    static const std::map<std::string, int> byName = {
        {"Picture1", ids::Picture1},
        {"Label1", ids::Label1},
        {"Label2", ids::Label2},
        {"Label4", ids::Label4},
        {"Label5", ids::Label5},
        {"WordBox", ids::WordBox},
        {"WordList", ids::WordList},
        {"SindhiMeanings", ids::SindhiMeanings},
        {"EnglishMeaning", ids::EnglishMeaning},
        {"EnglishMeaningsList", ids::EnglishMeaningsList},
        {"lvButtons_H1", ids::lvButtons_H1},
        {"lblgo", ids::lblgo},
    };
    return byName.at(name);
}

constexpr Dimension kDimensions[] = {Dimension::Left, Dimension::Top, Dimension::Width, Dimension::Height};

// Values in twips that, like a window, hold whole pixels: what the sequence computes when
// every step reads back what the control took.
template <class Control>
class PixelSnapped : public ControlGeometry<Control> {
 public:
    explicit PixelSnapped(PixelScale scale) : scale_(scale) {}
    float Get(Control c, Dimension d) const override { return values_.at({c, d}); }
    void Set(Control c, Dimension d, float twips) override {
        const bool across = d == Dimension::Left || d == Dimension::Width;
        values_[{c, d}] = across ? scale_.TwipsX(scale_.PixelsX(twips)) : scale_.TwipsY(scale_.PixelsY(twips));
    }

 private:
    PixelScale scale_;
    std::map<std::pair<Control, Dimension>, float> values_;
};

class DictionaryLayout : public ::testing::Test {
 protected:
    static void SetUpTestSuite() { SetProcessDPIAware(); }

    void SetUp() override {
        HDC dc = GetDC(nullptr);
        scale_ = {GetDeviceCaps(dc, LOGPIXELSX), GetDeviceCaps(dc, LOGPIXELSY)};
        ReleaseDC(nullptr, dc);
        if (const char* expected = std::getenv("SINDHIKIT_EXPECT_DPI")) {
            ASSERT_EQ(scale_.dpiX, std::atoi(expected));
            ASSERT_EQ(scale_.dpiY, std::atoi(expected));
        }
        InstallStore(L"en\tapple\nsd\tapple\t\u0633\u0627\n");
    }

    // The program's window, read from outside through its controls' rectangles.
    template <class Control, std::size_t N>
    ChildWindowGeometry<Control> Read(HWND window, const std::array<DesignBox<Control>, N>& design) const {
        ChildWindowGeometry<Control> controls(window, scale_, N);
        for (const auto& box : design) controls.Attach(box.control, GetDlgItem(window, IdOf(box.name)));
        return controls;
    }

    // Every control within a pixel of where the sequence puts it, starting from what the
    // controls hold now (the fixed sizes) in the window's inner area.
    template <class Control, std::size_t N>
    void ExpectLaidOut(HWND window, const std::array<DesignBox<Control>, N>& design,
                       void (*resize)(ControlGeometry<Control>&, InnerArea)) const {
        ChildWindowGeometry<Control> shown = Read(window, design);
        PixelSnapped<Control> computed(scale_);
        for (const auto& box : design) {
            for (Dimension d : kDimensions) computed.Set(box.control, d, shown.Get(box.control, d));
        }
        resize(computed, InnerAreaOf(window, scale_));
        for (const auto& box : design) {
            for (Dimension d : kDimensions) ExpectNear(shown, box, d, computed.Get(box.control, d));
        }
    }

    template <class Control, std::size_t N>
    void ExpectWorkedExample(HWND window, const std::array<DesignBox<Control>, N>& design,
                             const std::vector<Expected<Control>>& expected) const {
        ChildWindowGeometry<Control> shown = Read(window, design);
        for (const auto& e : expected) {
            for (const auto& box : design) {
                if (box.control == e.control) ExpectNear(shown, box, e.dimension, e.twips);
            }
        }
    }

    template <class Control>
    void ExpectNear(const ChildWindowGeometry<Control>& shown, const DesignBox<Control>& box, Dimension d,
                    float twips) const {
        const bool across = d == Dimension::Left || d == Dimension::Width;
        const double pixel = 1440.0 / (across ? scale_.dpiX : scale_.dpiY);
        const float seen = shown.Get(box.control, d);
        EXPECT_LE(std::abs(seen - twips), pixel + 1e-3)
            << box.name << " dimension " << static_cast<int>(d) << ": " << seen << " twips, expected " << twips
            << " at " << scale_.dpiX << " dpi";
    }

    // Restores the MDI child and gives it the inner area (in twips).
    void SetInnerArea(const Dictionary& app, HWND window, InnerArea area) const {
        SendMessageW(app.client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(window), 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsZoomed(window); }));
        const int width = scale_.PixelsX(area.width), height = scale_.PixelsY(area.height);
        RECT outer{0, 0, width, height};
        AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
        SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(WaitUntil([&] {
            RECT client{};
            GetClientRect(window, &client);
            return client.right == width && client.bottom == height;
        }));
    }

    void MinimiseAndRestore(HWND window) const {
        PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        ASSERT_TRUE(WaitUntil([&] { return IsIconic(window) != FALSE; }));
        PostMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsIconic(window) && !IsZoomed(window); }));
        // The state shows before the restore has run to its end: a message sent to the
        // window is handled only once it has.
        SendMessageW(window, WM_NULL, 0, 0);
    }

    // The controls stack in the design table's order, topmost first (so "Darvel" lies over
    // the strip in both windows).
    template <class Control, std::size_t N>
    static void ExpectStackingOrder(HWND window, const std::array<DesignBox<Control>, N>& design) {
        std::vector<std::string> expected, stacked;
        for (const auto& box : design) expected.push_back(box.name);
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            for (const auto& box : design) {
                if (GetDlgCtrlID(child) == IdOf(box.name)) stacked.push_back(box.name);
            }
        }
        EXPECT_EQ(stacked, expected);
    }

    // Maximised, at the worked example's inner area, and after a minimise and a restore.
    template <class Control, std::size_t N>
    void CheckWindow(const Dictionary& app, HWND window, const wchar_t* name,
                     const std::array<DesignBox<Control>, N>& design,
                     void (*resize)(ControlGeometry<Control>&, InnerArea), InnerArea exampleArea,
                     const std::vector<Expected<Control>>& example) const {
        const std::wstring dpi = std::to_wstring(scale_.dpiX) + L"dpi";
        ExpectStackingOrder(window, design);
        ExpectLaidOut(window, design, resize);
        app.Screenshot(L"dictionary_layout_" + std::wstring(name) + L"_maximised_" + dpi);
        SetInnerArea(app, window, exampleArea);
        ExpectWorkedExample(window, design, example);
        app.Screenshot(L"dictionary_layout_" + std::wstring(name) + L"_example_" + dpi);
        MinimiseAndRestore(window);
        ExpectWorkedExample(window, design, example);
    }

    PixelScale scale_;
};

TEST_F(DictionaryLayout, EnglishToSindhiStandsWhereItsSequencePutsIt) {
    Dictionary app;
    ASSERT_TRUE(app.WaitForStartUp(-1));
    CheckWindow(app, app.english, L"english", kEnglish2SindhiDesign, &ResizeEnglish2Sindhi, kEnglish2SindhiExampleArea,
                English2SindhiExample());
}

TEST_F(DictionaryLayout, SindhiToEnglishStandsWhereItsSequencePutsIt) {
    Dictionary app;
    ASSERT_TRUE(app.WaitForStartUp(-1));
    PostMessageW(app.frame, WM_COMMAND, ID_mnuSindhiToEnglish, 0);
    ASSERT_TRUE(WaitUntil([&] { return app.Active() == app.sindhi && IsZoomed(app.sindhi); }));
    CheckWindow(app, app.sindhi, L"sindhi", kSindhiToEnglishDesign, &ResizeSindhiToEnglish, kSindhiToEnglishExampleArea,
                SindhiToEnglishExample());
}

}  // namespace
