// sindhikit_extract: makes the store builder's source for the default word store from
// Debian's CLDR and WordNet data.
//   sindhikit_extract --cldr DIR --wordnet DIR [--all-wordnet] -o SOURCE
// --all-wordnet makes every WordNet lemma an English headword (the large benchmark store).
#include <algorithm>
#include <exception>
#include <iostream>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "AsciiFold.h"
#include "CldrPairs.h"
#include "Genral.h"
#include "SourceWriter.h"
#include "Utf8.h"
#include "WordNet.h"

namespace sd = sindhikit::data;

namespace {

struct Options {
    std::string cldr, wordnet, output;
    bool allWordNet = false;
};

int Usage() {
    std::cerr << "usage: sindhikit_extract --cldr DIR --wordnet DIR [--all-wordnet] -o SOURCE\n";
    return 2;
}

// The store looks English words up by their lookup form (CapitalizeFirst), so "euro" and "Euro"
// are one headword there; they are merged here under the first spelling seen.
std::string StoreKey(const std::string& s) {
    return sindhikit::Utf16ToUtf8(sindhikit::CapitalizeFirst(sindhikit::Utf8ToUtf16(s).value_or(u"")));
}

std::string LowerAscii(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

// Sindhi texts keep their letters; only the field separators of the source format go.
std::string CleanSindhi(std::string s) {
    for (char& c : s)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    std::size_t b = s.find_first_not_of(' '), e = s.find_last_not_of(' ');
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        std::string_view a = argv[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= argc) return false;
            into = argv[++i];
            return true;
        };
        if (a == "--cldr") {
            if (!value(o.cldr)) return Usage();
        } else if (a == "--wordnet") {
            if (!value(o.wordnet)) return Usage();
        } else if (a == "-o") {
            if (!value(o.output)) return Usage();
        } else if (a == "--all-wordnet")
            o.allWordNet = true;
        else
            return Usage();
    }
    if (o.cldr.empty() || o.wordnet.empty() || o.output.empty()) return Usage();

    try {
        sd::CldrCounts cldr;
        std::vector<sd::Pair> pairs = sd::ReadCldrPairs(o.cldr, cldr);
        sd::WordNet wordnet(o.wordnet);

        std::map<std::string, sd::Entry> byKey;  // StoreKey -> entry
        int folded = 0, unfoldable = 0, written = 0;
        std::set<std::string> sindhiHeadwords;
        for (const sd::Pair& p : pairs) {
            sd::Folded english = sd::FoldToAscii(p.english);
            if (english.result == sd::FoldResult::Impossible) {
                ++unfoldable;
                continue;
            }
            if (english.result == sd::FoldResult::Folded) ++folded;
            std::string sindhi = CleanSindhi(p.sindhi);
            if (sindhi.empty()) continue;
            sd::Entry& e = byKey[StoreKey(english.text)];
            if (e.english.empty()) e.english = english.text;
            if (std::find(e.sindhi.begin(), e.sindhi.end(), sindhi) != e.sindhi.end()) continue;
            e.sindhi.push_back(sindhi);
            sindhiHeadwords.insert(sindhi);
            ++written;
        }
        if (o.allWordNet) {
            for (const std::string& lemma : wordnet.Lemmas()) {
                sd::Entry& e = byKey[StoreKey(lemma)];
                if (e.english.empty()) e.english = lemma;
            }
        }

        std::vector<sd::Entry> entries;
        int definitions = 0, withDefinitions = 0, glossesLeftOut = 0;
        for (auto& [key, e] : byKey) {
            for (sd::Definition& d : wordnet.Definitions(e.english)) {
                sd::Folded gloss = sd::FoldToAscii(d.gloss);
                if (gloss.result == sd::FoldResult::Impossible) {
                    ++glossesLeftOut;
                    continue;
                }
                e.definitions.push_back({d.partOfSpeech, gloss.text});
            }
            definitions += static_cast<int>(e.definitions.size());
            if (!e.definitions.empty()) ++withDefinitions;
            entries.push_back(std::move(e));
        }
        std::stable_sort(entries.begin(), entries.end(), [](const sd::Entry& a, const sd::Entry& b) {
            return LowerAscii(a.english) < LowerAscii(b.english);
        });

        std::vector<std::string> comments = {
            "Made by sindhikit_extract from Unicode CLDR (" + o.cldr + ") and WordNet 3.0 (" + o.wordnet +
                "); do not edit.",
        };
        for (const auto& [category, n] : cldr.pairsByCategory)
            comments.push_back("CLDR " + category + ": " + std::to_string(n) + " pairs matched");
        comments.push_back("Sindhi texts without Arabic script left out: " + std::to_string(cldr.sindhiNotArabic));
        comments.push_back("English texts folded to ASCII: " + std::to_string(folded) +
                           "; left out (no ASCII form): " + std::to_string(unfoldable));
        comments.push_back(
            "pairs: " + std::to_string(written) + "; English headwords: " + std::to_string(entries.size()) +
            "; Sindhi headwords: " + std::to_string(sindhiHeadwords.size()) +
            "; definitions: " + std::to_string(definitions) + " (for " + std::to_string(withDefinitions) +
            " headwords); glosses left out: " + std::to_string(glossesLeftOut));
        sd::WriteSource(o.output, comments, entries);
        for (std::size_t i = 1; i < comments.size(); ++i) std::cout << "extract: " << comments[i] << '\n';
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "sindhikit_extract: " << e.what() << '\n';
        return 2;
    }
}
