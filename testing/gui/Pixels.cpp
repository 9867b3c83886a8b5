#include "gui/Pixels.h"

#include <algorithm>
#include <unordered_map>

namespace sindhikit::guitest {

std::uint32_t Pixels::At(int x, int y) const {
    const size_t i = (static_cast<size_t>(y) * width + x) * 3;
    return (std::uint32_t{bgr[i + 2]} << 16) | (std::uint32_t{bgr[i + 1]} << 8) | bgr[i];
}

size_t Pixels::DistinctColours() const {
    std::unordered_map<std::uint32_t, size_t> seen;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) ++seen[At(x, y)];
    return seen.size();
}

double Pixels::DifferenceFrom(const Pixels& other) const {
    if (width != other.width || height != other.height || width == 0 || height == 0) return 1.0;
    size_t differing = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) differing += At(x, y) != other.At(x, y);
    return static_cast<double>(differing) / (static_cast<double>(width) * height);
}

double Pixels::InkFraction() const {
    if (width == 0 || height == 0) return 0.0;
    std::unordered_map<std::uint32_t, size_t> counts;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) ++counts[At(x, y)];
    size_t most = 0;
    for (const auto& [colour, n] : counts) most = std::max(most, n);
    return 1.0 - static_cast<double>(most) / (static_cast<double>(width) * height);
}

namespace {

Pixels FromDc(HDC source, HBITMAP bitmap, int width, int height) {
    Pixels p;
    p.width = width;
    p.height = height;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    std::vector<std::uint8_t> padded(stride * height);
    if (!GetDIBits(source, bitmap, 0, height, padded.data(), &info, DIB_RGB_COLORS)) return {};
    p.bgr.resize(static_cast<size_t>(width) * 3 * height);
    for (int y = 0; y < height; ++y)
        std::copy_n(padded.data() + y * stride, static_cast<size_t>(width) * 3, p.bgr.data() + y * width * 3);
    return p;
}

}  // namespace

Pixels ReadBitmap(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info)) return {};
    HDC dc = CreateCompatibleDC(nullptr);
    Pixels p = FromDc(dc, bitmap, info.bmWidth, std::abs(info.bmHeight));
    DeleteDC(dc);
    return p;
}

Pixels CaptureWindow(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return {};
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(mem, bitmap);
    BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY | CAPTUREBLT);
    SelectObject(mem, old);
    Pixels p = FromDc(mem, bitmap, w, h);
    DeleteObject(bitmap);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return p;
}

}  // namespace sindhikit::guitest
