// Stands in for a program the windows start (the system information tool, the browser):
// writes its command line to "<own path>.ran" to show it started and with what.
#include <windows.h>

int main() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH - 5);
    if (n == 0) return 1;
    lstrcatW(path, L".ran");
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    const wchar_t* line = GetCommandLineW();
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(lstrlenW(line) * sizeof(wchar_t)), &written, nullptr);
    CloseHandle(file);
    return 0;
}
