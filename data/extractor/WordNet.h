// English definitions from WordNet's database files (index.* and data.*): for a lemma, its part
// of speech and gloss in each of its senses, most frequent sense first.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace sindhikit::data {

struct Definition {
    std::string partOfSpeech;  // "noun", "verb", "adjective", "adverb"
    std::string gloss;         // the gloss as WordNet writes it (definition and examples)
};

class WordNet {
 public:
    // Loads the four index and data files of dictDir. Throws std::runtime_error naming a file
    // that cannot be read.
    explicit WordNet(const std::filesystem::path& dictDir);

    // The senses of an English word, matched as WordNet stores lemmas: lower case, '_' for space.
    std::vector<Definition> Definitions(std::string_view word) const;

    // Every lemma WordNet knows, with spaces for '_', in WordNet's order.
    std::vector<std::string> Lemmas() const;

 private:
    struct Sense {
        int pos;  // index into the part-of-speech table
        std::size_t offset;
    };
    std::vector<std::string> data_;                    // data.noun, data.verb, data.adj, data.adv
    std::map<std::string, std::vector<Sense>> index_;  // lemma -> senses, in file order
    std::vector<std::string> lemmaOrder_;
};

// WordNet's lemma form of a word: ASCII lower case, spaces as '_'.
std::string LemmaKey(std::string_view word);

}  // namespace sindhikit::data
