// The Options menu's font commands: "Set English Font" and "Set Sindhi Font" through the
// system font dialog, "Reset Fonts" and "Problem in Sindhi font".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "settings/GUI.h"

namespace sindhikit::settings {

// What the one font dialog of the main window holds. It keeps the font last chosen in it,
// by either command, for the rest of the run; before the first choice it has no name.
struct FontDialogState {
    std::int32_t flags = 0;  // 3: screen and printer fonts (CF_SCREENFONTS | CF_PRINTERFONTS)
    std::u16string fontName;
    double fontSize = 0;  // points, as the dialog gives them (10.5 is possible)
};

class FontDialog {
 public:
    virtual ~FontDialog() = default;
    // Shows the dialog (modal), starting from the state's font. A confirmed choice replaces
    // the state's name and size; a cancel, or a dialog that cannot be shown, leaves them.
    virtual void Show(FontDialogState& state) = 0;
};

enum class MessageButtons { YesNo, OkOnly };
enum class MessageAnswer { Yes, No, Ok, Failed };

// A modal message box without an icon.
struct UserMessage {
    std::u16string_view text;
    std::u16string_view title;
    MessageButtons buttons;
};

class UserPrompt {
 public:
    virtual ~UserPrompt() = default;
    virtual MessageAnswer Ask(const UserMessage& message) = 0;
};

inline constexpr std::u16string_view kApplicationTitle = u"Dictionary";
// The question ends with a space.
inline constexpr UserMessage kStillBoxesQuestion{u"Are you still getting Box or invisible fonts ", kApplicationTitle,
                                                 MessageButtons::YesNo};
inline constexpr UserMessage kSeeReadmeMessage{
    u"If you still experiencing problem, please see 'readme.doc' file for more information", kApplicationTitle,
    MessageButtons::OkOnly};

inline constexpr std::int32_t kFontDialogFlags = 3;

class FontMenu {
 public:
    FontMenu(FontSettings& fonts, FontDialog& dialog, UserPrompt& prompt);

    // mnuEnglishFont, mnuLatifFont: the dialog's name and size afterwards are applied and
    // saved, whether the user confirmed or cancelled; the size is rounded to a whole number,
    // a half to the even neighbour (10.5 gives 10, 11.5 gives 12).
    void SetEnglishFont();
    void SetSindhiFont();
    // mnuReset: English Arial 12, Sindhi MB Sindhi Web 18; no message.
    void ResetFonts();
    // mnufontSet: Times New Roman 18, then as long as the user still sees boxes (at most
    // twice) Tahoma 18, and finally a pointer to the readme.
    void ProblemInSindhiFont();

    const FontDialogState& DialogState() const { return dialog_state_; }

 private:
    // The dialog's font after it was shown, as the apply routines take it.
    void ChooseFont(std::u16string& name, std::int32_t& size);

    FontSettings& fonts_;
    FontDialog& dialog_;
    UserPrompt& prompt_;
    FontDialogState dialog_state_;
};

}  // namespace sindhikit::settings
