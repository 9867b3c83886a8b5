#include "DesignedControls.h"

#include "ReferenceIds.h"
#include "winui/PictureBox.h"

namespace dictionary::reference {

std::unique_ptr<controls::lvButtons_H> CreateCloseButton(HWND window, const controls::TwipsRect& place) {
    auto button = controls::lvButtons_H::Create(window, ids::lvButtons_H1, L"Close");
    if (!button) return nullptr;
    button->SetFont(L"MS Sans Serif", 8.25f, false);
    button->Move(place);
    return button;
}

std::unique_ptr<controls::Label> CreateDesignedLabel(HWND window, int id, const std::wstring& caption,
                                                     const controls::LabelLook& look, const DesignedFont& font,
                                                     const controls::TwipsRect& place) {
    auto label = controls::Label::Create(window, id, caption, look);
    if (!label) return nullptr;
    label->SetFont(font.name, font.points, font.bold);
    label->Move(place);
    return label;
}

HWND CreateDesignedPicture(HWND window, int id, const controls::TwipsRect& place, HBITMAP picture,
                           int backgroundColour) {
    return sindhikit::winui::CreatePictureBox(
        window, id, controls::TwipsToPixelsX(place.left), controls::TwipsToPixelsY(place.top),
        controls::TwipsToPixelsX(place.width), controls::TwipsToPixelsY(place.height), picture, backgroundColour);
}

PixelBox PixelsOf(const controls::TwipsRect& place) {
    return {controls::TwipsToPixelsX(place.width), controls::TwipsToPixelsY(place.height)};
}

}  // namespace dictionary::reference
