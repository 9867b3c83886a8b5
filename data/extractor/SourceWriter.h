// Writes the store builder's source format: one TAB-separated record per line,
//   en  ENGLISH                  an English headword
//   sd  ENGLISH  SINDHI          a Sindhi meaning of an English word
//   def ENGLISH  FIRST  SECOND   an English definition in two parts
// with '#' comment lines for the provenance and the counts.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "WordNet.h"

namespace sindhikit::data {

struct Entry {
    std::string english;              // printable ASCII
    std::vector<std::string> sindhi;  // UTF-8 meanings, in source order, no duplicates
    std::vector<Definition> definitions;
};

// Writes to a temporary file beside `target` and renames it into place, so a failed or
// interrupted run never leaves a half-written source for the store builder.
void WriteSource(const std::filesystem::path& target, const std::vector<std::string>& comments,
                 const std::vector<Entry>& entries);

}  // namespace sindhikit::data
