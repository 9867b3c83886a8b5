#include "frmSindhiToEnglish.h"

#include "ControlIds.h"
#include "LookupWindowLayout.h"
#include "MakerWebsite.h"
#include "SindhiToEnglish.h"
#include "WideText.h"
#include "layout/LookupBanner.h"
#include "win/Pictures.h"
#include "keymaps/KeyMap.h"

namespace dictionary {

using namespace controls;
using Name = sindhikit::layout::SindhiToEnglishControl;

namespace {

constexpr COLORREF kBackground = RGB(64, 64, 0);
constexpr COLORREF kOliveYellow = RGB(192, 192, 0);
constexpr wchar_t kWindowFont[] = L"MBSania";
constexpr float kWindowFontSize = 9.75f;
// U+06B3 U+0648 U+0644, the Sindhi word for search.
constexpr wchar_t kGoCaption[] = L"\u06B3\u0648\u0644";

}  // namespace

std::unique_ptr<frmSindhiToEnglish> frmSindhiToEnglish::Create(HWND mdiClient, SindhiWindowServices services) {
    std::unique_ptr<frmSindhiToEnglish> window(new frmSindhiToEnglish(std::move(services)));
    if (!window->CreateIn(mdiClient, {L"frmSindhiToEnglish", L"Sindhi To English", kBackground,
                                      sindhikit::layout::kSindhiToEnglishInnerSize}))
        return nullptr;
    return window;
}

// Controls in stacking order, topmost first.
void frmSindhiToEnglish::Load() {
    const HWND w = Hwnd();
    Picture1 = Picture::Create(w, ids::Picture1, kBackground);
    Picture1->SetPicture(sindhikit::pictures::CreateLookupBannerPicture(
        {TwipsToPixelsX(sindhikit::pictures::kLookupBannerTwips.width),
         TwipsToPixelsY(sindhikit::pictures::kLookupBannerTwips.height)}));
    Label5 = Label::Create(w, ids::Label5, L"Darvel",
                           {.background = std::nullopt, .align = Align::Right, .autoSize = true, .clickable = true});
    Label5->SetFont(kWindowFont, kWindowFontSize, true);
    lblgo = Label::Create(w, ids::lblgo, L"",
                          {.background = kOliveYellow, .align = Align::Right, .clickable = true, .showsSindhi = true});
    lblgo->SetFont(kWindowFont, kWindowFontSize, true);
    Label1 = Label::Create(w, ids::Label1, L"English Meaning", {.background = kOliveYellow});
    Label1->SetFont(L"MS Sans Serif", 8.25f, true);
    WordList = ListBox::Create(w, ids::WordList, ListLook::RightToLeft);
    WordList->SetFont(L"MB Bhitai Sattar", 14.25f, false);
    WordList->UseHandPointer();
    WordBox = ComboBox::Create(w, ids::WordBox, true);
    WordBox->SetFont(L"MB Lateefi", 14.25f, false);
    EnglishMeaning = TextBox::Create(w, ids::EnglishMeaning, {});
    EnglishMeaning->SetFont(kWindowFont, 12, false);
    Label2 = Label::Create(w, ids::Label2, L"English Meaning Defination/meaning", {.background = kOliveYellow});
    Label2->SetFont(L"MS Sans Serif", 8.25f, true);
    Label4 = Label::Create(w, ids::Label4, L"", {.background = kOliveYellow});
    Label4->SetFont(L"MS Sans Serif", 8.25f, false);
    EnglishMeaningsList = ListBox::Create(w, ids::EnglishMeaningsList, ListLook::OptionMarks);
    EnglishMeaningsList->SetFont(L"Arial", 9.75f, false);
    layout_ = LayOutAtDesign<Name>(w, sindhikit::layout::kSindhiToEnglishDesign,
                                   {{Name::Picture1, Picture1.get()},
                                    {Name::Label5, Label5.get()},
                                    {Name::lblgo, lblgo.get()},
                                    {Name::Label1, Label1.get()},
                                    {Name::WordList, WordList.get()},
                                    {Name::WordBox, WordBox.get()},
                                    {Name::EnglishMeaning, EnglishMeaning.get()},
                                    {Name::Label2, Label2.get()},
                                    {Name::Label4, Label4.get()},
                                    {Name::EnglishMeaningsList, EnglishMeaningsList.get()}});
    ConnectEvents();

    // The window's load event.
    lblgo->SetCaption(kGoCaption);
    if (services_.yield) services_.yield();
}

bool frmSindhiToEnglish::XpMode() const {
    return !services_.xpTypingMode || services_.xpTypingMode();
}

void frmSindhiToEnglish::LookUp(const std::wstring& text) {
    std::u16string word = U16(text);
    try {
        LookUpSindhi(*this, word);
    } catch (const std::exception&) {
        // every handler skips a failed lookup and goes on
    }
}

// Every key goes through the Sindhi phonetic map. XP mode: the key itself carries the
// letter into the box, after a lookup of the text as it stands. 98 mode: the letter is
// written at the end of the text, whatever the caret, and the key inserts nothing;
// Backspace takes the last letter away, other control keys add nothing.
void frmSindhiToEnglish::TypeSindhi(int& keyAscii) {
    keyAscii = sindhikit::SindhiKeyToUnicode(keyAscii);
    if (XpMode()) {
        LookUp(WordBox->Text());
        return;
    }
    std::wstring text = WordBox->Text();
    if (keyAscii == VK_BACK) {
        if (!text.empty()) text.pop_back();
    } else if (keyAscii >= 0x20) {
        text.push_back(static_cast<wchar_t>(keyAscii));
    }
    WordBox->SetText(text);
    keyAscii = 0;
}

void frmSindhiToEnglish::ConnectEvents() {
    lblgo->Click = [this] {
        LookUp(WordBox->Text());
        if (!XpMode()) WordList->SetListIndex(WordBox->ListIndex());
    };
    WordBox->GotFocus = [this] {
        if (!XpMode()) WordBox->SetText(L"");
    };
    WordBox->KeyPress = [this](int& keyAscii) { TypeSindhi(keyAscii); };
    WordBox->KeyUp = [](int& keyCode) { keyCode = 0; };
    WordBox->Change = [this] {
        if (XpMode()) WordList->SetListIndex(WordBox->ListIndex());
        LookUp(WordBox->Text());
    };
    WordList->Change = [this] { WordBox->SetListIndex(WordList->ListIndex()); };
    WordList->Click = [this] {
        LookUp(WordList->Text());
        WordBox->SetListIndex(WordList->ListIndex());
    };
    WordList->KeyPress = [this](int& keyAscii) {
        keyAscii = sindhikit::SindhiKeyToUnicode(keyAscii);
        LookUp(WordList->Text());
        WordBox->SetListIndex(WordList->ListIndex());
    };
    WordList->KeyUp = [this](int&) { WordBox->SetListIndex(WordList->ListIndex()); };
    auto showDefinitions = [this] {
        std::u16string meaning = U16(EnglishMeaningsList->Text());
        ShowMeaningDefinitions(*this, meaning);
    };
    EnglishMeaningsList->Click = showDefinitions;
    EnglishMeaningsList->KeyPress = [showDefinitions](int&) { showDefinitions(); };
    Label5->Click = [this] { OpenMakerWebsite(Hwnd()); };
}

void frmSindhiToEnglish::Resize() {
    if (layout_)
        sindhikit::layout::ResizeSindhiToEnglish(*layout_, sindhikit::layout::InnerAreaOf(Hwnd(), layout_->Scale()));
}

HWND frmSindhiToEnglish::FirstFocus() const {
    return WordBox ? WordBox->Edit() : nullptr;
}

}  // namespace dictionary
