// What the command line takes from the process it runs in, gathered by the platform's entry
// point so the commands themselves stay portable and testable.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace sindhikit::cli {

struct Context {
    std::filesystem::path executableDir;          // folder of the running program
    std::optional<std::u16string> storeVariable;  // $SINDHIKIT_STORE, when set and not empty
    std::optional<std::u16string> windowsFolder;  // Windows only: GetWindowsFolder()
    std::string newline;                          // "\n" on Linux, "\r\n" on Windows
};

// The store a command uses: storeOption when given, else as ResolveStorePath finds it.
std::filesystem::path StoreFor(const std::optional<std::u16string>& storeOption, const Context& context);

// A path as UTF-8 text for messages (never the ANSI code page, which cannot hold every name).
std::string DisplayPath(const std::filesystem::path& path);

}  // namespace sindhikit::cli
