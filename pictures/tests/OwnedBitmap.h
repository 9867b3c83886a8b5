// A bitmap a test owns: deleted when it goes out of scope.
#pragma once

#include <windows.h>

#include <memory>

namespace sindhikit::pictures {

struct BitmapDeleter {
    void operator()(HBITMAP__* b) const { DeleteObject(b); }
};
using Bitmap = std::unique_ptr<HBITMAP__, BitmapDeleter>;

}  // namespace sindhikit::pictures
