// en and sd: the lookups of the two Dictionary windows, on the store's one connection.
#include <filesystem>
#include <string>

#include "Commands.h"
#include "DatabaseHandler.h"
#include "EncDec.h"
#include "LookupLines.h"
#include "StoreLocation.h"
#include "StoreLookups.h"
#include "Utf8.h"
#include "access/DataError.h"
#include "keymaps/KeyMap.h"

namespace sindhikit::cli {
namespace {

std::u16string Newline(const Context& context) {
    return std::u16string(context.newline.begin(), context.newline.end());
}

// Opens StoreConnection on the store this command uses, as start-up does before any lookup.
void ConnectTo(const std::filesystem::path& store) {
    CipherKey = std::u16string(CipherKeyPhrase);
    ConnectStoreAt(store.u16string());
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

}  // namespace

int RunEnglishLookup(const Invocation& inv, const Context& context, std::ostream& out, std::ostream& err) {
    std::filesystem::path store = ResolveStorePath(inv.store, context);
    std::u16string word = JoinedOperands(inv);
    std::u16string text;
    try {
        ConnectTo(store);
        auto meanings = QuerySindhiMeanings(StoreConnection, word);
        auto definitions = QueryDefinitions(StoreConnection, word);
        if (meanings.empty() && definitions.empty()) return ExitNotFound;
        text = SindhiMeaningsText(meanings, Newline(context));
        // The window's definitions text starts with a single space; without rows that space
        // alone would be a stray, unterminated line here.
        if (!definitions.empty())
            text += EnglishDefinitionsText(definitions, DefinitionsStart::SingleSpace, Newline(context));
    } catch (const dataaccess::DataError& e) {
        return StoreFailure(store, e, err);
    }
    out << Utf16ToUtf8(text);
    return ExitFound;
}

int RunSindhiLookup(const Invocation& inv, const Context& context, std::ostream& out, std::ostream& err) {
    std::filesystem::path store = ResolveStorePath(inv.store, context);
    std::u16string word = JoinedOperands(inv);
    if (inv.keys) word = TypedSindhi(word);
    std::u16string text;
    try {
        ConnectTo(store);
        auto meanings = QueryEnglishMeanings(StoreConnection, word);
        if (meanings.empty()) return ExitNotFound;
        for (const std::u16string& meaning : meanings) {
            text += meaning + Newline(context);
            if (inv.definitions)
                text += EnglishDefinitionsText(QueryDefinitions(StoreConnection, meaning), DefinitionsStart::Empty,
                                               Newline(context));
        }
    } catch (const dataaccess::DataError& e) {
        return StoreFailure(store, e, err);
    }
    out << Utf16ToUtf8(text);
    return ExitFound;
}

}  // namespace sindhikit::cli
