// Window classes and control ids of the Help menu's windows, named after the controls (a
// name means the same kind of control in each window). Tests find the windows and
// controls by them.
#pragma once

namespace dictionary::reference {

inline constexpr wchar_t kKeyboardClass[] = L"frmKeyboard";
inline constexpr wchar_t kPronounceClass[] = L"frmPronounce";
inline constexpr wchar_t kSortOrderClass[] = L"frmSortOrder";
inline constexpr wchar_t kAboutClass[] = L"frmAbout";

namespace ids {

enum ControlId : int {
    lvButtons_H1 = 300,  // "Close"
    Label1,
    Label2,
    Label3,
    Label4,
    Image1,
    Image2,
    Picture1,
};

}  // namespace ids

}  // namespace dictionary::reference
