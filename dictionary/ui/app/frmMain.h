// frmMain: the MDI frame. It carries the menu, holds the two lookup windows as children and
// runs the start-up sequence from its load step.
#pragma once

#include <windows.h>

#include <memory>

#include "ProgramSettings.h"
#include "frmEnglish2Sindhi.h"
#include "frmSindhiToEnglish.h"
#include "settings/FontMenu.h"
#include "settings/GUI.h"
#include "settings/win/ChooseFontDialog.h"

namespace dictionary {

class frmMain {
 public:
    // Creates the frame (hidden): caption "Dictionary", maximised when shown, and when
    // restored a client area of 9375 x 7500 twips centred on the screen.
    static frmMain* Create(HINSTANCE instance);

    HWND Hwnd() const { return hwnd_; }
    HWND Client() const { return client_; }

    // The start-up sequence; answers the process's exit code when it cannot go on.
    int Load();

    // The lookup windows as they are now (nullptr after the user closed one).
    frmEnglish2Sindhi* EnglishWindow() const { return english_.get(); }
    frmSindhiToEnglish* SindhiWindow() const { return sindhi_.get(); }
    // The typing mode of the Sindhi-to-English window: the check mark of mnuWindowXP.
    bool XpTypingMode() const;

 private:
    frmMain() = default;
    static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Command(int id);
    // The window, created when it does not exist (nullptr when it cannot be made).
    frmEnglish2Sindhi* EnsureEnglishWindow();
    frmSindhiToEnglish* EnsureSindhiWindow();
    void mnuEnglishToSindhi_Click();
    void mnuSindhiToEnglish_Click();

    HWND hwnd_ = nullptr;
    HWND client_ = nullptr;
    std::unique_ptr<frmEnglish2Sindhi> english_;
    std::unique_ptr<frmSindhiToEnglish> sindhi_;

    // The Options menu: fonts (one font dialog for the run) and the typing-mode marks.
    std::unique_ptr<LookupWindowFonts> fontControls_;
    std::unique_ptr<sindhikit::settings::FontSettings> fonts_;
    std::unique_ptr<sindhikit::settings::ChooseFontDialog> fontDialog_;
    std::unique_ptr<MessageBoxPrompt> prompt_;
    std::unique_ptr<sindhikit::settings::FontMenu> fontMenu_;
    std::unique_ptr<MenuTypingMarks> typingMarks_;
};

}  // namespace dictionary
