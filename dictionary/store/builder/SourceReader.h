// Reads the source files of the store builder into records (format in StoreBuilder.h).
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace sindhikit::storebuild {

struct SourceRecord {
    enum class Kind { EnglishHeadword, SindhiMeaning, Definition };
    Kind kind = Kind::EnglishHeadword;
    std::u16string word;    // the English word
    std::u16string first;   // the Sindhi meaning, or the definition's first part
    std::u16string second;  // the definition's second part
    std::string where;      // "FILE:LINE", for messages
};

// Every record of one file, in order. Raises StoreBuildError ("FILE:LINE: what") for a
// file that cannot be read and for any refused record.
std::vector<SourceRecord> ReadSourceFile(const std::filesystem::path& file);

// What a field holds, which decides what it must satisfy.
enum class FieldKind {
    EnglishWord,  // a lookup key: enciphered, no surrounding spaces
    SindhiWord,   // a Sindhi headword: plain, no surrounding spaces, not all digits
    EnglishText,  // a definition part: enciphered, shown as stored (spaces kept)
};

// The check of one field. Empty when the field is acceptable, otherwise why it is refused.
std::string RefusalOf(const std::u16string& field, FieldKind kind);

}  // namespace sindhikit::storebuild
