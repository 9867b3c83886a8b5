// The main window's font dialog: the system font-selection dialog (ChooseFontW), starting
// from the font the state holds and, when the user confirms, holding the chosen one.
#pragma once

#include <windows.h>

#include "settings/FontMenu.h"

namespace sindhikit::settings {

class ChooseFontDialog : public FontDialog {
 public:
    explicit ChooseFontDialog(HWND owner) : owner_(owner) {}
    // Flags 1 (screen fonts) and 2 (printer fonts) as the system's CF_ flags. Printer fonts
    // need the default printer; without one the dialog lists the screen fonts alone.
    void Show(FontDialogState& state) override;

 private:
    HWND owner_;
};

}  // namespace sindhikit::settings
