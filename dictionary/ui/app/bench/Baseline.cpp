// The baseline of the start-up benchmark: a bare program that shows a window and adds the
// same headwords to a list box and a combo box, the English ones and then the Sindhi ones,
// with no store, no yields and no progress, in the quickest way the controls allow (drawing
// off while they fill, one redraw at the end). It writes the moments (performance counter)
// when each set is in and painted to the file named by its third argument.
// Usage: dictionary_baseline ENGLISH.txt SINDHI.txt TIMES.txt   (UTF-8, one headword a line)
#include <windows.h>

#include <commctrl.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

std::vector<std::wstring> ReadLines(const wchar_t* path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::wstring> lines;
    for (std::string line; std::getline(in, line);) {
        const int n = MultiByteToWideChar(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), nullptr, 0);
        std::wstring wide(static_cast<size_t>(n), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), wide.data(), n);
        lines.push_back(wide);
    }
    return lines;
}

long long Now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}

HWND Child(HWND parent, const wchar_t* cls, DWORD style, int x, int y, int w, int h) {
    return CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

void Fill(HWND list, HWND combo, const std::vector<std::wstring>& words) {
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(combo, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_INITSTORAGE, words.size(), 0);
    SendMessageW(combo, CB_INITSTORAGE, words.size(), 0);
    for (const auto& w : words) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(w.c_str()));
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(w.c_str()));
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    SendMessageW(combo, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(GetParent(list), nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    UpdateWindow(GetParent(list));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4) return 2;
    const auto english = ReadLines(argv[1]);
    const auto sindhi = ReadLines(argv[2]);
    HWND window = CreateWindowExW(0, L"STATIC", L"Baseline", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 0, 1200, 900,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    const DWORD listStyle = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER;
    HWND englishList = Child(window, WC_LISTBOXW, listStyle, 8, 138, 225, 355);
    HWND englishBox = Child(window, WC_COMBOBOXW, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 8, 112, 177, 200);
    HWND sindhiList = Child(window, WC_LISTBOXW, listStyle, 600, 168, 289, 425);
    HWND sindhiBox = Child(window, WC_COMBOBOXW, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 640, 128, 249, 300);
    ShowWindow(window, SW_SHOWMAXIMIZED);
    UpdateWindow(window);
    Fill(englishList, englishBox, english);
    const long long englishDone = Now();
    Fill(sindhiList, sindhiBox, sindhi);
    const long long sindhiDone = Now();
    std::ofstream(argv[3]) << englishDone << "\n" << sindhiDone << "\n";
    return 0;
}
