#include "winui/PictureBox.h"

#include <commctrl.h>

#include "winui/Controls.h"

namespace sindhikit::winui {

namespace {

struct BoxState {
    HBITMAP picture;
    int background;
    PictureBoxEvents events;
};

void Paint(HWND box, const BoxState& state) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(box, &ps);
    RECT client;
    GetClientRect(box, &client);
    FillRect(dc, &client, GetSysColorBrush(state.background));
    BITMAP info{};
    if (state.picture && GetObjectW(state.picture, sizeof(info), &info)) {
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, state.picture);
        BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
    }
    EndPaint(box, &ps);
}

LRESULT CALLBACK BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* state = reinterpret_cast<BoxState*>(data);
    switch (message) {
        case WM_PAINT:
            Paint(box, *state);
            return 0;
        case WM_PRINTCLIENT: {
            RECT client;
            GetClientRect(box, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(state->background));
            break;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_CTLCOLORSTATIC:
            if (state->events.colourLabel) {
                if (HBRUSH brush =
                        state->events.colourLabel(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)))
                    return reinterpret_cast<LRESULT>(brush);
            }
            break;
        case WM_COMMAND:
            if (HIWORD(wParam) == STN_CLICKED && state->events.labelClicked) {
                state->events.labelClicked(reinterpret_cast<HWND>(lParam));
                return 0;
            }
            break;
        case WM_SETCURSOR:
            if (state->events.cursorFor && reinterpret_cast<HWND>(wParam) != box) {
                if (HCURSOR cursor = state->events.cursorFor(reinterpret_cast<HWND>(wParam))) {
                    SetCursor(cursor);
                    return TRUE;
                }
            }
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(box, BoxProc, 0);
            if (state->picture) DeleteObject(state->picture);
            delete state;
            return DefSubclassProc(box, message, wParam, lParam);
    }
    return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

HWND CreatePictureBox(HWND parent, int id, int x, int y, int width, int height, HBITMAP picture, int backgroundColour,
                      const PictureBoxEvents& events) {
    HWND box = AddControl(parent, L"Static", nullptr, WS_VISIBLE, id, x, y, width, height);
    if (!box) {
        if (picture) DeleteObject(picture);
        return nullptr;
    }
    SetWindowSubclass(box, BoxProc, 0, reinterpret_cast<DWORD_PTR>(new BoxState{picture, backgroundColour, events}));
    return box;
}

}  // namespace sindhikit::winui
