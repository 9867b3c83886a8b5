#include "ListBox.h"

#include <commctrl.h>

#include "ListMessages.h"

namespace dictionary::controls {

std::unique_ptr<ListBox> ListBox::Create(HWND parent, int id, ListLook look) {
    HWND hwnd = CreateChild(
        parent, WC_LISTBOXW,
        LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP,
        0, id);
    if (!hwnd) return nullptr;
    std::unique_ptr<ListBox> list(new ListBox(hwnd, look));
    list->FontChanged();
    return list;
}

ListBox::ListBox(HWND hwnd, ListLook look) : Control(hwnd, look == ListLook::RightToLeft), look_(look) {
    SubclassWindow(hwnd, ListProc);
}

void ListBox::FontChanged() {
    HDC dc = GetDC(Hwnd());
    HGDIOBJ old = SelectObject(dc, Font());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(Hwnd(), dc);
    SendMessageW(Hwnd(), LB_SETITEMHEIGHT, 0, metrics.tmHeight + 2);
    InvalidateRect(Hwnd(), nullptr, TRUE);
}

void ListBox::SetListIndex(int index) {
    if (index < -1 || index >= ListCount()) return;
    SendMessageW(Hwnd(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SelectionMayHaveChanged();
}

std::wstring ListBox::Text() const {
    return listIndex_ < 0 ? std::wstring() : ItemText(listIndex_);
}

int ListBox::ListCount() const {
    return static_cast<int>(SendMessageW(Hwnd(), LB_GETCOUNT, 0, 0));
}

std::wstring ListBox::ItemText(int index) const {
    return ItemTextOf(Hwnd(), LB_GETTEXTLEN, LB_GETTEXT, index);
}

void ListBox::Clear() {
    SendMessageW(Hwnd(), LB_RESETCONTENT, 0, 0);
    SelectionMayHaveChanged();
}

void ListBox::AddItem(const std::wstring& item) {
    ReserveForOneMore(Hwnd(), LB_GETCOUNT, LB_INITSTORAGE);
    SendMessageW(Hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

void ListBox::SelectionMayHaveChanged() {
    const LRESULT selected = SendMessageW(Hwnd(), LB_GETCURSEL, 0, 0);
    const int index = selected == LB_ERR ? -1 : static_cast<int>(selected);
    if (index == listIndex_) return;
    listIndex_ = index;
    if (Change) Change();
}

// The next entry after the selection that begins with the letter (without regard to
// case), from the top again after the last: the same letter again moves on.
void ListBox::MatchFirstLetter(wchar_t letter) {
    const wchar_t prefix[2] = {letter, 0};
    const LRESULT found =
        SendMessageW(Hwnd(), LB_FINDSTRING, static_cast<WPARAM>(listIndex_), reinterpret_cast<LPARAM>(prefix));
    if (found != LB_ERR) SetListIndex(static_cast<int>(found));
}

LRESULT CALLBACK ListBox::ListProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = dynamic_cast<ListBox*>(ControlOf(hwnd));
    if (!self) return CallPrevious(hwnd, message, wParam, lParam);
    switch (message) {
        case WM_CHAR: {
            int code = static_cast<int>(wParam & 0xFFFF);
            if (self->KeyPress) self->KeyPress(code);
            if (code >= 0x20) self->MatchFirstLetter(static_cast<wchar_t>(code));
            return 0;
        }
        case WM_KEYUP: {
            int keyCode = static_cast<int>(wParam);
            if (self->KeyUp) self->KeyUp(keyCode);
            if (keyCode == 0) return 0;
            return CallPrevious(hwnd, message, static_cast<WPARAM>(keyCode), lParam);
        }
        case WM_LBUTTONDOWN:
            self->clickPending_ = true;
            break;
        case WM_LBUTTONUP: {
            const LRESULT result = CallPrevious(hwnd, message, wParam, lParam);
            if (self->clickPending_) {
                self->clickPending_ = false;
                self->SelectionMayHaveChanged();
                if (self->Click) self->Click();
            }
            return result;
        }
        case WM_SETCURSOR:
            if (self->handPointer_ && LOWORD(lParam) == HTCLIENT) {
                SetCursor(LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
    }
    return CallPrevious(hwnd, message, wParam, lParam);
}

void ListBox::DrawItem(const DRAWITEMSTRUCT& item) const {
    HDC dc = item.hDC;
    RECT box = item.rcItem;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(dc, &box, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID == static_cast<UINT>(-1)) return;
    RECT text = box;
    InflateRect(&text, -3, 0);
    if (look_ == ListLook::OptionMarks) {
        const int side = box.bottom - box.top - 4;
        RECT mark{box.left + 2, box.top + 2, box.left + 2 + side, box.top + 2 + side};
        DrawFrameControl(dc, &mark, DFC_BUTTON, DFCS_BUTTONRADIO | (selected ? DFCS_CHECKED : 0));
        text.left = mark.right + 4;
    }
    const std::wstring caption = ItemText(static_cast<int>(item.itemID));
    HGDIOBJ old = SelectObject(dc, Font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const UINT align = look_ == ListLook::RightToLeft ? DT_RIGHT | DT_RTLREADING : DT_LEFT;
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(dc, old);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &box);
}

bool ListBox::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_DRAWITEM) {
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == LBN_SELCHANGE) {
        SelectionMayHaveChanged();
        return true;
    }
    return false;
}

}  // namespace dictionary::controls
