// Shared pieces of the window tests: finding the server's windows on this thread and
// reading their pictures.
#pragma once

#include <windows.h>

#include <string>

#include "ControlIds.h"
#include "gui/MessagePump.h"
#include "gui/Pixels.h"
#include "gui/WindowFinder.h"
#include "gui/WindowProbe.h"

namespace tavrocodes::windows::test {

inline HWND KeyboardWindow() {
    return sindhikit::guitest::FindTopWindow(kKeyboardCaption);
}
inline HWND AboutWindow() {
    return sindhikit::guitest::FindTopWindow(kAboutCaption);
}
inline HWND SortOrderWindow() {
    return sindhikit::guitest::FindTopWindow(kSortOrderCaption);
}

inline size_t CountWindows(const wchar_t* caption) {
    return sindhikit::guitest::FindTopWindows(caption).size();
}

inline HBITMAP ImageOf(HWND dialog, int id) {
    return reinterpret_cast<HBITMAP>(SendDlgItemMessageW(dialog, id, STM_GETIMAGE, IMAGE_BITMAP, 0));
}

// Closes whatever server window a test left open, so each test starts from none.
inline void CloseAll() {
    for (const wchar_t* caption : {kKeyboardCaption, kAboutCaption, kSortOrderCaption}) {
        for (HWND w : sindhikit::guitest::FindTopWindows(caption, nullptr, false)) DestroyWindow(w);
    }
    sindhikit::guitest::PumpPending();
}

// The pixels of a child as the screen shows it.
inline sindhikit::guitest::Pixels CaptureChild(HWND child) {
    return sindhikit::guitest::CaptureWindow(child);
}

// Waits until the screen shows `child` as `shows` says: painting and the display server
// take their time.
template <typename Condition>
bool WaitUntilScreenShows(HWND child, Condition shows) {
    return sindhikit::guitest::PumpUntil([&] { return shows(CaptureChild(child)); });
}

}  // namespace tavrocodes::windows::test
