// PNG files of what the tests saw, for a person to look at afterwards.
#pragma once

#include <windows.h>

#include <string>

#include "gui/Pixels.h"

namespace sindhikit::guitest {

// Folder the screenshots go to (the build folder's "screenshots", as a Windows path).
std::wstring ScreenshotFolder();

// Writes `pixels` as a PNG through the platform's imaging component; answers success.
bool SavePng(const Pixels& pixels, const std::wstring& path);
// Saves the window as the screen shows it, as ScreenshotFolder()\name.png.
bool SaveWindowScreenshot(HWND hwnd, const std::wstring& name);
bool SaveBitmapScreenshot(HBITMAP bitmap, const std::wstring& name);

}  // namespace sindhikit::guitest
