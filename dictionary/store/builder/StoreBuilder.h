// Builds a word store from source files.
//
// Source format: UTF-8 text, one record per line, fields separated by TAB; blank lines
// and lines starting with '#' are ignored; a trailing CR is tolerated.
//   en<TAB>ENGLISH HEADWORD
//   sd<TAB>ENGLISH WORD<TAB>SINDHI MEANING
//   def<TAB>ENGLISH WORD<TAB>FIRST PART<TAB>SECOND PART
// Every English word of a record becomes a headword of Xlist (one per lookup key, in
// case-insensitive alphabetical order); every Sindhi meaning a headword of YList (in Sindhi
// dictionary order, SindhiCollation.h).
// Each stored query returns its rows in source order (files in the order given).
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace sindhikit::storebuild {

// A refused source or a failed build. For source faults the message starts with
// "FILE:LINE: ".
class StoreBuildError : public std::runtime_error {
 public:
    using std::runtime_error::runtime_error;
};

struct BuildSummary {
    std::int64_t englishHeadwords = 0;   // rows of Xlist
    std::int64_t sindhiHeadwords = 0;    // rows of YList
    std::int64_t meanings = 0;           // sd records (rows behind getXfromPD / getYfromPD)
    std::int64_t definitions = 0;        // def records (rows behind getXstrip)
    std::int64_t duplicatesSkipped = 0;  // records repeating an earlier one exactly
};

// Reads every source, then writes the store to a temporary file beside target and renames
// it over target only when it is complete. On any error target is left as it was and the
// temporary file is removed; errors name target, never the temporary file. Refused before
// anything is read or written: a target that is a folder, a symbolic link, a device, a pipe
// or a socket, or the same file as one of the sources (by identity, whatever the names), and
// a target in a folder that does not exist. Refused by name: a source that is not a regular
// file. Refused at FILE:LINE: a line longer than MaxSourceLineBytes, sources larger than
// MaxSourceBytes together (SourceReader.h), malformed records (unknown type, wrong field
// count, empty fields, fields with leading or trailing spaces, invalid UTF-8), English text
// that would not survive the cipher's round trip, and Sindhi text that reads as a cipher
// text (only digits 0-9), which the program would decipher.
BuildSummary BuildStore(const std::vector<std::filesystem::path>& sources, const std::filesystem::path& target);

}  // namespace sindhikit::storebuild
