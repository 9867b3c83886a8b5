// frmPronounce: the phonetic guide, the Sindhi alphabet above a dark red line and the
// digits below it, and a "Close" button that only hides the window, so that it comes back
// where the user left it.
#include <memory>

#include "DesignedControls.h"
#include "ReferenceIds.h"
#include "ReferenceWindow.h"
#include "ReferenceWindows.h"
#include "win/Pictures.h"

namespace dictionary::reference {

namespace {

using sindhikit::winui::Frame;

constexpr COLORREF kLineColour = RGB(192, 0, 0);
constexpr controls::TwipsRect kImage1{0, 0, 8745, 7860};
constexpr controls::TwipsRect kImage2{0, 8040, 8640, 1515};

class frmPronounce : public ReferenceWindow {
 public:
    std::unique_ptr<controls::lvButtons_H> lvButtons_H1;

 private:
    void Load() override {
        const HWND w = Hwnd();
        lvButtons_H1 = CreateCloseButton(w, {3240, 9720, 1695, 495});
        if (lvButtons_H1) lvButtons_H1->Click = [w] { ShowWindow(w, SW_HIDE); };
        // Drawn at the size of their boxes, so they stay sharp at any DPI.
        const PixelBox digits = PixelsOf(kImage2), alphabet = PixelsOf(kImage1);
        CreateDesignedPicture(w, ids::Image2, kImage2,
                              sindhikit::pictures::CreatePhoneticDigitsPicture({digits.width, digits.height}));
        CreateDesignedPicture(w, ids::Image1, kImage1,
                              sindhikit::pictures::CreatePhoneticAlphabetPicture({alphabet.width, alphabet.height}));
    }

    // Line1: from 0, 7920 to 8760, 7920, two pixels wide.
    void PaintBackground(HDC dc) override {
        HPEN pen = CreatePen(PS_SOLID, 2, kLineColour);
        HGDIOBJ old = SelectObject(dc, pen);
        const int y = controls::TwipsToPixelsY(7920);
        MoveToEx(dc, 0, y, nullptr);
        LineTo(dc, controls::TwipsToPixelsX(8760), y);
        SelectObject(dc, old);
        DeleteObject(pen);
    }

    HWND FirstFocus() const override { return lvButtons_H1 ? lvButtons_H1->Hwnd() : nullptr; }
};

sindhikit::winui::SingleWindow g_frmPronounce;

}  // namespace

void ShowPronounce() {
    ReferenceWindow::Show(
        g_frmPronounce, [] { return std::make_unique<frmPronounce>(); },
        {kPronounceClass, {L"Phonetic Guide", Frame::FixedSingle, {8745, 10230}}, GetSysColor(COLOR_WINDOW), false});
}

}  // namespace dictionary::reference
