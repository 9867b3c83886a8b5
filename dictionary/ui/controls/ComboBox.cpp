#include "ComboBox.h"

#include <commctrl.h>

#include "ListMessages.h"

namespace dictionary::controls {

namespace {

struct Busy {
    int& depth;
    explicit Busy(int& d) : depth(d) { ++depth; }
    ~Busy() { --depth; }
};

}  // namespace

std::unique_ptr<ComboBox> ComboBox::Create(HWND parent, int id, bool rightToLeft) {
    HWND hwnd = CreateChild(parent, WC_COMBOBOXW, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP,
                            rightToLeft ? WS_EX_LAYOUTRTL : 0, id);
    if (!hwnd) return nullptr;
    return std::unique_ptr<ComboBox>(new ComboBox(hwnd, rightToLeft));
}

// A right-to-left box is mirrored: its text stands at the right, its button at the left.
ComboBox::ComboBox(HWND hwnd, bool rightToLeft) : Control(hwnd, rightToLeft) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    GetComboBoxInfo(hwnd, &info);
    edit_ = info.hwndItem;
    Register(edit_);
    SubclassWindow(edit_, EditProc);
    SubclassWindow(hwnd, BoxProc);
}

LRESULT CALLBACK ComboBox::BoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = dynamic_cast<ComboBox*>(ControlOf(hwnd));
    if (!self) return CallPrevious(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_WINDOWPOSCHANGING: {
            const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
            if (!self->sizing_ && !(pos->flags & SWP_NOSIZE)) self->heightAsked_ = pos->cy;
            break;
        }
        case WM_SIZE: {
            LRESULT result = 0;
            {
                Busy sizing(self->sizing_);  // the box fits its height to its font here
                result = CallPrevious(hwnd, message, wParam, lParam);
            }
            if (!self->sizing_) self->FitHeight();
            return result;
        }
    }
    return CallPrevious(hwnd, message, wParam, lParam);
}

