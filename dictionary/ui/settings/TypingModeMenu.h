// The typing-mode items of the Options menu: exactly one of "Windows 98" and
// "Windows XP/2000/Nt" is checked; the Sindhi-to-English window types in its XP mode while
// mnuWindowXP is checked. The state is not stored: every run starts in the XP mode.
#pragma once

namespace sindhikit::settings {

enum class TypingModeItem { mnuWindow98, mnuWindowXP };

class TypingModeMarks {
 public:
    virtual ~TypingModeMarks() = default;
    virtual void SetChecked(TypingModeItem item, bool checked) = 0;
};

// The start: mnuWindowXP checked, mnuWindow98 not.
void StartTypingModeMarks(TypingModeMarks& marks);
// mnuWindow98: clears mnuWindowXP, then checks mnuWindow98.
void ChooseWindows98(TypingModeMarks& marks);
// mnuWindowXP: checks mnuWindowXP, then clears mnuWindow98.
void ChooseWindowsXP(TypingModeMarks& marks);

}  // namespace sindhikit::settings
