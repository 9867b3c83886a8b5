// Finding the windows and controls a test drives: top-level windows of this process by
// caption and class, children by control id, text or class.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace sindhikit::guitest {

// Visible or hidden top-level windows of the calling process whose caption is `caption`
// (and whose class is `windowClass`, when given). Message-only windows are not included.
std::vector<HWND> FindTopWindows(const std::wstring& caption, const wchar_t* windowClass = nullptr,
                                 bool visibleOnly = true);
// The one such window, or nullptr when there is none (or more than one).
HWND FindTopWindow(const std::wstring& caption, const wchar_t* windowClass = nullptr);

// Top-level windows of any process on this desktop with this caption; for checkers that
// inspect a script host's windows from outside.
std::vector<HWND> FindTopWindowsAnyProcess(const std::wstring& caption, bool visibleOnly = true);

// Direct and indirect children.
std::vector<HWND> ChildrenOf(HWND parent);
HWND FindChildById(HWND parent, int id);
HWND FindChildByText(HWND parent, const std::wstring& text, const wchar_t* childClass = nullptr);

std::wstring ClassOf(HWND hwnd);

}  // namespace sindhikit::guitest
