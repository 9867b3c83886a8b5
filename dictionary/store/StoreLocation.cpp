#include "StoreLocation.h"

#include <system_error>
#include <vector>

namespace sindhikit {

std::u16string StorePathInWindowsFolder(std::u16string_view windowsFolder) {
    std::u16string path(windowsFolder);
    path += u'\\';
    path += StoreFileName;
    return path;
}

std::filesystem::path ResolveStorePath(const StoreSearch& search) {
    if (search.storeOption) return std::filesystem::path(*search.storeOption);
    if (search.storeVariable) return std::filesystem::path(*search.storeVariable);

    const std::filesystem::path fileName(StoreFileName);
    const std::filesystem::path buildTree = search.executableDir / ".." / "data" / fileName;
    // An installed package keeps its store in share/sindhikit beside bin/ (/usr/share/sindhikit).
    const std::filesystem::path installed = search.executableDir / ".." / "share" / "sindhikit" / fileName;
    std::vector<std::filesystem::path> candidates = {search.executableDir / fileName, installed, buildTree};
    if (search.windowsFolder && !search.windowsFolder->empty())
        candidates.emplace_back(StorePathInWindowsFolder(*search.windowsFolder));
    for (const auto& candidate : candidates) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(candidate, ec)) return candidate.lexically_normal();
    }
    return buildTree.lexically_normal();
}

}  // namespace sindhikit
