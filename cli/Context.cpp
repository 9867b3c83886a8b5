#include "Context.h"

#include "StoreLocation.h"
#include "Utf8.h"

namespace sindhikit::cli {

std::filesystem::path StoreFor(const std::optional<std::u16string>& storeOption, const Context& context) {
    return ResolveStorePath({storeOption, context.storeVariable, context.executableDir, context.windowsFolder});
}

std::string DisplayPath(const std::filesystem::path& path) {
    return Utf16ToUtf8(path.u16string());
}

}  // namespace sindhikit::cli
