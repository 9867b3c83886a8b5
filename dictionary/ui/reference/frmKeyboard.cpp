// frmKeyboard: the Sindhi phonetic keyboard without and with Shift, each picture under a
// white title strip, and a "Close" button that ends the window.
#include <memory>

#include "DesignedControls.h"
#include "ReferenceIds.h"
#include "ReferenceWindow.h"
#include "ReferenceWindows.h"
#include "win/Pictures.h"

namespace dictionary::reference {

namespace {

using controls::LabelLook;
using sindhikit::winui::Frame;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kDarkBlue = RGB(0, 0, 64);

class frmKeyboard : public ReferenceWindow {
 public:
    std::unique_ptr<controls::lvButtons_H> lvButtons_H1;
    std::unique_ptr<controls::Label> Label4, Label3, Label2, Label1;

 private:
    // Controls in stacking order, topmost first: each strip lies over its picture's top edge.
    void Load() override {
        const HWND w = Hwnd();
        lvButtons_H1 = CreateCloseButton(w, {2400, 5760, 2175, 615});
        if (lvButtons_H1) {
            lvButtons_H1->Click = [w] {
                ShowWindow(w, SW_HIDE);
                DestroyWindow(w);
            };
        }
        const LabelLook title{.background = GetSysColor(COLOR_WINDOW), .foreground = kDarkBlue};
        const DesignedFont titleFont{.points = 9.75f, .bold = true};
        Label4 = CreateDesignedLabel(w, ids::Label4, L"Shift View", title, titleFont, {240, 2760, 2655, 375});
        Label3 = CreateDesignedLabel(w, ids::Label3, L"Normal View", title, titleFont, {240, 120, 2655, 375});
        const LabelLook strip{.background = kWhite};
        Label2 = CreateDesignedLabel(w, ids::Label2, L"", strip, {}, {0, 120, 6975, 375});
        Label1 = CreateDesignedLabel(w, ids::Label1, L"", strip, {}, {120, 2760, 6735, 375});
        // The layouts as the automation server's keyboard window shows them.
        CreateDesignedPicture(w, ids::Image2, {120, 2880, 6750, 2625},
                              sindhikit::pictures::CreateKeyboardPicture(sindhikit::Langs::Sindhi, true));
        CreateDesignedPicture(w, ids::Image1, {120, 120, 6765, 2625},
                              sindhikit::pictures::CreateKeyboardPicture(sindhikit::Langs::Sindhi, false));
    }

    HWND FirstFocus() const override { return lvButtons_H1 ? lvButtons_H1->Hwnd() : nullptr; }
};

sindhikit::winui::SingleWindow g_frmKeyboard;

}  // namespace

void ShowKeyboard() {
    ReferenceWindow::Show(g_frmKeyboard, [] { return std::make_unique<frmKeyboard>(); },
                          {kKeyboardClass, {L"Keyboard View", Frame::FixedSingle, {7155, 6465}}, kWhite, false});
}

}  // namespace dictionary::reference
