#include "ProgramSettings.h"

#include <string>

#include "res/MenuIds.h"
#include "settings/win/RegEdit.h"

namespace dictionary {

using sindhikit::settings::FontControl;

LookupWindowFonts::LookupWindowFonts(std::function<frmSindhiToEnglish*()> sindhiWindow,
                                     std::function<frmEnglish2Sindhi*()> englishWindow)
    : sindhiWindow_(std::move(sindhiWindow)), englishWindow_(std::move(englishWindow)) {}

controls::Control* LookupWindowFonts::ControlOf(FontControl control) const {
    switch (control) {
        case FontControl::frmSindhiToEnglish_WordBox:
        case FontControl::frmSindhiToEnglish_WordList:
        case FontControl::frmSindhiToEnglish_EnglishMeaning:
        case FontControl::frmSindhiToEnglish_EnglishMeaningsList: {
            frmSindhiToEnglish* window = sindhiWindow_();
            if (!window) return nullptr;
            if (control == FontControl::frmSindhiToEnglish_WordBox) return window->WordBox.get();
            if (control == FontControl::frmSindhiToEnglish_WordList) return window->WordList.get();
            if (control == FontControl::frmSindhiToEnglish_EnglishMeaning) return window->EnglishMeaning.get();
            return window->EnglishMeaningsList.get();
        }
        case FontControl::frmEnglish2Sindhi_SindhiMeanings:
        case FontControl::frmEnglish2Sindhi_WordBox:
        case FontControl::frmEnglish2Sindhi_WordList:
        case FontControl::frmEnglish2Sindhi_EnglishMeaning: {
            frmEnglish2Sindhi* window = englishWindow_();
            if (!window) return nullptr;
            if (control == FontControl::frmEnglish2Sindhi_SindhiMeanings) return window->SindhiMeanings.get();
            if (control == FontControl::frmEnglish2Sindhi_WordBox) return window->WordBox.get();
            if (control == FontControl::frmEnglish2Sindhi_WordList) return window->WordList.get();
            return window->EnglishMeaning.get();
        }
    }
    return nullptr;
}

bool LookupWindowFonts::SetFontName(FontControl control, const std::u16string& name) {
    controls::Control* target = ControlOf(control);
    if (!target) return false;
    target->SetFontName(std::wstring(name.begin(), name.end()));
    return true;
}

bool LookupWindowFonts::SetFontSize(FontControl control, std::int32_t points) {
    controls::Control* target = ControlOf(control);
    if (!target) return false;
    target->SetFontSize(static_cast<float>(points));
    return true;
}

sindhikit::settings::SettingsRegistry ProgramRegistry() {
    return {[](std::u16string_view path) { return sindhikit::settings::GetRegValue(path); },
            [](std::u16string_view path, const sindhikit::Variant& value, std::int32_t type) {
                sindhikit::settings::SetRegValue(path, value, type);
            }};
}

sindhikit::settings::MessageAnswer MessageBoxPrompt::Ask(const sindhikit::settings::UserMessage& message) {
    using sindhikit::settings::MessageAnswer;
    const std::wstring text(message.text.begin(), message.text.end());
    const std::wstring title(message.title.begin(), message.title.end());
    const UINT buttons = message.buttons == sindhikit::settings::MessageButtons::YesNo ? MB_YESNO : MB_OK;
    switch (MessageBoxW(owner_, text.c_str(), title.c_str(), buttons)) {
        case IDYES:
            return MessageAnswer::Yes;
        case IDNO:
            return MessageAnswer::No;
        case IDOK:
            return MessageAnswer::Ok;
        default:
            return MessageAnswer::Failed;
    }
}

void MenuTypingMarks::SetChecked(sindhikit::settings::TypingModeItem item, bool checked) {
    const UINT id = item == sindhikit::settings::TypingModeItem::mnuWindowXP ? ID_mnuWindowXP : ID_mnuWindow98;
    CheckMenuItem(GetMenu(frame_), id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace dictionary
