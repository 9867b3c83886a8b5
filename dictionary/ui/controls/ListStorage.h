// Room for the entries of a growing list: the list controls enlarge their storage a few
// entries at a time, copying it each time, which grows quadratically over a few hundred
// thousand headwords added one by one. Reserving double the count whenever it is a power
// of two keeps the copying linear.
#pragma once

#include <windows.h>

namespace dictionary::controls {

inline void ReserveForOneMore(HWND list, UINT getCount, UINT initStorage) {
    const auto count = static_cast<WPARAM>(SendMessageW(list, getCount, 0, 0));
    if (count >= 1024 && (count & (count - 1)) == 0) SendMessageW(list, initStorage, count, 0);
}

}  // namespace dictionary::controls
