// The Forms 2.0 list box stand-in: a Win32 list box drawn by us (Sindhi right to left at
// the right edge; an option mark beside each entry where the window asks for one), with
// first-letter matching, a key-press event whose character code the handler may replace
// (0 does nothing), key-up, click and change events. Change is raised whenever the
// selection index changes, also when the program sets it.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "Control.h"

namespace dictionary::controls {

enum class ListLook { Plain, RightToLeft, OptionMarks };

class ListBox : public Control {
 public:
    static std::unique_ptr<ListBox> Create(HWND parent, int id, ListLook look);

    std::function<void()> Change;
    std::function<void()> Click;
    std::function<void(int& keyAscii)> KeyPress;
    std::function<void(int& keyCode)> KeyUp;

    int ListIndex() const { return listIndex_; }
    void SetListIndex(int index);
    // The selected entry's text; the empty text without a selection.
    std::wstring Text() const;
    int ListCount() const;
    std::wstring ItemText(int index) const;
    void Clear();
    void AddItem(const std::wstring& item);
    // The hand-shaped pointer over the list.
    void UseHandPointer() { handPointer_ = true; }

    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 protected:
    void FontChanged() override;

 private:
    ListBox(HWND hwnd, ListLook look);
    static LRESULT CALLBACK ListProc(HWND, UINT, WPARAM, LPARAM);
    void MatchFirstLetter(wchar_t letter);
    void SelectionMayHaveChanged();
    void DrawItem(const DRAWITEMSTRUCT& item) const;

    ListLook look_;
    int listIndex_ = -1;
    bool clickPending_ = false;
    bool handPointer_ = false;
};

}  // namespace dictionary::controls
