// Letting the windows of the test's thread run, as a host's message loop would, and
// pressing keys through that loop (so thread hooks and dialog navigation see them).
// Window tests wait for conditions, never for fixed times: what comes back from the
// display server (activation, focus, pixels on screen) takes as long as the machine is busy.
#pragma once

#include <windows.h>

#include <functional>

namespace sindhikit::guitest {

// How long a condition may take before the wait counts as failed. Generous, because
// Wine on a busy machine is slow; a wait whose condition holds returns at once.
inline constexpr int kPatienceMs = 30000;

// Gets and dispatches the messages already queued for this thread, without waiting.
void PumpPending();
// Pumps until `done()` holds or `timeoutMs` passes; answers whether it held.
bool PumpUntil(const std::function<bool()>& done, int timeoutMs = kPatienceMs);

// Posts the key's WM_KEYDOWN / WM_CHAR / WM_KEYUP to `target` (the focused control when
// nullptr), for a test that runs its own loop.
void PostKey(UINT virtualKey, HWND target = nullptr);
// Posts the key and pumps it through this thread's loop.
void PressKey(UINT virtualKey, HWND target = nullptr);

// Clicks a push button the way its parent sees a click (BM_CLICK), then pumps.
void Click(HWND button);

// Lets time pass while pumping. Window tests wait for a condition instead (PumpUntil).
[[deprecated("wait for a condition: PumpUntil")]] void PumpFor(int milliseconds);

}  // namespace sindhikit::guitest
