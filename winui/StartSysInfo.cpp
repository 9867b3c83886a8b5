#include "winui/SysInfo.h"

#include "winui/Messages.h"

namespace sindhikit::winui {

namespace {

constexpr char kToolKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr char kToolValue[] = "PATH";
constexpr char kLocationKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
constexpr char kLocationValue[] = "MSINFO";
constexpr char kToolFile[] = "\\MSINFO32.EXE";

bool IsFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool StartNormalFocused(const std::string& path) {
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + path + "\"";
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

}  // namespace

void StartSysInfo(HWND owner, const wchar_t* title) {
    std::string path;
    if (GetKeyValue(HKEY_LOCAL_MACHINE, kToolKey, kToolValue, path)) {
        if (StartNormalFocused(path)) return;
    } else if (GetKeyValue(HKEY_LOCAL_MACHINE, kLocationKey, kLocationValue, path)) {
        path += kToolFile;
        if (IsFile(path) && StartNormalFocused(path)) return;
    }
    ShowMessage(owner, title, L"System Information Is Unavailable At This Time");
}

}  // namespace sindhikit::winui
