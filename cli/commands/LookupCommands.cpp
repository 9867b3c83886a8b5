// en and sd: the lookups of the two Dictionary windows, on the store's one connection.
#include <filesystem>
#include <string>

#include "Commands.h"
#include "DatabaseHandler.h"
#include "LookupTexts.h"
#include "Utf8.h"
#include "access/DataError.h"
#include "keymaps/KeyMap.h"

namespace sindhikit::cli {
namespace {

std::u16string Newline(const Context& context) {
    return std::u16string(context.newline.begin(), context.newline.end());
}

int StoreFailure(const std::filesystem::path& store, const dataaccess::DataError& e, std::ostream& err) {
    // The layer's descriptions name the store file; one that does not gets it added.
    std::string description = e.Description();
    std::string path = DisplayPath(store);
    err << "sindhikit: ";
    if (description.find(path) == std::string::npos) err << "word store " << path << ": ";
    err << description << '\n';
    return ExitError;
}

// Latin keys typed through the Sindhi phonetic map, one UTF-16 unit at a time.
std::u16string TypedSindhi(std::u16string_view keys) {
    std::u16string out;
    for (char16_t k : keys) out += static_cast<char16_t>(SindhiKeyToUnicode(k));
    return out;
}

// Opens StoreConnection on the command's store, as start-up does, and prints the lookup's text.
template <class Lookup>
int RunLookup(const std::filesystem::path& store, std::ostream& out, std::ostream& err, Lookup&& lookup) {
    std::u16string text;
    try {
        ConnectStoreAt(store.u16string());
        text = lookup();
    } catch (const dataaccess::DataError& e) {
        return StoreFailure(store, e, err);
    }
    if (text.empty()) return ExitNotFound;
    out << Utf16ToUtf8(text);
    return ExitFound;
}

}  // namespace

int RunEnglishLookup(const Invocation& inv, const Context& context, std::ostream& out, std::ostream& err) {
    const std::u16string word = JoinedOperands(inv);
    return RunLookup(StoreFor(inv.store, context), out, err,
                     [&] { return EnglishLookupText(StoreConnection, word, Newline(context)); });
}

int RunSindhiLookup(const Invocation& inv, const Context& context, std::ostream& out, std::ostream& err) {
    std::u16string word = JoinedOperands(inv);
    if (inv.keys) word = TypedSindhi(word);
    return RunLookup(StoreFor(inv.store, context), out, err,
                     [&] { return SindhiLookupText(StoreConnection, word, inv.definitions, Newline(context)); });
}

}  // namespace sindhikit::cli
