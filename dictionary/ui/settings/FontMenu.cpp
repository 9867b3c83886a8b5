#include "settings/FontMenu.h"

#include "variant/Coercion.h"

namespace sindhikit::settings {

FontMenu::FontMenu(FontSettings& fonts, FontDialog& dialog, UserPrompt& prompt)
    : fonts_(fonts), dialog_(dialog), prompt_(prompt) {}

void FontMenu::ChooseFont(std::u16string& name, std::int32_t& size) {
    dialog_state_.flags = kFontDialogFlags;
    dialog_.Show(dialog_state_);
    name = dialog_state_.fontName;
    try {
        size = RoundToInt32(dialog_state_.fontSize);
    } catch (const VariantError&) {
        // A size no whole number can hold leaves the size as it was.
    }
}

void FontMenu::SetEnglishFont() {
    std::u16string name;
    std::int32_t size = 0;
    ChooseFont(name, size);
    fonts_.ApplyEnglishFont(name, size);
}

void FontMenu::SetSindhiFont() {
    std::u16string name;
    std::int32_t size = 0;
    ChooseFont(name, size);
    fonts_.ApplySindhiFont(name, size);
}

void FontMenu::ResetFonts() {
    std::u16string english = u"Arial", sindhi = u"MB Sindhi Web";
    std::int32_t englishSize = 12, sindhiSize = 18;
    fonts_.ApplyEnglishFont(english, englishSize);
    fonts_.ApplySindhiFont(sindhi, sindhiSize);
}

void FontMenu::ProblemInSindhiFont() {
    std::u16string name = u"Times New Roman";
    std::int32_t size = 18;
    fonts_.ApplySindhiFont(name, size);
    // A question that cannot be asked counts as No: nothing more changes.
    if (prompt_.Ask(kStillBoxesQuestion) != MessageAnswer::Yes) return;
    name = u"Tahoma";
    size = 18;
    fonts_.ApplySindhiFont(name, size);
    if (prompt_.Ask(kStillBoxesQuestion) != MessageAnswer::Yes) return;
    prompt_.Ask(kSeeReadmeMessage);
}

}  // namespace sindhikit::settings
