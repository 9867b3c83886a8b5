// Fonts of the controls: a face name and a size in points as the program sets them, made
// into a GDI font with a face the system really has.
#pragma once

#include <windows.h>

#include <string>

namespace dictionary::controls {

// The face to draw with for a font named `name`: the name itself when the system has that
// face (and, for Sindhi text, the face has the Sindhi letters), otherwise an installed
// face chosen the way the pictures choose theirs. Sindhi never shows as boxes.
std::wstring DrawingFaceFor(const std::wstring& name, bool showsSindhi);

// A new font (the caller owns it) of the drawing face, `points` high at the screen's DPI.
HFONT CreateControlFont(const std::wstring& name, float points, bool bold, bool showsSindhi);

}  // namespace dictionary::controls
