#include "StoreLocation.h"

#include <system_error>
#include <vector>

#include "Utf8.h"

namespace sindhikit::cli {

std::filesystem::path ResolveStorePath(const std::optional<std::u16string>& storeOption, const Context& context) {
    if (storeOption) return std::filesystem::path(*storeOption);
    if (context.storeVariable) return std::filesystem::path(*context.storeVariable);

    const std::filesystem::path buildTree = context.executableDir / ".." / "data" / "directodb.dll";
    // An installed package keeps its store in share/sindhikit beside bin/ (/usr/share/sindhikit).
    const std::filesystem::path installed = context.executableDir / ".." / "share" / "sindhikit" / "directodb.dll";
    std::vector<std::filesystem::path> candidates = {context.executableDir / "directodb.dll", installed, buildTree};
    if (context.windowsFolder && !context.windowsFolder->empty())
        candidates.push_back(std::filesystem::path(*context.windowsFolder) / "directodb.dll");
    for (const auto& c : candidates) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(c, ec)) return c.lexically_normal();
    }
    return buildTree.lexically_normal();
}

std::string DisplayPath(const std::filesystem::path& path) {
    return Utf16ToUtf8(path.u16string());
}

}  // namespace sindhikit::cli
