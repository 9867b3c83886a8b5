#include "WordNet.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace sindhikit::data {
namespace {

struct PartOfSpeech {
    const char* file;
    const char* name;
};
constexpr PartOfSpeech kPartsOfSpeech[] = {{"noun", "noun"}, {"verb", "verb"}, {"adj", "adjective"}, {"adv", "adverb"}};

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error(file.string() + ": cannot be read");
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

std::string Trimmed(std::string_view s) {
    std::size_t b = s.find_first_not_of(' ');
    if (b == std::string_view::npos) return {};
    std::size_t e = s.find_last_not_of(' ');
    return std::string(s.substr(b, e - b + 1));
}

}  // namespace

std::string LemmaKey(std::string_view word) {
    std::string key(word);
    for (char& c : key) {
        if (c == ' ')
            c = '_';
        else if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return key;
}

WordNet::WordNet(const std::filesystem::path& dictDir) {
    for (int pos = 0; pos < 4; ++pos) {
        data_.push_back(ReadFile(dictDir / (std::string("data.") + kPartsOfSpeech[pos].file)));
        std::istringstream index(ReadFile(dictDir / (std::string("index.") + kPartsOfSpeech[pos].file)));
        // An index line: lemma pos synset_cnt p_cnt [ptr_symbol...] sense_cnt tagsense_cnt offsets...
        // The licence header lines start with spaces.
        for (std::string line; std::getline(index, line);) {
            if (line.empty() || line[0] == ' ') continue;
            std::istringstream fields(line);
            std::string lemma, posLetter, symbol;
            int synsets = 0, pointers = 0, senses = 0, tagged = 0;
            fields >> lemma >> posLetter >> synsets >> pointers;
            for (int i = 0; i < pointers; ++i) fields >> symbol;
            fields >> senses >> tagged;
            auto [it, fresh] = index_.try_emplace(lemma);
            if (fresh) lemmaOrder_.push_back(lemma);
            for (int i = 0; i < synsets; ++i) {
                std::size_t offset = 0;
                if (fields >> offset) it->second.push_back({pos, offset});
            }
        }
    }
}

std::vector<Definition> WordNet::Definitions(std::string_view word) const {
    std::vector<Definition> out;
    auto it = index_.find(LemmaKey(word));
    if (it == index_.end()) return out;
    for (const Sense& sense : it->second) {
        const std::string& data = data_[sense.pos];
        if (sense.offset >= data.size()) continue;
        std::size_t end = data.find('\n', sense.offset);
        std::string_view line(data.data() + sense.offset,
                              (end == std::string::npos ? data.size() : end) - sense.offset);
        std::size_t bar = line.find(" | ");
        if (bar == std::string_view::npos) continue;
        std::string gloss = Trimmed(line.substr(bar + 3));
        if (!gloss.empty()) out.push_back({kPartsOfSpeech[sense.pos].name, gloss});
    }
    return out;
}

std::vector<std::string> WordNet::Lemmas() const {
    std::vector<std::string> out;
    out.reserve(lemmaOrder_.size());
    for (std::string lemma : lemmaOrder_) {
        for (char& c : lemma)
            if (c == '_') c = ' ';
        out.push_back(std::move(lemma));
    }
    return out;
}

}  // namespace sindhikit::data
