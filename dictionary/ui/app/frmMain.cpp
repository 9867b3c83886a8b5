#include "frmMain.h"

#include <commctrl.h>

#include <exception>
#include <string>

#include "APICalls.h"
#include "DatabaseHandler.h"
#include "EncDec.h"
#include "HeadwordLoading.h"
#include "StoreLocation.h"
#include "MessageRouting.h"
#include "ReferenceWindows.h"
#include "WideText.h"
#include "access/DataError.h"
#include "frmSplash.h"
#include "res/MenuIds.h"

namespace dictionary {

namespace {

constexpr wchar_t kClassName[] = L"frmMain";
constexpr COLORREF kClientColour = RGB(209, 208, 194);

std::wstring FromUtf8(const std::string& text) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
    return wide;
}

// The MDI client paints the frame's client colour.
LRESULT CALLBACK ClientProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR brush) {
    if (message == WM_ERASEBKGND) {
        RECT box{};
        GetClientRect(hwnd, &box);
        FillRect(reinterpret_cast<HDC>(wParam), &box, reinterpret_cast<HBRUSH>(brush));
        return TRUE;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

// The font steps never end the program: a failure the font rules do not handle themselves
// ends the step, and the program goes on.
template <class Step>
void SkipFailure(Step step) {
    try {
        step();
    } catch (const std::exception&) {
    }
}

}  // namespace

frmMain* frmMain::Create(HINSTANCE instance) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_DICTIONARY));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    wc.lpszClassName = kClassName;
    if (!RegisterClassW(&wc)) return nullptr;

    auto* main = new frmMain();  // lives as long as the process
    HMENU menu = LoadMenuW(instance, MAKEINTRESOURCEW(IDR_MAINMENU));
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    RECT outer{0, 0, controls::TwipsToPixelsX(9375), controls::TwipsToPixelsY(7500)};
    AdjustWindowRectEx(&outer, style, TRUE, 0);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2, top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    main->hwnd_ =
        CreateWindowExW(0, kClassName, L"Dictionary", style, left, top, width, height, nullptr, menu, instance, main);
    if (!main->hwnd_) return nullptr;

    main->fontControls_ = std::make_unique<LookupWindowFonts>([main] { return main->EnsureSindhiWindow(); },
                                                              [main] { return main->EnsureEnglishWindow(); });
    main->fonts_ = std::make_unique<sindhikit::settings::FontSettings>(*main->fontControls_, ProgramRegistry());
    main->fontDialog_ = std::make_unique<sindhikit::settings::ChooseFontDialog>(main->hwnd_);
    main->prompt_ = std::make_unique<MessageBoxPrompt>(main->hwnd_);
    main->fontMenu_ =
        std::make_unique<sindhikit::settings::FontMenu>(*main->fonts_, *main->fontDialog_, *main->prompt_);
    main->typingMarks_ = std::make_unique<MenuTypingMarks>(main->hwnd_);
    sindhikit::settings::StartTypingModeMarks(*main->typingMarks_);
    return main;
}

