// Pixel and twips geometry shared by the pictures' layouts.
#pragma once

namespace sindhikit::pictures {

struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(const PixelRect& inner) const {
        return inner.left >= left && inner.top >= top && inner.right <= right && inner.bottom <= bottom;
    }
    bool Overlaps(const PixelRect& other) const {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};

struct PictureSize {
    int width = 0, height = 0;
};

// A picture's place in a window, in twips (1/1440 inch).
struct TwipsSize {
    int width = 0, height = 0;
};

// The pixels a box of `twips` covers at `dpiX` x `dpiY` dots per inch, rounded to the nearest.
constexpr PictureSize PixelsForTwips(TwipsSize twips, int dpiX, int dpiY) {
    return {(twips.width * dpiX + 720) / 1440, (twips.height * dpiY + 720) / 1440};
}

}  // namespace sindhikit::pictures
