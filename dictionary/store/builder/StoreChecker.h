// Checks a word store the way the program will use it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace sindhikit::storebuild {

// A store that fails a check. The message names the full path of the store and what is
// wrong (a missing table or stored query names itself).
class StoreCheckError : public std::runtime_error {
 public:
    using std::runtime_error::runtime_error;
};

struct StoreReport {
    std::filesystem::path fullPath;  // absolute path of the store checked
    std::int32_t formatVersion = 0;
    std::int64_t englishHeadwords = 0;
    std::int64_t sindhiHeadwords = 0;
    std::int64_t meanings = 0;     // rows returned by getYfromPD over every Sindhi headword
    std::int64_t definitions = 0;  // rows returned by getXstrip over every English headword
};

// Opens the store read-only through the data-access layer and checks: the file is a whole
// SQLite database (integrity check); the format marker (the header's application id and
// StoreInfo's Format) and version; the tables Xlist (ID, x) and YList (Y); the three stored
// queries are present, preparable and return their columns; every English text (headwords,
// meanings, definitions) is cipher text that round-trips; no Sindhi text reads as cipher
// text; the counts agree with those the builder recorded. It reads the headwords and runs
// the stored queries through the program's own code (HeadwordRows, RunStoredQuery), setting
// CipherKey first as start-up does. Raises StoreCheckError on the first failure; never writes.
StoreReport CheckStore(const std::filesystem::path& store);

// The report as lines of UTF-8 text, for the command line.
std::string DescribeReport(const StoreReport& report);

}  // namespace sindhikit::storebuild
