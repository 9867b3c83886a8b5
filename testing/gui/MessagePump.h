// Letting the windows of the test's thread run, as a host's message loop would, and
// pressing keys through that loop (so thread hooks and dialog navigation see them).
#pragma once

#include <windows.h>

#include <functional>

namespace sindhikit::guitest {

// Gets and dispatches this thread's messages for `milliseconds`.
void PumpFor(int milliseconds);
// Pumps until `done()` holds or `timeoutMs` passes; answers whether it held.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000);

// Posts the key's WM_KEYDOWN / WM_CHAR / WM_KEYUP to `target` (the focused control when
// nullptr) and pumps them through the message loop.
void PressKey(UINT virtualKey, HWND target = nullptr);

// Clicks a push button the way its parent sees a click (BM_CLICK), then pumps.
void Click(HWND button);

}  // namespace sindhikit::guitest
