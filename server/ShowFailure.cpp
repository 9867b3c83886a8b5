#include "ShowFailure.h"

#include <windows.h>

#include <string>

#include "ServerWindows.h"
#include "winui/Messages.h"

namespace tavrocodes {

void ShowFailureMessage(const wchar_t* description) noexcept {
    sindhikit::winui::ShowMessage(nullptr, windows::kMessageTitle, description);
}

void ShowFailureMessage(const std::exception& failure) noexcept {
    try {
        const char* text = failure.what();
        const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
        std::wstring description(length > 0 ? length : 1, L'\0');
        if (length > 0) MultiByteToWideChar(CP_ACP, 0, text, -1, description.data(), length);
        ShowFailureMessage(description.c_str());
    } catch (...) {
        ShowFailureMessage(L"Out of memory");  // the description itself could not be made
    }
}

}  // namespace tavrocodes
