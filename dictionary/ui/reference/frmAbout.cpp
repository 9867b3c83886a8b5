// frmAbout: the Dictionary's About artwork (its name, version and the maker's information)
// as the window's picture, with a yellow copyright sign over it. No buttons: its close box
// ends it.
#include <memory>

#include "DesignedControls.h"
#include "ReferenceIds.h"
#include "ReferenceWindow.h"
#include "ReferenceWindows.h"
#include "SindhiKitVersion.h"
#include "layout/DictionaryAboutArtwork.h"
#include "win/Pictures.h"

namespace dictionary::reference {

namespace {

using sindhikit::winui::Frame;
namespace art = sindhikit::pictures;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kYellow = RGB(255, 255, 0);
constexpr controls::TwipsRect kPicture{0, 0, static_cast<float>(art::kDictionaryAboutTwips.width),
                                       static_cast<float>(art::kDictionaryAboutTwips.height)};

class frmAbout : public ReferenceWindow {
 public:
    std::unique_ptr<controls::Label> Label1;

 private:
    void Load() override {
        const PixelBox box = PixelsOf(kPicture);
        SetPicture(art::CreateDictionaryAboutPicture({box.width, box.height}, L"" SINDHIKIT_VERSION_TEXT));
        // U+00A9, sized to its caption.
        Label1 = CreateDesignedLabel(
            Hwnd(), ids::Label1, L"\u00A9", {.background = std::nullopt, .foreground = kYellow, .autoSize = true},
            {.points = 13.5f, .bold = true},
            {art::kCopyrightLabelLeft, art::kCopyrightLabelTop, art::kCopyrightLabelWidth, art::kCopyrightLabelHeight});
    }
};

sindhikit::winui::SingleWindow g_frmAbout;

}  // namespace

void ShowAbout() {
    ReferenceWindow::Show(
        g_frmAbout, [] { return std::make_unique<frmAbout>(); },
        {kAboutClass,
         {L"About", Frame::FixedTool, {art::kDictionaryAboutTwips.width, art::kDictionaryAboutTwips.height}},
         kWhite,
         true});
}

}  // namespace dictionary::reference