bool frmMain::XpTypingMode() const {
    return (GetMenuState(GetMenu(hwnd_), ID_mnuWindowXP, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

frmEnglish2Sindhi* frmMain::EnsureEnglishWindow() {
    if (!english_) {
        english_ = frmEnglish2Sindhi::Create(client_);
        if (english_) english_->Closed = [this] { english_.reset(); };
    }
    return english_.get();
}

frmSindhiToEnglish* frmMain::EnsureSindhiWindow() {
    if (!sindhi_) {
        sindhi_ = frmSindhiToEnglish::Create(client_, {[this] { return XpTypingMode(); }, DoEvents});
        if (sindhi_) sindhi_->Closed = [this] { sindhi_.reset(); };
    }
    return sindhi_.get();
}

void frmMain::mnuEnglishToSindhi_Click() {
    frmEnglish2Sindhi* english = EnsureEnglishWindow();
    if (!english) return;
    HWND window = english->Hwnd();
    ShowWindow(window, SW_SHOW);
    SendMessageW(client_, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window), 0);
    SetFocus(window);
    SendMessageW(client_, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(window), 0);
}

void frmMain::mnuSindhiToEnglish_Click() {
    frmSindhiToEnglish* sindhi = EnsureSindhiWindow();
    if (!sindhi) return;
    HWND window = sindhi->Hwnd();
    ShowWindow(window, SW_SHOW);
    SendMessageW(client_, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window), 0);
    SetFocus(window);
}

void frmMain::Command(int id) {
    switch (id) {
        case ID_mnuEnglishToSindhi:
            mnuEnglishToSindhi_Click();
            break;
        case ID_mnuSindhiToEnglish:
            mnuSindhiToEnglish_Click();
            break;
        case ID_mnuExit:
            ExitProcess(0);  // at once: no window closes one by one
        case ID_mnufontSet:
            SkipFailure([this] { fontMenu_->ProblemInSindhiFont(); });
            break;
        case ID_mnuReset:
            SkipFailure([this] { fontMenu_->ResetFonts(); });
            break;
        case ID_mnuLatifFont:
            SkipFailure([this] { fontMenu_->SetSindhiFont(); });
            break;
        case ID_mnuEnglishFont:
            SkipFailure([this] { fontMenu_->SetEnglishFont(); });
            break;
        case ID_mnuWindow98:
            sindhikit::settings::ChooseWindows98(*typingMarks_);
            break;
        case ID_mnuWindowXP:
            sindhikit::settings::ChooseWindowsXP(*typingMarks_);
            break;
        case ID_mnuHelp:
            reference::ShowHelpMessage(hwnd_);
            break;
        case ID_mnuPhonetic:
            reference::ShowPronounce();
            break;
        case ID_mnuKeyboard:
            reference::ShowKeyboard();
            break;
        case ID_mnuSindhiSortOrder:
            reference::ShowSortOrder();
            break;
        case ID_mnuAbout:
            reference::ShowAbout();
            break;
        default:
            break;
    }
}

int frmMain::Load() {
    ShowWindow(hwnd_, SW_SHOWMAXIMIZED);
    UpdateWindow(hwnd_);

    // The splash window's load step: the cipher key, then the English and the Sindhi font
    // from the registry. Applying them reaches both lookup windows and so creates them,
    // the Sindhi one first.
    std::unique_ptr<frmSplash> splash = frmSplash::Show(hwnd_);
    sindhikit::SetCipherKey();
    SkipFailure([this] { fonts_->RestoreFonts(); });
    DoEvents();
    DoEvents();

    try {
        sindhikit::ConnectStore();
    } catch (const sindhikit::dataaccess::DataError& e) {
        const std::wstring path = Wide(sindhikit::StorePathInWindowsFolder(sindhikit::GetWindowsFolder()));
        const std::wstring text = L"The word store " + path + L" cannot be opened.\r\n\r\n" + FromUtf8(e.Description());
        MessageBoxW(splash ? splash->Hwnd() : hwnd_, text.c_str(), L"Dictionary", MB_OK | MB_ICONSTOP);
        return 2;
    }

    const LoadingServices loading{DoEvents, hwnd_};
    controls::Label* progress = splash ? splash->Label1.get() : nullptr;
    LoadEnglishHeadwords([this] { return english_.get(); },
                         [&splash, progress](const std::wstring& caption) {
                             if (!progress || caption == progress->Caption()) return;
                             progress->SetCaption(caption);
                             // The window's own text says the same, for screen readers
                             // and window lists.
                             SetWindowTextW(splash->Hwnd(), caption.c_str());
                         },
                         loading);
    DoEvents();
    DoEvents();
    if (splash) ShowWindow(splash->Hwnd(), SW_HIDE);
    splash.reset();

    mnuEnglishToSindhi_Click();
    LoadSindhiHeadwords([this] { return sindhi_.get(); }, loading);
    DoEvents();
    return 0;
}

LRESULT CALLBACK frmMain::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        static_cast<frmMain*>(create->lpCreateParams)->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<frmMain*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

LRESULT frmMain::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE: {
            CLIENTCREATESTRUCT ccs{};
            ccs.idFirstChild = 50000;
            auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE));
            client_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                      WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0, 0, 0, 0,
                                      hwnd_, nullptr, instance, &ccs);
            SetWindowSubclass(client_, ClientProc, 0, reinterpret_cast<DWORD_PTR>(CreateSolidBrush(kClientColour)));
            break;
        }
        case WM_COMMAND:
            if (lParam == 0) {  // menu or accelerator
                Command(LOWORD(wParam));
                return 0;
            }
            break;
        case WM_CLOSE:
            ExitProcess(0);  // closing the main window ends the program at once
    }
    return DefFrameProcW(hwnd_, client_, message, wParam, lParam);
}

}  // namespace dictionary
