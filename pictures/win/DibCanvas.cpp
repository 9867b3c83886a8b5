#include "win/DibCanvas.h"

namespace sindhikit::pictures {

DibCanvas::DibCanvas(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    dc_ = CreateCompatibleDC(nullptr);
    if (bitmap_ && dc_) previous_ = SelectObject(dc_, bitmap_);
}

DibCanvas::~DibCanvas() {
    if (dc_) {
        if (previous_) SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    if (bitmap_) DeleteObject(bitmap_);
}

HBITMAP DibCanvas::Release() {
    if (dc_ && previous_) {
        SelectObject(dc_, previous_);
        previous_ = nullptr;
    }
    HBITMAP out = bitmap_;
    bitmap_ = nullptr;
    return out;
}

}  // namespace sindhikit::pictures
