// frmAbout: the About picture with the maker's e-mail and web labels, OK (default and
// cancel button), System Info, the version line and an etched separator.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "ControlIds.h"
#include "ServerHost.h"
#include "ServerWindows.h"
#include "layout/MakerInfo.h"
#include "win/PictureFonts.h"
#include "win/Pictures.h"
#include "winui/Controls.h"
#include "winui/Module.h"
#include "winui/ModelessWindow.h"
#include "winui/PictureBox.h"
#include "winui/SingleWindow.h"
#include "winui/SysInfo.h"
#include "winui/Twips.h"
#include "winui/VersionLine.h"

namespace tavrocodes::windows {

namespace {

using namespace sindhikit::winui;
using sindhikit::pictures::Wide;

thread_local SingleWindow t_frmAbout;

const COLORREF kEmailColour = RGB(0, 0, 128);
const COLORREF kWebColour = RGB(0, 0, 255);

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
        const std::wstring web = L"Website : " + Wide(sindhikit::pictures::kMakerWebsite);
        // Label1 takes the size of its text.
        SizeToText(AddControl(picture, L"Static", web.c_str(), WS_VISIBLE | SS_LEFT | SS_NOTIFY, Label1, dpi.X(960),
                              dpi.Y(4200), 0, 0));
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
                    StartSysInfo(dlg, kMessageTitle);
                    return TRUE;
            }
            return FALSE;
        case WM_CLOSE:
            DestroyWindow(dlg);
            return TRUE;
    }
    return FALSE;
}

}  // namespace

HRESULT showAbout() {
    return LoadAndShow(t_frmAbout, [] {
        // The caption is set on load; the template's is only a placeholder.
        HWND dlg = CreateModelessDialog(ServerHost(), {L"About", Frame::FixedDialog, {7350, 5850}}, frmAboutProc);
        if (dlg) CentreOnScreen(dlg);
        return dlg;
    });
}

}  // namespace tavrocodes::windows
