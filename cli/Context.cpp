#include "Context.h"

#include "StoreLocation.h"
#include "Utf8.h"
#include "inpage/AnsiCodePage.h"

namespace sindhikit::cli {

std::filesystem::path StoreFor(const std::optional<std::u16string>& storeOption, const Context& context) {
    return ResolveStorePath({storeOption, context.storeVariable, context.executableDir, context.windowsFolder});
}

std::string DisplayPath(const std::filesystem::path& path) {
    return Utf16ToUtf8(path.u16string());
}

std::array<char32_t, 256> Windows1252Characters() {
    // The core keeps the code page as character -> byte; every byte has exactly one character,
    // so walking the characters gives the table back.
    std::array<char32_t, 256> chars;
    chars.fill(AnsiCodePage::kNoCharacter);
    const AnsiCodePage& page = AnsiCodePage::Windows1252();
    for (char32_t c = 0; c < 0x10000; ++c) {
        int b = page.ByteOf(static_cast<char16_t>(c));
        if (b >= 0 && chars[static_cast<std::size_t>(b)] == AnsiCodePage::kNoCharacter)
            chars[static_cast<std::size_t>(b)] = c;
    }
    return chars;
}

}  // namespace sindhikit::cli
