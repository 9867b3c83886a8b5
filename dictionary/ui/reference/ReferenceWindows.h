// The Help menu's windows: the Sindhi keyboard, the phonetic guide, the sort order and
// About. Each is a top-level modeless window without an owner and exists at most once:
// showing one that is open (visible or hidden) makes it visible and brings it to the front.
// They take their dialog keys from the program's loop (winui::RouteDialogKeys).
#pragma once

#include <windows.h>

namespace dictionary::reference {

// frmKeyboard: its "Close" hides and destroys it, so the next show opens a new one where
// the system places new windows.
void ShowKeyboard();
// frmPronounce: its "Close" only hides it; the next show brings it back where it was.
void ShowPronounce();
// frmSortOrder and frmAbout have no buttons; their close box destroys them.
void ShowSortOrder();
void ShowAbout();

// The Help command's modal message, owned by `owner`.
void ShowHelpMessage(HWND owner);

}  // namespace dictionary::reference
