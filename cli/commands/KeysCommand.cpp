// keys: text typed on a Latin keyboard, each character through one language's key map.
#include <string>

#include "Commands.h"
#include "Utf8.h"
#include "keymaps/KeyMap.h"

namespace sindhikit::cli {

int RunKeys(const Invocation& inv, const Context& context, std::ostream& out, std::ostream&) {
    const std::u16string& lang = *inv.language;  // checked by the parser
    Langs language = lang == u"sd" ? Langs::Sindhi : lang == u"ur" ? Langs::Urdu : Langs::Farsi;
    std::u16string text;
    for (char16_t key : JoinedOperands(inv))
        text += static_cast<char16_t>(KeyToUnicode(static_cast<std::int32_t>(language), key));
    out << Utf16ToUtf8(text) << context.newline;
    return ExitFound;
}

}  // namespace sindhikit::cli
