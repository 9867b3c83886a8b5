// frmKB, the keyboard window: two visible pictures (SimpleKB, ShiftKB) that show one
// language's layouts, taken from six hidden pictures that are the window's picture store.
#include <functional>
#include <optional>
#include <string>

#include "ControlIds.h"
#include "KeyboardPictureSource.h"
#include "ServerHost.h"
#include "ServerWindows.h"
#include "win/Pictures.h"
#include "winui/Controls.h"
#include "winui/Messages.h"
#include "winui/ModelessWindow.h"
#include "winui/SingleWindow.h"
#include "winui/Twips.h"

namespace tavrocodes::windows {

namespace {

using namespace sindhikit::winui;

thread_local SingleWindow t_frmKB;
KeyboardPictureSource g_pictureSource = sindhikit::pictures::CreateKeyboardPicture;

struct StoredPicture {
    int id;
    sindhikit::Langs lang;
    bool shifted;
};
constexpr StoredPicture kStore[] = {
    {Sindhi_KB, sindhikit::Langs::Sindhi, false}, {Sindhi_Shift_KB, sindhikit::Langs::Sindhi, true},
    {Urdu_KB, sindhikit::Langs::Urdu, false},     {Urdu_Shift_KB, sindhikit::Langs::Urdu, true},
    {Farsi_KB, sindhikit::Langs::Farsi, false},   {Farsi_Shift_KB, sindhikit::Langs::Farsi, true},
};

HBRUSH Background() {
    return GetSysColorBrush(COLOR_CAPTIONTEXT);
}

void CreateControls(HWND dlg) {
    const Dpi dpi = Dpi::OfScreen();
    AddControl(dlg, L"Button", L"&Close", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, Command1, dpi.X(3360), dpi.Y(5640),
               dpi.X(1215), dpi.Y(495));
    // Image controls take the size of the picture they are given (SS_BITMAP resizes).
    AddControl(dlg, L"Static", nullptr, WS_VISIBLE | SS_BITMAP, SimpleKB, dpi.X(360), dpi.Y(120), 0, 0);
    AddControl(dlg, L"Static", nullptr, WS_VISIBLE | SS_BITMAP, ShiftKB, dpi.X(360), dpi.Y(2880), 0, 0);
    for (const StoredPicture& p : kStore) {
        HWND image = AddControl(dlg, L"Static", nullptr, SS_BITMAP, p.id, 0, 0, 0, 0);
        if (HBITMAP picture = g_pictureSource(p.lang, p.shifted)) {
            SendMessageW(image, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
        }
    }
}

void FreeStore(HWND dlg) {
    for (const StoredPicture& p : kStore) {
        auto picture = reinterpret_cast<HBITMAP>(SendDlgItemMessageW(dlg, p.id, STM_GETIMAGE, IMAGE_BITMAP, 0));
        if (picture) DeleteObject(picture);
    }
}

INT_PTR CALLBACK frmKBProc(HWND dlg, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            CreateControls(dlg);
            return TRUE;
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSTATIC:
            return reinterpret_cast<INT_PTR>(Background());
        case WM_COMMAND:
            if (LOWORD(wParam) == Command1) DestroyWindow(dlg);  // unloading cannot fail in a way worth telling
            return TRUE;
        case WM_CLOSE:
            DestroyWindow(dlg);
            return TRUE;
        case WM_DESTROY:
            FreeStore(dlg);
            return TRUE;
    }
    return FALSE;
}

std::optional<std::wstring> LoadWindow() {
    const bool loaded = t_frmKB.Load([] {
        HWND dlg = CreateModelessDialog(ServerHost(), {kKeyboardCaption, Frame::FixedDialog, {7545, 6300}}, frmKBProc);
        if (dlg) CentreOnScreen(dlg);
        return dlg;
    });
    if (!loaded) return L"The keyboard window could not be created: " + DescribeError(GetLastError());
    return std::nullopt;
}

std::optional<std::wstring> AssignPicture(int target, int source) {
    HWND kb = t_frmKB.Get();
    if (!kb) return std::wstring(L"The keyboard window is not loaded.");
    auto picture = SendDlgItemMessageW(kb, source, STM_GETIMAGE, IMAGE_BITMAP, 0);
    if (!picture) return std::wstring(L"The keyboard picture could not be drawn.");
    SendDlgItemMessageW(kb, target, STM_SETIMAGE, IMAGE_BITMAP, picture);
    return std::nullopt;
}

std::optional<std::wstring> ShowWindowModeless() {
    if (!t_frmKB.Get()) return std::wstring(L"The keyboard window is not loaded.");
    t_frmKB.Show();
    return std::nullopt;
}

}  // namespace

void SetKeyboardPictureSource(KeyboardPictureSource source) {
    g_pictureSource = source ? source : sindhikit::pictures::CreateKeyboardPicture;
}

void ShowKB(std::int32_t lang) {
    int simple = 0, shift = 0;
    switch (static_cast<sindhikit::Langs>(lang)) {
        case sindhikit::Langs::Sindhi:
            simple = Sindhi_KB, shift = Sindhi_Shift_KB;
            break;
        case sindhikit::Langs::Urdu:
            simple = Urdu_KB, shift = Urdu_Shift_KB;
            break;
        case sindhikit::Langs::Farsi:
            simple = Farsi_KB, shift = Farsi_Shift_KB;
            break;
        default:
            return;  // no pictures for this value: nothing is shown or changed
    }
    // Each step reports its own failure and the next one still runs, so a picture that
    // cannot be assigned does not keep the window from showing.
    const std::function<std::optional<std::wstring>()> steps[] = {
        LoadWindow,
        [=] { return AssignPicture(SimpleKB, simple); },
        [=] { return AssignPicture(ShiftKB, shift); },
        ShowWindowModeless,
    };
    for (const auto& step : steps) {
        if (const auto failure = step()) ShowMessage(t_frmKB.Get(), kMessageTitle, failure->c_str());
    }
}

}  // namespace tavrocodes::windows
