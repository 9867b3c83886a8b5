// The font rules and the Options menu over the program's real parts: the lookup windows'
// controls (each reached through its window, which is created when it does not exist yet),
// the registry through RegEdit, modal message boxes and the menu's check marks.
#pragma once

#include <windows.h>

#include <functional>

#include "frmEnglish2Sindhi.h"
#include "frmSindhiToEnglish.h"
#include "settings/FontControls.h"
#include "settings/FontMenu.h"
#include "settings/SettingsRegistry.h"
#include "settings/TypingModeMenu.h"

namespace dictionary {

class LookupWindowFonts : public sindhikit::settings::FontControls {
 public:
    // Each function answers the window, creating it when needed (nullptr: it cannot be made).
    LookupWindowFonts(std::function<frmSindhiToEnglish*()> sindhiWindow,
                      std::function<frmEnglish2Sindhi*()> englishWindow);
    // Our controls take any name and size (an unknown face draws with an installed one, a
    // size of 0 or less with the system's default height); only a missing window refuses.
    bool SetFontName(sindhikit::settings::FontControl control, const std::u16string& name) override;
    bool SetFontSize(sindhikit::settings::FontControl control, std::int32_t points) override;

 private:
    controls::Control* ControlOf(sindhikit::settings::FontControl control) const;

    std::function<frmSindhiToEnglish*()> sindhiWindow_;
    std::function<frmEnglish2Sindhi*()> englishWindow_;
};

// GetRegValue and SetRegValue of RegEdit.
sindhikit::settings::SettingsRegistry ProgramRegistry();

// Message boxes without an icon, owned by the main window.
class MessageBoxPrompt : public sindhikit::settings::UserPrompt {
 public:
    explicit MessageBoxPrompt(HWND owner) : owner_(owner) {}
    sindhikit::settings::MessageAnswer Ask(const sindhikit::settings::UserMessage& message) override;

 private:
    HWND owner_;
};

// The check marks of "Windows 98" and "Windows XP/2000/Nt" in the main window's menu.
class MenuTypingMarks : public sindhikit::settings::TypingModeMarks {
 public:
    explicit MenuTypingMarks(HWND frame) : frame_(frame) {}
    void SetChecked(sindhikit::settings::TypingModeItem item, bool checked) override;

 private:
    HWND frame_;
};

}  // namespace dictionary
