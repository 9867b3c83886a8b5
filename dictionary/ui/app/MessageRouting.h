// The program's own message loop and its one-pass yield (DoEvents): every message goes through the
// reference windows' dialog keys, the MDI system keys and the menu's accelerators before it
// is dispatched, in the loop and in the yields of the start-up sequence alike.
#pragma once

#include <windows.h>

namespace dictionary {

// The frame, its MDI client and the accelerator table the routing uses.
void SetMessageRouting(HWND frame, HWND mdiClient, HACCEL accelerators);

// One pass over the pending messages: peek, translate, dispatch until the queue is empty.
void DoEvents();

// Runs until the process ends; answers the exit code of a WM_QUIT.
int RunMessageLoop();

}  // namespace dictionary
