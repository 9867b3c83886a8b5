// Geometry of the sort-order chart: the Sindhi letters in dictionary order, read
// right to left in rows, each cell with the letter, its place and the key that types it.
#pragma once

#include <string>
#include <vector>

#include "layout/KeyboardLayout.h"
#include "alphabet/SindhiAlphabet.h"

namespace sindhikit::pictures {

struct SortOrderCell {
    SindhiLetter letter;
    std::string keys;  // e.g. "j+h": the first key for each code point of the letter
    PixelRect rect;
};

struct SortOrderChart {
    PictureSize size;
    PixelRect titleRect;
    // The part of the picture that holds content. The sort-order window is a little
    // narrower than its picture (421 of 427 pixels at 96 dpi), so the content keeps
    // clear of the right edge that the window cuts off.
    PixelRect contentRect;
    int columns = 0;
    std::vector<SortOrderCell> cells;
};

SortOrderChart BuildSortOrderChart();

}  // namespace sindhikit::pictures
