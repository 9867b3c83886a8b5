// frmEnglish2Sindhi: the English-to-Sindhi lookup window. The user types or picks an
// English headword and reads its numbered Sindhi meanings and English definitions.
#pragma once

#include <memory>

#include "ComboBox.h"
#include "Label.h"
#include "ListBox.h"
#include "LookupWindow.h"
#include "Picture.h"
#include "TextBox.h"
#include "layout/LookupWindowDesign.h"
#include "layout/win/ChildWindowGeometry.h"
#include "lvButtons_H.h"

namespace dictionary {

class frmEnglish2Sindhi : public LookupWindow {
 public:
    static std::unique_ptr<frmEnglish2Sindhi> Create(HWND mdiClient);

    std::unique_ptr<controls::lvButtons_H> lvButtons_H1;
    std::unique_ptr<controls::Picture> Picture1;
    std::unique_ptr<controls::Label> Label5;
    std::unique_ptr<controls::Label> Label4;
    std::unique_ptr<controls::TextBox> SindhiMeanings;
    std::unique_ptr<controls::TextBox> EnglishMeaning;
    std::unique_ptr<controls::Label> Label2;
    std::unique_ptr<controls::Label> Label1;
    std::unique_ptr<controls::ListBox> WordList;
    std::unique_ptr<controls::ComboBox> WordBox;

 private:
    frmEnglish2Sindhi() = default;
    void Load() override;
    void Resize() override;
    HWND FirstFocus() const override;
    // A lookup of the box's text; a failing one is skipped and never ends the program.
    void LookUpWordBox();

    std::unique_ptr<sindhikit::layout::ChildWindowGeometry<sindhikit::layout::English2SindhiControl>> layout_;
};

}  // namespace dictionary
