// A 24-bit device-independent bitmap with a memory DC selected into it: the pictures are
// drawn into one and handed out as a plain HBITMAP.
#pragma once

#include <windows.h>

namespace sindhikit::pictures {

class DibCanvas {
 public:
    DibCanvas(int width, int height);
    ~DibCanvas();
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    bool Ok() const { return bitmap_ != nullptr && dc_ != nullptr; }
    HDC Dc() const { return dc_; }
    // Gives up the bitmap (deselected from the DC); the caller owns it from then on.
    HBITMAP Release();

 private:
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

}  // namespace sindhikit::pictures
