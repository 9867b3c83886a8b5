#include "Sindhikit.h"

#include <exception>

#include "CommandLine.h"
#include "EncDec.h"
#include "SindhiKitVersion.h"
#include "commands/Commands.h"

namespace sindhikit::cli {
namespace {

constexpr const char* kUsage[] = {
    "usage: sindhikit [--store STORE] COMMAND ...",
    "",
    "  en WORD...                    the Sindhi meanings and English definitions of an English word",
    "  sd WORD...                    the English meanings of a Sindhi word (UTF-8)",
    "  sd --keys KEYS...             the same, the word typed as Latin keys through the Sindhi",
    "                                phonetic key map",
    "     --definitions              with sd: each English meaning's definitions as well",
    "  keys --lang sd|ur|fa TEXT...  TEXT typed through the Sindhi, Urdu or Farsi key map",
    "  inpage [FILE]                 InPage text (FILE or standard input) to UTF-8",
    "  alphabet                      the phonetic guide: each Sindhi letter with its name, its",
    "                                transliteration and its sound (IPA), then the digits 0 to 10",
    "  store build SOURCE... -o STORE  build a word store from source files",
    "  store check [STORE]           check a word store and name the file checked",
    "  --version                     the program's version",
    "",
    "Several words are joined with one space. The store is STORE when given, else $SINDHIKIT_STORE,",
    "else the first that exists of directodb.dll beside the program, the installed one",
    "(../share/sindhikit/directodb.dll from the program: /usr/share/sindhikit/directodb.dll) and",
    "the one the build made (../data/directodb.dll).",
    "Exit status: 0 found, 1 not found, 2 usage or store error.",
};

void PrintUsage(std::ostream& s, const std::string& newline) {
    for (const char* line : kUsage) s << line << newline;
}

}  // namespace

int RunSindhikit(const std::vector<std::u16string>& args, const Context& context, std::istream& in, std::ostream& out,
                 std::ostream& err) {
    Invocation inv;
    try {
        inv = ParseCommandLine(args);
    } catch (const UsageError& e) {
        err << "sindhikit: " << e.what() << '\n' << "Try 'sindhikit --help'.\n";
        return ExitError;
    }
    // Start-up: the cipher key before the store is first read.
    SetCipherKey();
    // The commands report the failures they expect; anything else still ends as a message and
    // the error status, never as an abort.
    try {
        switch (inv.verb) {
            case Verb::Help:
                // Asked for, the usage is the result; with no command at all it explains the error.
                if (args.empty()) {
                    PrintUsage(err, context.newline);
                    return ExitError;
                }
                PrintUsage(out, context.newline);
                return ExitFound;
            case Verb::Version:
                out << "sindhikit " << SINDHIKIT_VERSION_TEXT << context.newline;
                return ExitFound;
            case Verb::English:
                return RunEnglishLookup(inv, context, out, err);
            case Verb::Sindhi:
                return RunSindhiLookup(inv, context, out, err);
            case Verb::Keys:
                return RunKeys(inv, context, out, err);
            case Verb::Inpage:
                return RunInpage(inv, context, in, out, err);
            case Verb::Alphabet:
                return RunAlphabet(inv, context, out, err);
            case Verb::StoreBuild:
                return RunStoreBuild(inv, context, out, err);
            case Verb::StoreCheck:
                return RunStoreCheck(inv, context, out, err);
        }
    } catch (const std::exception& e) {
        err << "sindhikit: " << e.what() << '\n';
    }
    return ExitError;
}

}  // namespace sindhikit::cli
