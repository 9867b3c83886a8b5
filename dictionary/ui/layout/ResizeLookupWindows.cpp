#include "layout/ResizeLookupWindows.h"

namespace sindhikit::layout {

namespace {

// One window's steps: reads go to the controls every time; a negative width or height
// is dropped.
template <class Control>
class Steps {
 public:
    explicit Steps(ControlGeometry<Control>& controls) : controls_(controls) {}

    float Left(Control c) const { return controls_.Get(c, Dimension::Left); }
    float Top(Control c) const { return controls_.Get(c, Dimension::Top); }
    float Width(Control c) const { return controls_.Get(c, Dimension::Width); }
    float Height(Control c) const { return controls_.Get(c, Dimension::Height); }

    void SetLeft(Control c, float twips) { controls_.Set(c, Dimension::Left, twips); }
    void SetTop(Control c, float twips) { controls_.Set(c, Dimension::Top, twips); }
    void SetWidth(Control c, float twips) {
        if (twips >= 0) controls_.Set(c, Dimension::Width, twips);
    }
    void SetHeight(Control c, float twips) {
        if (twips >= 0) controls_.Set(c, Dimension::Height, twips);
    }

 private:
    ControlGeometry<Control>& controls_;
};

}  // namespace

void ResizeEnglish2Sindhi(ControlGeometry<English2SindhiControl>& controls, InnerArea area) {
    using enum English2SindhiControl;
    Steps<English2SindhiControl> s(controls);
    const float W = area.width, H = area.height;

    s.SetTop(Picture1, area.top);
    s.SetLeft(Picture1, area.left);
    s.SetWidth(Picture1, W);
    s.SetTop(WordBox, s.Top(Picture1) + s.Height(Picture1) + 50);
    s.SetTop(lvButtons_H1, s.Top(WordBox));
    s.SetTop(WordList, s.Top(WordBox) + s.Height(WordBox) + 75);
    s.SetHeight(WordList, H - (s.Height(WordBox) + s.Height(Picture1) + s.Height(Label4) + 200));
    s.SetTop(Label4, s.Top(WordList) + s.Height(WordList));
    s.SetWidth(Label4, W - 350);
    s.SetLeft(Label4, s.Left(WordList));
    s.SetTop(Label5, s.Top(Label4));
    s.SetLeft(Label5, s.Left(Label4) + s.Width(Label4) - s.Width(Label5));
    s.SetTop(Label1, s.Top(WordBox));
    s.SetWidth(Label1, W - (s.Width(WordList) + 300) - 200);
    s.SetLeft(Label1, s.Left(WordList) + s.Width(WordList) + 100);
    s.SetHeight(SindhiMeanings, s.Height(WordList) / 2);
    s.SetTop(SindhiMeanings, s.Top(Label1) + s.Height(Label1));
    s.SetLeft(SindhiMeanings, s.Left(WordList) + s.Width(WordList) + 100);
    s.SetWidth(SindhiMeanings, W - (s.Width(WordList) + 300) - 200);
    s.SetLeft(Label2, s.Left(WordList) + s.Width(WordList) + 100);
    s.SetWidth(Label2, W - (s.Width(WordList) + 300) - 200);
    s.SetTop(Label2, s.Top(SindhiMeanings) + s.Height(SindhiMeanings));
    s.SetTop(EnglishMeaning, s.Top(Label2) + s.Height(Label2));
    s.SetLeft(EnglishMeaning, s.Left(WordList) + s.Width(WordList) + 100);
    s.SetWidth(EnglishMeaning, W - (s.Width(WordList) + 300) - 200);
    s.SetHeight(EnglishMeaning, s.Height(WordList) / 2);
}

void ResizeSindhiToEnglish(ControlGeometry<SindhiToEnglishControl>& controls, InnerArea area) {
    using enum SindhiToEnglishControl;
    Steps<SindhiToEnglishControl> s(controls);
    const float W = area.width, H = area.height, L0 = area.left;

    s.SetLeft(Picture1, L0);
    s.SetTop(Picture1, area.top);
    s.SetWidth(Picture1, W);
    s.SetHeight(WordList, H - (s.Height(WordBox) + s.Height(Picture1) + 200));
    s.SetHeight(EnglishMeaningsList, s.Height(WordList) / 2);
    s.SetHeight(EnglishMeaning, s.Height(WordList) / 2 - s.Height(Label4));
    s.SetLeft(Label1, L0);
    s.SetTop(Label1, s.Top(Picture1) + s.Height(Picture1) + 50);
    s.SetWidth(Label1, W - s.Width(WordList) - 200);
    s.SetLeft(EnglishMeaningsList, L0);
    s.SetTop(EnglishMeaningsList, s.Top(Label1) + s.Height(Label1));
    s.SetWidth(EnglishMeaningsList, W - s.Width(WordList) - 200);
    s.SetTop(Label2, s.Top(EnglishMeaningsList) + s.Height(EnglishMeaningsList));
    s.SetLeft(Label2, L0);
    s.SetWidth(Label2, W - s.Width(WordList) - 200);
    s.SetTop(EnglishMeaning, s.Top(Label2) + s.Height(Label2));
    s.SetLeft(EnglishMeaning, L0);
    s.SetWidth(EnglishMeaning, W - s.Width(WordList) - 200);
    s.SetLeft(lblgo, s.Left(EnglishMeaning) + s.Width(EnglishMeaning) + 100);
    s.SetTop(lblgo, s.Top(Label1));
    s.SetLeft(WordBox, s.Left(lblgo) + s.Width(lblgo));
    s.SetTop(WordBox, s.Top(Label1));
    s.SetLeft(WordList, s.Left(EnglishMeaning) + s.Width(EnglishMeaning) + 100);
    s.SetTop(WordList, s.Top(WordBox) + s.Height(WordBox) + 50);
    s.SetHeight(WordList, H - (s.Height(WordBox) + s.Height(Picture1) + 200));
    s.SetLeft(Label5, L0);
    s.SetLeft(Label4, L0);
    s.SetTop(Label4, s.Top(EnglishMeaning) + s.Height(EnglishMeaning));
    s.SetWidth(Label4, s.Width(Label1));
    s.SetTop(Label5, s.Top(Label4));
}

}  // namespace sindhikit::layout