void ComboBox::FitHeight() {
    if (heightAsked_ <= 0) return;
    Busy sizing(sizing_);
    const auto boxHeight = [this] {
        RECT box{};
        GetWindowRect(Hwnd(), &box);
        return static_cast<int>(box.bottom - box.top);
    };
    // The box is its field's item height plus a frame; the field may add to the height it
    // is given, so a second round takes off what the first one overshot.
    int item = static_cast<int>(SendMessageW(Hwnd(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    for (int round = 0; round < 2; ++round) {
        const int error = boxHeight() - heightAsked_;
        if (error == 0 || item - error < 1) return;
        item -= error;
        SendMessageW(Hwnd(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), item);
    }
}

void ComboBox::FontChanged() {
    {
        Busy sizing(sizing_);  // a new font makes the box as high as its font needs
        Control::FontChanged();
    }
    FitHeight();
}

std::wstring ComboBox::Text() const {
    return WindowText(edit_);
}

void ComboBox::SetEditText(const std::wstring& text) {
    Busy busy(busy_);
    SetWindowTextW(edit_, text.c_str());
}

void ComboBox::SetText(const std::wstring& text) {
    SetEditText(text);
    listIndex_ = FindExact(text);
    NoteChange();
}

void ComboBox::SetListIndex(int index) {
    if (index < -1 || index >= ListCount()) return;
    if (index == -1) {
        listIndex_ = reportedIndex_ = -1;
        return;
    }
    // Already selected and showing: selecting it again would only select all its text.
    if (index == listIndex_ && Text() == ItemText(index)) return;
    {
        Busy busy(busy_);
        SendMessageW(Hwnd(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    listIndex_ = index;
    NoteChange();
}

int ComboBox::ListCount() const {
    return static_cast<int>(SendMessageW(Hwnd(), CB_GETCOUNT, 0, 0));
}

std::wstring ComboBox::ItemText(int index) const {
    return ItemTextOf(Hwnd(), CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

void ComboBox::Clear() {
    {
        Busy busy(busy_);
        SendMessageW(Hwnd(), CB_RESETCONTENT, 0, 0);
    }
    entries_.Clear();
    listIndex_ = -1;
    NoteChange();
}

void ComboBox::AddItem(const std::wstring& item) {
    ReserveForOneMore(Hwnd(), CB_GETCOUNT, CB_INITSTORAGE);
    SendMessageW(Hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    entries_.Add(item);
}

int ComboBox::FindExact(const std::wstring& text) {
    return entries_.FirstEqualTo(text);
}

// Completes the typed text to the first entry that begins with it: the entry becomes the
// selection and its remainder stays highlighted, so the next key replaces it. A text that
// begins no entry stays as typed, without a selection.
void ComboBox::CompleteTypedText() {
    const std::wstring text = Text();
    DWORD start = 0, end = 0;
    SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (text.empty() || end != text.size()) {
        listIndex_ = FindExact(text);
        return;
    }
    const int found = entries_.FirstBeginningWith(text);
    if (found < 0) {
        listIndex_ = -1;
        return;
    }
    {
        Busy busy(busy_);
        SendMessageW(Hwnd(), CB_SETCURSEL, static_cast<WPARAM>(found), 0);
        SendMessageW(edit_, EM_SETSEL, text.size(), -1);
    }
    listIndex_ = found;
}

void ComboBox::NoteChange() {
    const std::wstring text = Text();
    if (text == reportedText_ && listIndex_ == reportedIndex_) return;
    reportedText_ = text;
    reportedIndex_ = listIndex_;
    if (Change) Change();
}

LRESULT ComboBox::OnChar(HWND edit, WPARAM wParam, LPARAM lParam) {
    int code = static_cast<int>(wParam & 0xFFFF);
    if (KeyPress) KeyPress(code);
    if (code == 0) return 0;
    LRESULT result;
    {
        Busy busy(busy_);
        result = CallPrevious(edit, WM_CHAR, static_cast<WPARAM>(code & 0xFFFF), lParam);
        if (code >= 0x20)
            CompleteTypedText();
        else
            listIndex_ = FindExact(Text());
    }
    NoteChange();
    return result;
}

LRESULT CALLBACK ComboBox::EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = dynamic_cast<ComboBox*>(ControlOf(edit));
    if (!self) return CallPrevious(edit, message, wParam, lParam);
    switch (message) {
        case WM_CHAR:
            return self->OnChar(edit, wParam, lParam);
        case WM_KEYUP: {
            int keyCode = static_cast<int>(wParam);
            if (self->KeyUp) self->KeyUp(keyCode);
            if (keyCode == 0) return 0;
            return CallPrevious(edit, message, static_cast<WPARAM>(keyCode), lParam);
        }
    }
    return CallPrevious(edit, message, wParam, lParam);
}

bool ComboBox::Reflect(UINT message, WPARAM wParam, LPARAM, LRESULT&) {
    if (message != WM_COMMAND) return false;
    switch (HIWORD(wParam)) {
        case CBN_EDITCHANGE:  // deleting, pasting: anything the edit changed without a typed character
            if (busy_) return true;
            listIndex_ = FindExact(Text());
            NoteChange();
            return true;
        case CBN_SELCHANGE: {
            if (busy_) return true;
            const LRESULT selected = SendMessageW(Hwnd(), CB_GETCURSEL, 0, 0);
            if (selected == CB_ERR) return true;
            // The combo box updates its edit only after this notification: do it now, so
            // the handlers read the chosen entry.
            SetEditText(ItemText(static_cast<int>(selected)));
            listIndex_ = static_cast<int>(selected);
            NoteChange();
            return true;
        }
        case CBN_SETFOCUS:
            if (GotFocus) GotFocus();
            return true;
    }
    return false;
}

}  // namespace dictionary::controls
