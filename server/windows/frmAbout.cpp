// frmAbout: the About picture with the maker's e-mail and web labels, OK (default and
// cancel button), System Info, the version line and an etched separator.
#include <windows.h>
#include <shellapi.h>

#include <cstring>
#include <string>

#include "ControlIds.h"
#include "ModelessDialog.h"
#include "PictureBox.h"
#include "ServerWindows.h"
#include "SysInfo.h"
#include "ThreadWindows.h"
#include "Twips.h"
#include "VersionLine.h"
#include "win/Pictures.h"
#include "layout/MakerInfo.h"

namespace tavrocodes::windows {

namespace {

thread_local HWND t_frmAbout = nullptr;

const COLORREF kEmailColour = RGB(0, 0, 128);
const COLORREF kWebColour = RGB(0, 0, 255);

std::wstring Wide(const char* s) {
    return std::wstring(s, s + strlen(s));
}
std::wstring WebLabelText() {
    return L"Website : " + Wide(sindhikit::pictures::kMakerWebsite);
}

HBRUSH ColourLabel(HWND label, HDC dc) {
    switch (GetDlgCtrlID(label)) {
        case Label2:
            SetTextColor(dc, kEmailColour);
            SetBkColor(dc, RGB(255, 255, 255));
            return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        case Label1:
            SetTextColor(dc, kWebColour);
            SetBkMode(dc, TRANSPARENT);
            return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }
    return nullptr;
}

void OpenWebsite(HWND label) {
    if (GetDlgCtrlID(label) != Label1) return;
    // The shell's answer is not reported: a missing browser is not this window's business.
    ShellExecuteA(GetAncestor(label, GA_ROOT), "open", sindhikit::pictures::kMakerWebsite, nullptr, nullptr,
                  SW_SHOWNORMAL);
}

HCURSOR CursorFor(HWND child) {
    return GetDlgCtrlID(child) == Label1 ? LoadCursorW(nullptr, IDC_HAND) : nullptr;
}

// Label1 takes the size of its text.
SIZE TextSize(HWND control, const std::wstring& text) {
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size;
}

void DrawSeparator(const DRAWITEMSTRUCT& item) {
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_WINDOW));
    const Dpi dpi = Dpi::OfScreen();
    HPEN white = CreatePen(PS_SOLID, 2, RGB(255, 255, 255));
    HPEN grey = CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
    HGDIOBJ old = SelectObject(item.hDC, white);
    MoveToEx(item.hDC, dpi.X(585), dpi.Y(4740), nullptr);
    LineTo(item.hDC, dpi.X(6134), dpi.Y(4740));
    SelectObject(item.hDC, grey);
    MoveToEx(item.hDC, dpi.X(570), dpi.Y(4920), nullptr);
    LineTo(item.hDC, dpi.X(6134), dpi.Y(4920));
    SelectObject(item.hDC, old);
    DeleteObject(white);
    DeleteObject(grey);
}

void CreateControls(HWND dlg) {
    const Dpi dpi = Dpi::OfScreen();
    // Frame1 lies under everything and carries the separator lines.
    HWND frame = AddControl(dlg, L"Static", nullptr, WS_VISIBLE | SS_OWNERDRAW, Frame1, 0, 0, dpi.X(7335), dpi.Y(4935));
    HWND picture = CreatePictureBox(dlg, Picture1, dpi.X(240), dpi.Y(120), dpi.X(7095), dpi.Y(4695),
                                    sindhikit::pictures::CreateAboutPicture(), COLOR_WINDOW,
                                    PictureBoxEvents{ColourLabel, OpenWebsite, CursorFor});
    if (picture) {
        AddControl(picture, L"Static", Wide(sindhikit::pictures::kMakerEmail).c_str(), WS_VISIBLE | SS_LEFT, Label2,
                   dpi.X(960), dpi.Y(3360), dpi.X(2775), dpi.Y(255));
        const std::wstring web = WebLabelText();
        HWND label = AddControl(picture, L"Static", web.c_str(), WS_VISIBLE | SS_LEFT | SS_NOTIFY, Label1, dpi.X(960),
                                dpi.Y(4200), 0, 0);
        const SIZE size = TextSize(label, web);
        SetWindowPos(label, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    AddControl(dlg, L"Button", L"OK", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, cmdOK, dpi.X(5685), dpi.Y(5025),
               dpi.X(1260), dpi.Y(345));
    AddControl(dlg, L"Button", L"&System Info...", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, cmdSysInfo, dpi.X(5700),
               dpi.Y(5475), dpi.X(1245), dpi.Y(345));
    AddControl(dlg, L"Static", VersionLine(CodeModule()).c_str(), WS_VISIBLE | SS_LEFT, lblVersion, 0, dpi.Y(5400),
               dpi.X(5055), dpi.Y(255));
    if (frame) SetWindowPos(frame, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

INT_PTR CALLBACK frmAboutProc(HWND dlg, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            SetWindowTextW(dlg, kAboutCaption);
            CreateControls(dlg);
            SetFocus(GetDlgItem(dlg, cmdOK));
            return FALSE;  // focus set here
        case WM_DRAWITEM:
            if (wParam != Frame1) return FALSE;
            DrawSeparator(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:      // cmdOK, and Enter
                case IDCANCEL:  // Esc: cmdOK is the cancel button too
                    DestroyWindow(dlg);
                    return TRUE;
                case cmdSysInfo:
                    StartSysInfo(dlg);
                    return TRUE;
            }
            return FALSE;
        case WM_CLOSE:
            DestroyWindow(dlg);
            return TRUE;
        case WM_NCDESTROY:
            if (t_frmAbout == dlg) t_frmAbout = nullptr;
            WindowClosed(dlg);
            return TRUE;
    }
    return FALSE;
}

}  // namespace

HRESULT showAbout() {
    if (!t_frmAbout) {
        const Dpi dpi = Dpi::OfScreen();
        // The caption is set on load; the template's is only a placeholder.
        HWND dlg = CreateModelessDialog(L"About", dpi.X(7350), dpi.Y(5850), frmAboutProc);
        if (!dlg) {
            const DWORD error = GetLastError();
            return error ? HRESULT_FROM_WIN32(error) : E_FAIL;
        }
        t_frmAbout = dlg;
        WindowOpened(dlg);
        CentreOnScreen(dlg, dpi.X(7350), dpi.Y(5850));
    }
    ShowWindow(t_frmAbout, SW_SHOW);
    SetForegroundWindow(t_frmAbout);
    return S_OK;
}

}  // namespace tavrocodes::windows
