// English–Sindhi pairs from CLDR: the same element (by its type/key path) in the English and
// the Sindhi locale data gives an English word and its Sindhi meaning.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace sindhikit::data {

struct Pair {
    std::string english;   // UTF-8 as CLDR has it (folded to ASCII later)
    std::string sindhi;    // UTF-8
    std::string category;  // "languages", "emoji", ... (for the counts)
};

struct CldrCounts {
    std::map<std::string, int> pairsByCategory;  // matched pairs, before any filtering
    int sindhiNotArabic = 0;                     // untranslated (Latin) Sindhi texts left out
};

// Reads common/main/{en,sd}.xml and common/annotations/{en,sd}.xml under cldrRoot.
// Throws std::runtime_error naming the file when one cannot be read or parsed.
std::vector<Pair> ReadCldrPairs(const std::filesystem::path& cldrRoot, CldrCounts& counts);

}  // namespace sindhikit::data
