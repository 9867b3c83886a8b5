// The Forms 2.0 combo box stand-in: an editable Win32 combo box (drop-down button always
// shown) with automatic completion, a key-press event whose character code the handler may
// replace (0 inserts nothing), key-up, change and got-focus events.
//
// Change is raised whenever the text or the selection index changes: by typing, by a
// choice from the list, and also when the program sets the text or the index (Win32 itself
// notifies only the user's changes; the windows rely on the Forms behaviour).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "Control.h"
#include "EntryIndex.h"

namespace dictionary::controls {

class ComboBox : public Control {
 public:
    // `rightToLeft`: the text reads right to left and stands at the right (Sindhi).
    static std::unique_ptr<ComboBox> Create(HWND parent, int id, bool rightToLeft);

    std::function<void()> Change;
    std::function<void(int& keyAscii)> KeyPress;
    std::function<void(int& keyCode)> KeyUp;
    std::function<void()> GotFocus;

    std::wstring Text() const;
    // Sets the text; the index becomes that of the entry equal to it, or -1.
    void SetText(const std::wstring& text);
    int ListIndex() const { return listIndex_; }
    // Selects entry `index` (its text becomes the box's text); -1 only drops the selection.
    void SetListIndex(int index);
    int ListCount() const;
    std::wstring ItemText(int index) const;
    void Clear();
    void AddItem(const std::wstring& item);

    HWND Edit() const { return edit_; }
    bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 protected:
    void FontChanged() override;

 private:
    ComboBox(HWND hwnd, bool rightToLeft);
    static LRESULT CALLBACK EditProc(HWND, UINT, WPARAM, LPARAM);
    // The box keeps the height it was given, as a Forms box does: a Win32 combo box sizes
    // itself to its font, so its selection field is made as high as the height asked for.
    static LRESULT CALLBACK BoxProc(HWND, UINT, WPARAM, LPARAM);
    void FitHeight();
    LRESULT OnChar(HWND edit, WPARAM wParam, LPARAM lParam);
    void CompleteTypedText();
    int FindExact(const std::wstring& text);
    void SetEditText(const std::wstring& text);
    // Raises Change when the text or index differ from what the handlers last saw.
    void NoteChange();

    HWND edit_ = nullptr;
    EntryIndex entries_;
    int listIndex_ = -1;
    std::wstring reportedText_;
    int reportedIndex_ = -1;
    int busy_ = 0;         // inside our own edits: the combo box's notifications are ours
    int heightAsked_ = 0;  // pixels; 0 until a height is given
    int sizing_ = 0;       // inside the box's own resizing: not a height asked for
};

}  // namespace dictionary::controls
