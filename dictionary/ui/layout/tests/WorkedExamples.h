// The worked examples of the two resize sequences: the design sizes laid out in an inner
// area of 11000 x 8035 twips (English to Sindhi) and 12000 x 9000 twips (Sindhi to English),
// and where every control then stands. The fixed sizes are listed too: they keep their
// design values.
#pragma once

#include <vector>

#include "layout/ControlGeometry.h"
#include "layout/LookupWindowDesign.h"

namespace sindhikit::layout {

template <class Control>
struct Expected {
    Control control;
    Dimension dimension;
    float twips;
};

inline constexpr InnerArea kEnglish2SindhiExampleArea{0, 0, 11000, 8035};
inline constexpr InnerArea kSindhiToEnglishExampleArea{0, 0, 12000, 9000};

inline std::vector<Expected<English2SindhiControl>> English2SindhiExample() {
    using enum English2SindhiControl;
    constexpr auto L = Dimension::Left, T = Dimension::Top, W = Dimension::Width, H = Dimension::Height;
    return {
        {Picture1, T, 0},          {Picture1, L, 0},          {Picture1, W, 11000},      {WordBox, T, 1655},
        {lvButtons_H1, T, 1655},   {WordList, T, 2105},       {WordList, H, 5600},       {Label4, T, 7705},
        {Label4, W, 10650},        {Label4, L, 120},          {Label5, T, 7705},         {Label5, L, 9195},
        {Label1, T, 1655},         {Label1, W, 7125},         {Label1, L, 3595},         {SindhiMeanings, H, 2800},
        {SindhiMeanings, T, 1910}, {SindhiMeanings, L, 3595}, {SindhiMeanings, W, 7125}, {Label2, L, 3595},
        {Label2, W, 7125},         {Label2, T, 4710},         {EnglishMeaning, T, 4965}, {EnglishMeaning, L, 3595},
        {EnglishMeaning, W, 7125}, {EnglishMeaning, H, 2800}, {WordBox, L, 120},         {WordBox, W, 2655},
        {lvButtons_H1, L, 2880},   {lvButtons_H1, W, 615},    {WordList, L, 120},        {WordList, W, 3375},
        {Label5, W, 1575},         {Picture1, H, 1605},       {WordBox, H, 375},         {lvButtons_H1, H, 375},
        {Label1, H, 255},          {Label2, H, 255},          {Label4, H, 255},          {Label5, H, 255},
    };
}

inline std::vector<Expected<SindhiToEnglishControl>> SindhiToEnglishExample() {
    using enum SindhiToEnglishControl;
    constexpr auto L = Dimension::Left, T = Dimension::Top, W = Dimension::Width, H = Dimension::Height;
    return {
        {Picture1, L, 0},
        {Picture1, T, 0},
        {Picture1, W, 12000},
        {WordList, H, 6700},
        {EnglishMeaningsList, H, 3350},
        {EnglishMeaning, H, 3095},
        {Label1, L, 0},
        {Label1, T, 1655},
        {Label1, W, 7465},
        {EnglishMeaningsList, L, 0},
        {EnglishMeaningsList, T, 1910},
        {EnglishMeaningsList, W, 7465},
        {Label2, T, 5260},
        {Label2, L, 0},
        {Label2, W, 7465},
        {EnglishMeaning, T, 5515},
        {EnglishMeaning, L, 0},
        {EnglishMeaning, W, 7465},
        {lblgo, L, 7565},
        {lblgo, T, 1655},
        {WordBox, L, 8180},
        {WordBox, T, 1655},
        {WordList, L, 7565},
        {WordList, T, 2200},
        {Label4, T, 8610},
        {Label4, W, 7465},
        {Label4, L, 0},
        {Label5, L, 0},
        {Label5, T, 8610},
        {lblgo, W, 615},
        {WordBox, W, 3735},
        {WordList, W, 4335},
        {Label5, W, 705},
        {Picture1, H, 1605},
        {lblgo, H, 495},
        {WordBox, H, 495},
        {Label1, H, 255},
        {Label2, H, 255},
        {Label4, H, 255},
        {Label5, H, 285},
    };
}

}  // namespace sindhikit::layout
