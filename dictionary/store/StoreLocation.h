// Where the word store is found. The Dictionary program has one place for it, directodb.dll
// in the Windows folder (ConnectStore opens it there); the command line, which also runs
// where there is no Windows folder, looks in a few places in a fixed order.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace sindhikit {

// The store's file name, in the Windows folder and beside sindhikit.
inline constexpr std::u16string_view StoreFileName = u"directodb.dll";

// The environment variable that names the command line's store when --store is not given.
inline constexpr std::string_view StoreVariableName = "SINDHIKIT_STORE";

// The program's store: the Windows folder as GetWindowsFolder returns it, "\", the file name,
// joined as text (an empty folder gives "\directodb.dll", the root of the current drive).
std::u16string StorePathInWindowsFolder(std::u16string_view windowsFolder);

// What the command line knows when it looks for its store.
struct StoreSearch {
    std::optional<std::u16string> storeOption;    // --store PATH
    std::optional<std::u16string> storeVariable;  // $SINDHIKIT_STORE, when set and not empty
    std::filesystem::path executableDir;          // the folder of the running program
    std::optional<std::u16string> windowsFolder;  // Windows only: GetWindowsFolder()
};

// The command line's store: --store when given; else $SINDHIKIT_STORE; else the first of
// these that exists: directodb.dll beside the program (a kit unpacked in one folder),
// ../share/sindhikit/directodb.dll from the program (the installed package: /usr/bin/sindhikit
// finds /usr/share/sindhikit), ../data/directodb.dll from the program (the build tree, where
// the build makes the default store), and on Windows
// the program's own place in the Windows folder. When none exists, the build tree's path, so
// the error names the store the build would have made.
std::filesystem::path ResolveStorePath(const StoreSearch& search);

}  // namespace sindhikit
