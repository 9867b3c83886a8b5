// What the list box and the combo box share, each through its own messages.
#pragma once

#include <windows.h>

#include <string>

namespace dictionary::controls {

// Room for the entries of a growing list: the list controls enlarge their storage a few
// entries at a time, copying it each time, which grows quadratically over a few hundred
// thousand headwords added one by one. Reserving double the count whenever it is a power
// of two keeps the copying linear.
inline void ReserveForOneMore(HWND list, UINT getCount, UINT initStorage) {
    const auto count = static_cast<WPARAM>(SendMessageW(list, getCount, 0, 0));
    if (count >= 1024 && (count & (count - 1)) == 0) SendMessageW(list, initStorage, count, 0);
}

// Entry `index`'s text (LB_GETTEXTLEN/LB_GETTEXT or CB_GETLBTEXTLEN/CB_GETLBTEXT); the
// empty text for an index out of range.
inline std::wstring ItemTextOf(HWND list, UINT getLength, UINT getText, int index) {
    const LRESULT length = SendMessageW(list, getLength, static_cast<WPARAM>(index), 0);
    if (length < 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(list, getText, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

}  // namespace dictionary::controls
