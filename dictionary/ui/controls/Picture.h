// A picture stretched to its box (the lookup windows' banner); without a picture it shows
// its background colour.
#pragma once

#include <memory>

#include "Control.h"

namespace dictionary::controls {

class Picture : public Control {
 public:
    static std::unique_ptr<Picture> Create(HWND parent, int id, COLORREF background);
    ~Picture() override;

    // Takes ownership of the bitmap (nullptr: none).
    void SetPicture(HBITMAP picture);

 private:
    Picture(HWND hwnd, COLORREF background);
    static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM);
    void Paint(HDC dc) const;

    COLORREF background_;
    HBITMAP picture_ = nullptr;
};

}  // namespace dictionary::controls
