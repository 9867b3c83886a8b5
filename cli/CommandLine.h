// The grammar of the sindhikit command line:
//   sindhikit [--store PATH] en WORD...
//   sindhikit [--store PATH] sd [--definitions] WORD...
//   sindhikit [--store PATH] sd [--definitions] --keys KEYS...
//   sindhikit keys --lang sd|ur|fa TEXT...
//   sindhikit inpage [FILE]
//   sindhikit alphabet
//   sindhikit store build SOURCE... -o STORE
//   sindhikit [--store PATH] store check [STORE]
//   sindhikit --version
// Options may stand anywhere; "--" ends them. Several words are joined with one space.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace sindhikit::cli {

enum class Verb { Help, Version, English, Sindhi, Keys, Inpage, StoreBuild, StoreCheck, Alphabet };

struct Invocation {
    Verb verb = Verb::Help;
    std::vector<std::u16string> operands;    // words, sources, files, after the verb
    std::optional<std::u16string> store;     // --store PATH
    std::optional<std::u16string> output;    // -o STORE (store build)
    std::optional<std::u16string> language;  // --lang
    bool keys = false;                       // sd --keys
    bool definitions = false;                // sd --definitions
};

// A command line that does not follow the grammar; the message says what is wrong.
class UsageError : public std::runtime_error {
 public:
    using std::runtime_error::runtime_error;
};

// args excludes the program name. --help (or -h) anywhere, or no arguments, gives Verb::Help;
// --version anywhere (and no --help) gives Verb::Version.
Invocation ParseCommandLine(const std::vector<std::u16string>& args);

// The operands joined with one space.
std::u16string JoinedOperands(const Invocation& invocation);

}  // namespace sindhikit::cli
