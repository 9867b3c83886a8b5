// Reads the source files of the store builder into records (format in StoreBuilder.h).
#pragma once

#include <cstddef>
#include <cstdint>
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

// The bounds of a build's input. The longest line of the WordNet and CLDR sources has about
// 500 bytes, and a source of 150,000 headwords with their definitions about 24 MiB; a store of
// a million headwords stays well inside. A line at the bound still fits the value limit of
// the store connection once enciphered (three digits a character: 192 KiB of 1 MiB).
inline constexpr std::size_t MaxSourceLineBytes = 64 * 1024;                 // a line, without its line end
inline constexpr std::uintmax_t MaxSourceBytes = std::uintmax_t{256} << 20;  // all sources of one build

// Every record of one file, in order. Raises StoreBuildError ("FILE:LINE: what") for a
// file that cannot be read and for any refused record; a source that is not a regular file
// (a folder, a device, a pipe) is refused by name before it is read. bytesLeft is the part of
// MaxSourceBytes the build's earlier sources have left; reading stops with an error at the
// line that goes past it, or at a line longer than MaxSourceLineBytes.
std::vector<SourceRecord> ReadSourceFile(const std::filesystem::path& file, std::uintmax_t& bytesLeft);
// The same for a file read on its own.
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
