#include "settings/TypingModeMenu.h"

namespace sindhikit::settings {

void StartTypingModeMarks(TypingModeMarks& marks) {
    ChooseWindowsXP(marks);
}

void ChooseWindows98(TypingModeMarks& marks) {
    marks.SetChecked(TypingModeItem::mnuWindowXP, false);
    marks.SetChecked(TypingModeItem::mnuWindow98, true);
}

void ChooseWindowsXP(TypingModeMarks& marks) {
    marks.SetChecked(TypingModeItem::mnuWindowXP, true);
    marks.SetChecked(TypingModeItem::mnuWindow98, false);
}

}  // namespace sindhikit::settings
