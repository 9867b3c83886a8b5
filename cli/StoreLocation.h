// Which store a command uses when none is named on its command line.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "Context.h"

namespace sindhikit::cli {

// --store PATH when given; else $SINDHIKIT_STORE; else the first of these that exists:
// directodb.dll beside the program (a kit unpacked in one folder), ../share/sindhikit/directodb.dll
// from the program (the installed package: /usr/bin/sindhikit finds /usr/share/sindhikit),
// ../data/directodb.dll from the program (the build tree, where the build makes the default
// store), and on Windows directodb.dll in
// the Windows folder (where the Dictionary program finds it). When none exists, the build
// tree's path, so the error names the store the build would have made.
std::filesystem::path ResolveStorePath(const std::optional<std::u16string>& storeOption, const Context& context);

// A path as UTF-8 text for messages (never the ANSI code page, which cannot hold every name).
std::string DisplayPath(const std::filesystem::path& path);

}  // namespace sindhikit::cli
