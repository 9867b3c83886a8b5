#include "settings/win/ChooseFontDialog.h"

#include <commdlg.h>
#include <winspool.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace sindhikit::settings {

namespace {

// A device context of the default printer, or nullptr when there is none.
HDC DefaultPrinterDC() {
    DWORD size = 0;
    GetDefaultPrinterW(nullptr, &size);
    if (size == 0) return nullptr;
    std::vector<wchar_t> name(size);
    if (!GetDefaultPrinterW(name.data(), &size)) return nullptr;
    return CreateDCW(L"WINSPOOL", name.data(), nullptr, nullptr);
}

int ScreenDpiY() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

}  // namespace

void ChooseFontDialog::Show(FontDialogState& state) {
    LOGFONTW font{};
    CHOOSEFONTW choose{};
    choose.lStructSize = sizeof(choose);
    choose.hwndOwner = owner_;
    choose.lpLogFont = &font;
    choose.Flags = static_cast<DWORD>(state.flags);
    if (!state.fontName.empty()) {
        // The dialog opens on the font last chosen in it.
        const std::wstring name(state.fontName.begin(), state.fontName.end());
        name.copy(font.lfFaceName, std::min<size_t>(name.size(), LF_FACESIZE - 1));
        font.lfHeight = -std::lround(state.fontSize * ScreenDpiY() / 72.0);
        choose.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
    HDC printer = nullptr;
    if (choose.Flags & CF_PRINTERFONTS) {
        printer = DefaultPrinterDC();
        if (printer) {
            choose.hDC = printer;
        } else {
            choose.Flags &= ~static_cast<DWORD>(CF_PRINTERFONTS);
        }
    }
    if (ChooseFontW(&choose)) {
        const std::wstring face = font.lfFaceName;
        state.fontName.assign(face.begin(), face.end());
        state.fontSize = choose.iPointSize / 10.0;
    }
    if (printer) DeleteDC(printer);
}

}  // namespace sindhikit::settings
