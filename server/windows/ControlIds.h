// Control ids of the server's windows; the tests find the controls by them.
#pragma once

namespace tavrocodes::windows {

enum frmKBControl : int {
    Command1 = 1001,
    SimpleKB = 1002,
    ShiftKB = 1003,
    Sindhi_KB = 1011,
    Sindhi_Shift_KB = 1012,
    Urdu_KB = 1013,
    Urdu_Shift_KB = 1014,
    Farsi_KB = 1015,
    Farsi_Shift_KB = 1016,
};

enum frmAboutControl : int {
    cmdOK = 1,  // IDOK: Enter presses it
    cmdSysInfo = 1102,
    Picture1 = 1103,
    Label2 = 1104,
    Label1 = 1105,
    Frame1 = 1106,
    lblVersion = 1107,
};

enum frmSortOrderControl : int {
    SortPicture1 = 1201,
};

inline constexpr wchar_t kKeyboardCaption[] = L"KeyBoard view";
inline constexpr wchar_t kSortOrderCaption[] = L"Sorting Order";
inline constexpr wchar_t kAboutCaption[] = L"About Developer";
inline constexpr wchar_t kSortOrderClass[] = L"TavroCodes.frmSortOrder";

}  // namespace tavrocodes::windows
