// The design geometry of the two lookup windows' controls, in twips: where each control is
// placed when its window is built, before the first resize. Listed in stacking order,
// topmost first.
#pragma once

#include <array>

namespace sindhikit::layout {

// frmEnglish2Sindhi's controls, topmost first ("Darvel" lies over the orange strip).
enum class English2SindhiControl {
    lvButtons_H1,
    Picture1,
    Label5,
    Label4,
    SindhiMeanings,
    EnglishMeaning,
    Label2,
    Label1,
    WordList,
    WordBox,
};

// frmSindhiToEnglish's controls, topmost first.
enum class SindhiToEnglishControl {
    Picture1,
    Label5,
    lblgo,
    Label1,
    WordList,
    WordBox,
    EnglishMeaning,
    Label2,
    Label4,
    EnglishMeaningsList,
};

template <class Control>
struct DesignBox {
    Control control;
    const char* name;  // the control's name, for messages
    float left, top, width, height;
};

struct DesignSize {
    float width, height;
};

inline constexpr DesignSize kEnglish2SindhiInnerSize{8880, 7680};
inline constexpr DesignSize kSindhiToEnglishInnerSize{11850, 9180};

inline constexpr std::array<DesignBox<English2SindhiControl>, 10> kEnglish2SindhiDesign{{
    {English2SindhiControl::lvButtons_H1, "lvButtons_H1", 2880, 1680, 615, 375},
    {English2SindhiControl::Picture1, "Picture1", 120, 0, 10950, 1605},
    {English2SindhiControl::Label5, "Label5", 9000, 7440, 1575, 255},
    {English2SindhiControl::Label4, "Label4", 0, 7440, 10935, 255},
    {English2SindhiControl::SindhiMeanings, "SindhiMeanings", 3525, 1920, 7335, 3015},
    {English2SindhiControl::EnglishMeaning, "EnglishMeaning", 3525, 5160, 7335, 2200},
    {English2SindhiControl::Label2, "Label2", 3525, 4920, 7335, 255},
    {English2SindhiControl::Label1, "Label1", 3600, 1680, 7335, 255},
    {English2SindhiControl::WordList, "WordList", 120, 2070, 3375, 5325},
    {English2SindhiControl::WordBox, "WordBox", 120, 1680, 2655, 375},
}};

inline constexpr std::array<DesignBox<SindhiToEnglishControl>, 10> kSindhiToEnglishDesign{{
    {SindhiToEnglishControl::Picture1, "Picture1", 0, 0, 10950, 1605},
    {SindhiToEnglishControl::Label5, "Label5", 7200, 8880, 705, 285},
    {SindhiToEnglishControl::lblgo, "lblgo", 7440, 1920, 615, 495},
    {SindhiToEnglishControl::Label1, "Label1", 0, 1920, 7335, 255},
    {SindhiToEnglishControl::WordList, "WordList", 7560, 2520, 4335, 6375},
    {SindhiToEnglishControl::WordBox, "WordBox", 8040, 1920, 3735, 495},
    {SindhiToEnglishControl::EnglishMeaning, "EnglishMeaning", 0, 4920, 7335, 3975},
    {SindhiToEnglishControl::Label2, "Label2", 0, 4680, 7335, 255},
    {SindhiToEnglishControl::Label4, "Label4", 0, 8880, 11775, 255},
    {SindhiToEnglishControl::EnglishMeaningsList, "EnglishMeaningsList", 0, 2160, 7335, 2535},
}};

}  // namespace sindhikit::layout
