// Driving a program that runs as its own process, as its user would: start it, find its
// windows, press keys and click with real input messages, read its controls back through
// their messages, and wait for what should follow (never for a fixed time).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace sindhikit::guitest {

class ProgramUnderTest {
 public:
    // Starts `program` (a Windows path) with `arguments`.
    explicit ProgramUnderTest(const std::wstring& program, const std::wstring& arguments = L"");
    // Ends the process if it still runs.
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    bool Started() const { return process_.hProcess != nullptr; }
    DWORD ProcessId() const { return process_.dwProcessId; }
    bool Running() const;
    // Waits for the process to end; answers whether it did, and its exit code.
    bool WaitForExit(int timeoutMs, DWORD* exitCode = nullptr) const;

    // Its visible top-level windows of this class (all classes when nullptr).
    std::vector<HWND> TopWindows(const wchar_t* windowClass = nullptr) const;
    // The one such window, or nullptr.
    HWND TopWindow(const wchar_t* windowClass) const;

 private:
    PROCESS_INFORMATION process_{};
};

// Polls `done` (sleeping briefly between polls, pumping nothing) until it holds or
// `timeoutMs` passes; answers whether it held.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 20000);

// Posts one key's WM_KEYDOWN and WM_KEYUP to `target`, as the keyboard delivers them to
// the focused control; the program's own loop translates the key into its WM_CHAR, as it
// does for a real keyboard (a character key without Shift).
void PostKey(HWND target, UINT virtualKey);
// PostKey for each character of a text typed on a US keyboard.
void PostTyping(HWND target, const std::wstring& text);
// A chord through the system's input (the foreground window receives it), e.g.
// {VK_CONTROL, 'E'}: keys pressed in order and released in reverse.
bool SendChord(const std::vector<WORD>& keys);
// Posts a left click (button down, then up) at a point of the window's client area.
void PostClick(HWND target, int x, int y);
// Posts a click on entry `index` of a list box (which must be scrolled to show it).
void PostListClick(HWND list, int index);

// Saves what the display shows of another process's window as ScreenshotFolder()\name.png.
// A window's pixels belong to its own process under Wine, so the picture is taken from the
// X display by ImageMagick's import (Wine starts Unix programs like Windows ones).
bool SaveProgramScreenshot(HWND hwnd, const std::wstring& name);

// Reading back through the controls' messages (served across processes).
std::wstring ListItem(HWND list, int index);
std::vector<std::wstring> ListItems(HWND list);
std::vector<std::wstring> ComboItems(HWND combo);
int ListSelection(HWND list);
// The edit inside a combo box.
HWND ComboEdit(HWND combo);

}  // namespace sindhikit::guitest
