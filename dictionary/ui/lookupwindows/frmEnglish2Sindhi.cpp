#include "frmEnglish2Sindhi.h"

#include "ControlIds.h"
#include "MakerWebsite.h"
#include "EnglishToSindhi.h"
#include "LookupWindowLayout.h"
#include "WideText.h"
#include "layout/LookupBanner.h"
#include "win/Pictures.h"

namespace dictionary {

using namespace controls;
using Name = sindhikit::layout::English2SindhiControl;

namespace {

constexpr COLORREF kBackground = RGB(64, 0, 0);
constexpr COLORREF kOrange = RGB(255, 128, 0);
constexpr wchar_t kWindowFont[] = L"MS Sans Serif";
constexpr float kWindowFontSize = 8.25f;

}  // namespace

std::unique_ptr<frmEnglish2Sindhi> frmEnglish2Sindhi::Create(HWND mdiClient) {
    std::unique_ptr<frmEnglish2Sindhi> window(new frmEnglish2Sindhi());
    if (!window->CreateIn(mdiClient, {L"frmEnglish2Sindhi", L"English To Sindhi", kBackground,
                                      sindhikit::layout::kEnglish2SindhiInnerSize}))
        return nullptr;
    return window;
}

// Controls in stacking order, topmost first.
void frmEnglish2Sindhi::Load() {
    const HWND w = Hwnd();
    lvButtons_H1 = lvButtons_H::Create(w, ids::lvButtons_H1, L"Go");
    lvButtons_H1->SetFont(kWindowFont, kWindowFontSize, true);
    Picture1 = Picture::Create(w, ids::Picture1, kBackground);
    Picture1->SetPicture(sindhikit::pictures::CreateLookupBannerPicture(
        {TwipsToPixelsX(sindhikit::pictures::kLookupBannerTwips.width),
         TwipsToPixelsY(sindhikit::pictures::kLookupBannerTwips.height)}));
    Label5 = Label::Create(w, ids::Label5, L"Darvel",
                           {.background = std::nullopt, .align = Align::Right, .clickable = true});
    Label5->SetFont(kWindowFont, kWindowFontSize, true);
    Label4 = Label::Create(w, ids::Label4, L"", {.background = kOrange});
    Label4->SetFont(kWindowFont, kWindowFontSize, false);
    SindhiMeanings = TextBox::Create(w, ids::SindhiMeanings, {.readOnly = true, .centred = true, .rightToLeft = true});
    SindhiMeanings->SetFont(L"MB Bhitai Sattar", 14.25f, false);
    EnglishMeaning = TextBox::Create(w, ids::EnglishMeaning, {.readOnly = true});
    EnglishMeaning->SetFont(kWindowFont, 12, false);
    Label2 = Label::Create(w, ids::Label2, L"English Meaning", {.background = kOrange});
    Label2->SetFont(kWindowFont, kWindowFontSize, true);
    Label1 = Label::Create(w, ids::Label1, L"Sindhi Meaning", {.background = kOrange});
    Label1->SetFont(kWindowFont, kWindowFontSize, true);
    WordList = ListBox::Create(w, ids::WordList, ListLook::Plain);
    WordList->SetFont(kWindowFont, kWindowFontSize, true);
    WordBox = ComboBox::Create(w, ids::WordBox, false);
    WordBox->SetFont(kWindowFont, kWindowFontSize, true);
    layout_ = LayOutAtDesign<Name>(w, sindhikit::layout::kEnglish2SindhiDesign,
                                   {{Name::lvButtons_H1, lvButtons_H1.get()},
                                    {Name::Picture1, Picture1.get()},
                                    {Name::Label5, Label5.get()},
                                    {Name::Label4, Label4.get()},
                                    {Name::SindhiMeanings, SindhiMeanings.get()},
                                    {Name::EnglishMeaning, EnglishMeaning.get()},
                                    {Name::Label2, Label2.get()},
                                    {Name::Label1, Label1.get()},
                                    {Name::WordList, WordList.get()},
                                    {Name::WordBox, WordBox.get()}});

    lvButtons_H1->Click = [this] { LookUpWordBox(); };
    WordBox->Change = [this] {
        LookUpWordBox();
        WordList->SetListIndex(WordBox->ListIndex());
    };
    WordBox->KeyUp = [this](int& keyCode) {
        if (keyCode == VK_RETURN) LookUpWordBox();
    };
    auto copyIndexToWordBox = [this] { WordBox->SetListIndex(WordList->ListIndex()); };
    WordList->Click = copyIndexToWordBox;
    Label5->Click = [this] { OpenMakerWebsite(Hwnd()); };
    WordList->KeyPress = [copyIndexToWordBox](int&) { copyIndexToWordBox(); };
    WordList->KeyUp = [copyIndexToWordBox](int&) { copyIndexToWordBox(); };
}

void frmEnglish2Sindhi::LookUpWordBox() {
    std::u16string word = U16(WordBox->Text());
    try {
        LookUpEnglish(*this, word);
    } catch (const std::exception&) {
        // skipped, as the change event skips a failed lookup
    }
}

void frmEnglish2Sindhi::Resize() {
    if (layout_)
        sindhikit::layout::ResizeEnglish2Sindhi(*layout_, sindhikit::layout::InnerAreaOf(Hwnd(), layout_->Scale()));
}

HWND frmEnglish2Sindhi::FirstFocus() const {
    return WordBox ? WordBox->Edit() : nullptr;
}

}  // namespace dictionary
