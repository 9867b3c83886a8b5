#include "CommandLine.h"

#include "Utf8.h"

namespace sindhikit::cli {
namespace {

// Which options each verb accepts, so a misplaced option is refused rather than ignored.
struct Accepts {
    bool store, output, language, keys, definitions;
};

Accepts AcceptedBy(Verb verb) {
    switch (verb) {
        case Verb::English:
            return {true, false, false, false, false};
        case Verb::Sindhi:
            return {true, false, false, true, true};
        case Verb::Keys:
            return {false, false, true, false, false};
        case Verb::Inpage:
        case Verb::Alphabet:
            return {false, false, false, false, false};
        case Verb::StoreBuild:
            return {true, true, false, false, false};
        case Verb::StoreCheck:
            return {true, false, false, false, false};
        case Verb::Help:
        case Verb::Version:
            break;
    }
    return {true, true, true, true, true};
}

std::string Narrow(const std::u16string& s) {
    return Utf16ToUtf8(s);
}

}  // namespace

Invocation ParseCommandLine(const std::vector<std::u16string>& args) {
    Invocation inv;
    std::vector<std::u16string> words;
    bool optionsEnded = false;
    bool version = false;  // --help still wins when it comes later
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::u16string& a = args[i];
        auto value = [&](std::optional<std::u16string>& into) {
            if (i + 1 >= args.size()) throw UsageError(Narrow(a) + " needs a value");
            if (into) throw UsageError(Narrow(a) + " given twice");
            into = args[++i];
        };
        // A file name, which may not be empty (an empty one would reach the store's layer as
        // an empty Data Source, words the user never wrote).
        auto file = [&](std::optional<std::u16string>& into) {
            value(into);
            if (into->empty()) throw UsageError(Narrow(a) + " needs a file name, not an empty one");
        };
        if (optionsEnded || a.empty() || a[0] != u'-' || a == u"-") {
            words.push_back(a);
        } else if (a == u"--") {
            optionsEnded = true;
        } else if (a == u"--help" || a == u"-h") {
            return Invocation{};
        } else if (a == u"--version") {
            version = true;
        } else if (a == u"--store") {
            file(inv.store);
        } else if (a == u"-o" || a == u"--output") {
            file(inv.output);
        } else if (a == u"--lang") {
            value(inv.language);
        } else if (a == u"--keys") {
            inv.keys = true;
        } else if (a == u"--definitions") {
            inv.definitions = true;
        } else {
            throw UsageError("unknown option " + Narrow(a));
        }
    }
    if (version) {
        inv.verb = Verb::Version;
        return inv;
    }
    if (words.empty()) {
        if (inv.store || inv.output || inv.language || inv.keys || inv.definitions)
            throw UsageError("no command given");
        return inv;
    }

    const std::u16string& verb = words[0];
    std::size_t first = 1;
    if (verb == u"en")
        inv.verb = Verb::English;
    else if (verb == u"sd")
        inv.verb = Verb::Sindhi;
    else if (verb == u"keys")
        inv.verb = Verb::Keys;
    else if (verb == u"inpage")
        inv.verb = Verb::Inpage;
    else if (verb == u"alphabet")
        inv.verb = Verb::Alphabet;
    else if (verb == u"store") {
        if (words.size() < 2) throw UsageError("store needs build or check");
        if (words[1] == u"build")
            inv.verb = Verb::StoreBuild;
        else if (words[1] == u"check")
            inv.verb = Verb::StoreCheck;
        else
            throw UsageError("unknown store command " + Narrow(words[1]));
        first = 2;
    } else {
        throw UsageError("unknown command " + Narrow(verb));
    }
    inv.operands.assign(words.begin() + static_cast<std::ptrdiff_t>(first), words.end());

    Accepts accepts = AcceptedBy(inv.verb);
    if ((inv.store && !accepts.store) || (inv.output && !accepts.output) || (inv.language && !accepts.language) ||
        (inv.keys && !accepts.keys) || (inv.definitions && !accepts.definitions))
        throw UsageError("an option does not apply to " + Narrow(verb) + " (see --help)");

    switch (inv.verb) {
        case Verb::English:
        case Verb::Sindhi:
            if (inv.operands.empty()) throw UsageError(Narrow(verb) + " needs a word");
            break;
        case Verb::Keys:
            if (!inv.language) throw UsageError("keys needs --lang sd, ur or fa");
            if (*inv.language != u"sd" && *inv.language != u"ur" && *inv.language != u"fa")
                throw UsageError("--lang must be sd, ur or fa, not " + Narrow(*inv.language));
            if (inv.operands.empty()) throw UsageError("keys needs a text");
            break;
        case Verb::Inpage:
            if (inv.operands.size() > 1) throw UsageError("inpage takes at most one file");
            break;
        case Verb::Alphabet:
            if (!inv.operands.empty()) throw UsageError("alphabet takes no operands");
            break;
        case Verb::StoreBuild:
            if (inv.operands.empty()) throw UsageError("store build needs at least one source file");
            for (const auto& source : inv.operands)
                if (source.empty()) throw UsageError("store build: a source needs a file name, not an empty one");
            if (!inv.output) throw UsageError("store build needs -o STORE");
            break;
        case Verb::StoreCheck:
            if (inv.operands.size() > 1) throw UsageError("store check takes at most one store");
            if (inv.operands.size() == 1 && inv.operands.front().empty())
                throw UsageError("store check needs a file name, not an empty one");
            if (inv.operands.size() == 1 && inv.store)
                throw UsageError("store check: give the store either as operand or with --store");
            break;
        case Verb::Help:
        case Verb::Version:
            break;
    }
    return inv;
}

std::u16string JoinedOperands(const Invocation& invocation) {
    std::u16string out;
    for (const std::u16string& w : invocation.operands) {
        if (!out.empty()) out += u' ';
        out += w;
    }
    return out;
}

}  // namespace sindhikit::cli
