// The owner-drawn button lvButtons_H: a push button on the system button-face colour with
// a caption centred in its font, and a click event.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "Control.h"

namespace dictionary::controls {

class lvButtons_H : public Control {
 public:
    static std::unique_ptr<lvButtons_H> Create(HWND parent, int id, const std::wstring& caption);

    std::function<void()> Click;

    std::wstring Caption() const;
    void SetCaption(const std::wstring& caption);

    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
    explicit lvButtons_H(HWND hwnd);
    void Draw(const DRAWITEMSTRUCT& item) const;
};

}  // namespace dictionary::controls
