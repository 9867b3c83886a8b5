// sindhikit on Windows: arguments as the system passes them (UTF-16), output in UTF-8, to the
// console (its output code page set to UTF-8) or as plain bytes to a pipe or file.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "APICalls.h"
#include "Sindhikit.h"
#include "StoreLocation.h"

namespace {

std::filesystem::path ExecutablePath() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) return std::filesystem::path(buffer.substr(0, n));
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    using namespace sindhikit;
    // Our lines carry their own CR LF; text mode would double the CR.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
    // The console's code page outlives the program, so the caller's is put back at the end.
    const UINT callerCodePage = GetConsoleOutputCP();  // 0 when there is no console
    if (callerCodePage != 0) SetConsoleOutputCP(CP_UTF8);

    std::vector<std::u16string> args;
    for (int i = 1; i < argc; ++i) {
        std::wstring_view a = argv[i];
        args.emplace_back(a.begin(), a.end());
    }

    cli::Context context;
    context.newline = "\r\n";
    context.executableDir = ExecutablePath().parent_path();
    const std::wstring storeVariable(StoreVariableName.begin(), StoreVariableName.end());
    if (const wchar_t* store = _wgetenv(storeVariable.c_str()); store && *store)
        context.storeVariable = std::u16string(store, store + wcslen(store));
    context.windowsFolder = GetWindowsFolder();
    int status = cli::RunSindhikit(args, context, std::cin, std::cout, std::cerr);
    std::cout.flush();
    if (callerCodePage != 0) SetConsoleOutputCP(callerCodePage);
    return status;
}
