#include "gui/HttpHandlerStandIn.h"

#include <windows.h>

namespace sindhikit::guitest {

namespace {

constexpr char kHandlerKey[] = "Software\\Classes\\http\\shell\\open\\command";

}  // namespace

HttpHandlerStandIn::HttpHandlerStandIn(const std::string& recorder, const std::string& name) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string browser = std::string(temp) + name;
    marker_ = browser + ".ran";
    DeleteFileA(marker_.c_str());
    if (!CopyFileA(recorder.c_str(), browser.c_str(), FALSE)) return;
    char saved[1024] = {};
    DWORD savedSize = sizeof(saved);
    hadHandler_ = RegGetValueA(HKEY_LOCAL_MACHINE, kHandlerKey, nullptr, RRF_RT_REG_SZ, nullptr, saved, &savedSize) ==
                  ERROR_SUCCESS;
    if (hadHandler_) saved_ = saved;
    const std::string command = "\"" + browser + "\" \"%1\"";
    registered_ = RegSetKeyValueA(HKEY_LOCAL_MACHINE, kHandlerKey, nullptr, REG_SZ, command.c_str(),
                                  static_cast<DWORD>(command.size() + 1)) == ERROR_SUCCESS;
}

HttpHandlerStandIn::~HttpHandlerStandIn() {
    if (!registered_) return;
    if (hadHandler_) {
        RegSetKeyValueA(HKEY_LOCAL_MACHINE, kHandlerKey, nullptr, REG_SZ, saved_.c_str(),
                        static_cast<DWORD>(saved_.size() + 1));
    } else {
        RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, kHandlerKey, nullptr);
    }
}

std::wstring HttpHandlerStandIn::CommandLine() const {
    HANDLE f = CreateFileA(marker_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return L"";
    wchar_t buffer[512] = {};
    DWORD got = 0;
    ReadFile(f, buffer, sizeof(buffer) - sizeof(wchar_t), &got, nullptr);
    CloseHandle(f);
    return buffer;
}

}  // namespace sindhikit::guitest
