// frmSindhiToEnglish: the Sindhi-to-English lookup window. The user types a Sindhi word on
// a Latin keyboard (every key through the Sindhi phonetic map) or picks a headword, reads
// its English meanings and, choosing one, that meaning's definitions.
#pragma once

#include <functional>
#include <memory>

#include "ComboBox.h"
#include "Label.h"
#include "ListBox.h"
#include "LookupWindow.h"
#include "Picture.h"
#include "TextBox.h"
#include "layout/LookupWindowDesign.h"
#include "layout/win/ChildWindowGeometry.h"

namespace dictionary {

// What the window asks of the program around it.
struct SindhiWindowServices {
    // The typing mode as the main menu's check mark shows it now: true for the XP mode.
    std::function<bool()> xpTypingMode;
    // One pass over the pending window messages.
    std::function<void()> yield;
};

class frmSindhiToEnglish : public LookupWindow {
 public:
    static std::unique_ptr<frmSindhiToEnglish> Create(HWND mdiClient, SindhiWindowServices services);

    std::unique_ptr<controls::Picture> Picture1;
    std::unique_ptr<controls::Label> Label5;
    std::unique_ptr<controls::Label> lblgo;
    std::unique_ptr<controls::Label> Label1;
    std::unique_ptr<controls::ListBox> WordList;
    std::unique_ptr<controls::ComboBox> WordBox;
    std::unique_ptr<controls::TextBox> EnglishMeaning;
    std::unique_ptr<controls::Label> Label2;
    std::unique_ptr<controls::Label> Label4;
    std::unique_ptr<controls::ListBox> EnglishMeaningsList;

 private:
    explicit frmSindhiToEnglish(SindhiWindowServices services) : services_(std::move(services)) {}
    void Load() override;
    void Resize() override;
    HWND FirstFocus() const override;
    void ConnectEvents();
    bool XpMode() const;
    // LookUpSindhi of a fresh copy of a text; its failure is skipped.
    void LookUp(const std::wstring& text);
    void TypeSindhi(int& keyAscii);

    SindhiWindowServices services_;
    std::unique_ptr<sindhikit::layout::ChildWindowGeometry<sindhikit::layout::SindhiToEnglishControl>> layout_;
};

}  // namespace dictionary
