// What differs between the programs that show the library's modeless windows: who owns
// them, which decides whether they have a taskbar button, and how they get their dialog
// keys (Tab, Enter, Esc, access keys). Only IsDialogMessage gives those keys, and only
// the loop that gets the windows' messages can call it.
//
//   TavroCodes.dll, inside a macro host's loop:  {Owner::Hidden, KeyRouting::Hook, hold}
//   Dictionary.exe, with its own MDI loop:       {Owner::None, KeyRouting::OwnLoop}
#pragma once

namespace sindhikit::winui {

enum class Owner {
    Hidden,  // owned by a hidden window of the thread: never a taskbar button
    None,    // no owner: a taskbar button, unless the window is a tool window
};

enum class KeyRouting {
    // Someone else's loop: a WH_GETMESSAGE hook on the thread, there while such a window
    // is open, calls IsDialogMessage for them.
    Hook,
    // The program's own loop calls RouteDialogKeys (OpenWindows.h) for every message.
    OwnLoop,
};

struct WindowHost {
    Owner owner = Owner::None;
    KeyRouting keys = KeyRouting::OwnLoop;
    // Called with true when a window opens and with false when it has ended, so that a
    // DLL is not unloaded under its windows; nullptr for a program.
    void (*hold)(bool) = nullptr;
};

}  // namespace sindhikit::winui
