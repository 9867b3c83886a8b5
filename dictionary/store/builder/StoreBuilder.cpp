#include "builder/StoreBuilder.h"

#include <sqlite3.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <map>
#include <random>
#include <set>
#include <system_error>
#include <tuple>

#include "EncDec.h"
#include "Genral.h"
#include "StoreSchema.h"
#include "StoredQueries.h"
#include "Utf8.h"
#include "access/Command.h"
#include "alphabet/SindhiCollation.h"
#include "builder/SourceReader.h"

namespace sindhikit::storebuild {

namespace {

struct Headword {
    std::u16string form;  // as written, from the first en record naming it, else the first record
    bool fromEnglishRecord = false;
};

struct Pair {
    std::u16string key, word, meaning;
};

struct Definition {
    std::u16string key, first, second;
};

// Everything the store will hold, gathered from the sources before anything is written.
struct Content {
    std::map<std::u16string, Headword> headwords;  // by lookup key (cipher text)
    std::vector<Pair> pairs;
    std::vector<Definition> definitions;
    std::int64_t duplicates = 0;
};

std::u16string LookupKey(const std::u16string& word) {
    return EncryptText(CapitalizeFirst(word), CipherKeyPhrase);
}

Content Gather(const std::vector<std::filesystem::path>& sources) {
    Content content;
    std::set<std::tuple<std::u16string, std::u16string>> seenPairs;
    std::set<std::tuple<std::u16string, std::u16string, std::u16string>> seenDefinitions;
    std::uintmax_t bytesLeft = MaxSourceBytes;
    for (const auto& source : sources) {
        for (auto& record : ReadSourceFile(source, bytesLeft)) {
            const std::u16string key = LookupKey(record.word);
            const bool english = record.kind == SourceRecord::Kind::EnglishHeadword;
            auto [entry, added] = content.headwords.try_emplace(key, Headword{record.word, english});
            if (!added && english && !entry->second.fromEnglishRecord) entry->second = Headword{record.word, true};
            if (record.kind == SourceRecord::Kind::SindhiMeaning) {
                if (!seenPairs.emplace(key, record.first).second) {
                    ++content.duplicates;
                    continue;
                }
                content.pairs.push_back({key, record.word, record.first});
            } else if (record.kind == SourceRecord::Kind::Definition) {
                if (!seenDefinitions.emplace(key, record.first, record.second).second) {
                    ++content.duplicates;
                    continue;
                }
                content.definitions.push_back({key, record.first, record.second});
            }
        }
    }
    return content;
}

// Case-insensitive alphabetical order, ties broken by the exact code units.
bool HeadwordBefore(const std::u16string& a, const std::u16string& b) {
    const auto n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const char16_t fa = UpperCaseUnit(a[i]), fb = UpperCaseUnit(b[i]);
        if (fa != fb) return fa < fb;
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

// Writes the store into file; its errors name the store asked for, not the temporary file.
class Writer {
 public:
    Writer(const std::filesystem::path& file, const std::filesystem::path& target) : target_(target) {
        const std::string path = Utf16ToUtf8(file.u16string());
        if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
            Fail("cannot create");
    }
    ~Writer() {
        for (auto* stmt : statements_) sqlite3_finalize(stmt);
        if (db_) sqlite3_close_v2(db_);
    }
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    void Exec(const std::string& sql) {
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) Fail(sql);
    }

    sqlite3_stmt* Prepare(const std::string& sql) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) Fail(sql);
        statements_.push_back(stmt);
        return stmt;
    }

    void Bind(sqlite3_stmt* stmt, int index, std::u16string_view text) {
        if (sqlite3_bind_text16(stmt, index, text.data(), static_cast<int>(text.size() * sizeof(char16_t)),
                                SQLITE_TRANSIENT) != SQLITE_OK)
            Fail("binding");
    }
    void Bind(sqlite3_stmt* stmt, int index, std::int64_t value) {
        if (sqlite3_bind_int64(stmt, index, value) != SQLITE_OK) Fail("binding");
    }

    void Run(sqlite3_stmt* stmt) {
        if (sqlite3_step(stmt) != SQLITE_DONE) Fail("writing a row");
        sqlite3_reset(stmt);
    }

    void Close() {
        for (auto* stmt : statements_) sqlite3_finalize(stmt);
        statements_.clear();
        if (sqlite3_close(db_) != SQLITE_OK) Fail("closing");
        db_ = nullptr;
    }

 private:
    [[noreturn]] void Fail(const std::string& what) {
        throw StoreBuildError(target_.string() + ": " + what + ": " + (db_ ? sqlite3_errmsg(db_) : "out of memory"));
    }

    std::filesystem::path target_;
    sqlite3* db_ = nullptr;
    std::vector<sqlite3_stmt*> statements_;
};

std::string Utf8(std::u16string_view text) {
    return Utf16ToUtf8(text);
}

BuildSummary Write(const Content& content, const std::filesystem::path& file, const std::filesystem::path& target) {
    BuildSummary summary;
    Writer w(file, target);
    // Nothing here needs a journal: a failed build is thrown away whole.
    w.Exec("PRAGMA journal_mode = OFF; PRAGMA synchronous = FULL;");
    w.Exec("PRAGMA application_id = " + std::to_string(schema::ApplicationId) +
           "; PRAGMA user_version = " + std::to_string(schema::FormatVersion) + ";");
    w.Exec("BEGIN");
    w.Exec("CREATE TABLE " + Utf8(schema::EnglishHeadwordsTable) +
           " (ID INTEGER PRIMARY KEY, x TEXT NOT NULL);"
           "CREATE TABLE " +
           Utf8(schema::SindhiHeadwordsTable) +
           " (ID INTEGER PRIMARY KEY, Y TEXT NOT NULL);"
           "CREATE TABLE " +
           Utf8(schema::PairsTable) +
           " (Seq INTEGER PRIMARY KEY, xKey TEXT NOT NULL, X TEXT NOT NULL, Y TEXT NOT NULL);"
           "CREATE TABLE " +
           Utf8(schema::DefinitionsTable) +
           " (Seq INTEGER PRIMARY KEY, xKey TEXT NOT NULL, y TEXT NOT NULL, z TEXT NOT NULL);"
           "CREATE TABLE " +
           Utf8(dataaccess::StoredQueriesTable) +
           " (Name TEXT PRIMARY KEY COLLATE NOCASE, SQL TEXT NOT NULL);"
           "CREATE TABLE " +
           Utf8(schema::StoreInfoTable) + " (Name TEXT PRIMARY KEY, Value TEXT NOT NULL);");

    std::vector<const std::u16string*> english;
    for (const auto& [key, headword] : content.headwords) english.push_back(&headword.form);
    std::sort(english.begin(), english.end(),
              [](const std::u16string* a, const std::u16string* b) { return HeadwordBefore(*a, *b); });
    auto* insertX = w.Prepare("INSERT INTO " + Utf8(schema::EnglishHeadwordsTable) + " (ID, x) VALUES (?1, ?2)");
    for (std::size_t i = 0; i < english.size(); ++i) {
        w.Bind(insertX, 1, static_cast<std::int64_t>(i + 1));
        w.Bind(insertX, 2, EncryptText(*english[i], CipherKeyPhrase));
        w.Run(insertX);
    }
    summary.englishHeadwords = static_cast<std::int64_t>(english.size());

    // Distinct, in Sindhi dictionary order: the program lists YList as the engine returns it.
    const std::set<std::u16string> distinct = [&] {
        std::set<std::u16string> words;
        for (const auto& pair : content.pairs) words.insert(pair.meaning);
        return words;
    }();
    std::vector<std::u16string> sindhi(distinct.begin(), distinct.end());
    SortSindhi(sindhi);
    auto* insertY = w.Prepare("INSERT INTO " + Utf8(schema::SindhiHeadwordsTable) + " (ID, Y) VALUES (?1, ?2)");
    std::int64_t id = 0;
    for (const auto& word : sindhi) {
        w.Bind(insertY, 1, ++id);
        w.Bind(insertY, 2, word);
        w.Run(insertY);
    }
    summary.sindhiHeadwords = id;

    auto* insertPair = w.Prepare("INSERT INTO " + Utf8(schema::PairsTable) + " (xKey, X, Y) VALUES (?1, ?2, ?3)");
    for (const auto& pair : content.pairs) {
        w.Bind(insertPair, 1, pair.key);
        w.Bind(insertPair, 2, EncryptText(pair.word, CipherKeyPhrase));
        w.Bind(insertPair, 3, pair.meaning);
        w.Run(insertPair);
    }
    summary.meanings = static_cast<std::int64_t>(content.pairs.size());

    auto* insertDefinition =
        w.Prepare("INSERT INTO " + Utf8(schema::DefinitionsTable) + " (xKey, y, z) VALUES (?1, ?2, ?3)");
    for (const auto& definition : content.definitions) {
        w.Bind(insertDefinition, 1, definition.key);
        w.Bind(insertDefinition, 2, EncryptText(definition.first, CipherKeyPhrase));
        w.Bind(insertDefinition, 3, EncryptText(definition.second, CipherKeyPhrase));
        w.Run(insertDefinition);
    }
    summary.definitions = static_cast<std::int64_t>(content.definitions.size());
    summary.duplicatesSkipped = content.duplicates;

    // The lookups go through the enciphered keys and the plain Sindhi word.
    w.Exec("CREATE INDEX PairsByKey ON " + Utf8(schema::PairsTable) +
           " (xKey);"
           "CREATE INDEX PairsBySindhi ON " +
           Utf8(schema::PairsTable) +
           " (Y);"
           "CREATE INDEX DefinitionsByKey ON " +
           Utf8(schema::DefinitionsTable) + " (xKey);");

    auto* insertQuery =
        w.Prepare("INSERT INTO " + Utf8(dataaccess::StoredQueriesTable) + " (Name, SQL) VALUES (?1, ?2)");
    for (const StoredQuery* query : schema::AllStoredQueries) {
        w.Bind(insertQuery, 1, query->name);
        w.Bind(insertQuery, 2, query->sql);
        w.Run(insertQuery);
    }

    auto* insertInfo = w.Prepare("INSERT INTO " + Utf8(schema::StoreInfoTable) + " (Name, Value) VALUES (?1, ?2)");
    const std::pair<std::u16string_view, std::string> info[] = {
        {u"Format", Utf8(schema::FormatName)},
        {u"Version", std::to_string(schema::FormatVersion)},
        {u"EnglishHeadwords", std::to_string(summary.englishHeadwords)},
        {u"SindhiHeadwords", std::to_string(summary.sindhiHeadwords)},
        {u"Meanings", std::to_string(summary.meanings)},
        {u"Definitions", std::to_string(summary.definitions)},
    };
    for (const auto& [name, value] : info) {
        w.Bind(insertInfo, 1, name);
        w.Bind(insertInfo, 2, *Utf8ToUtf16(value));
        w.Run(insertInfo);
    }
    w.Exec("COMMIT");
    w.Exec("ANALYZE");
    w.Close();
    return summary;
}

// A new file name beside target. It is short whatever target's name is, so any name the
// folder accepts for the store works.
std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    const auto folder = target.parent_path();
    for (;;) {
        const auto stamp = static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
        char name[48];
        std::snprintf(name, sizeof name, "sindhikit-%08x%08x.tmp", seed ^ stamp, counter++);
        const auto candidate = folder / name;
        std::error_code ec;
        if (!std::filesystem::exists(std::filesystem::symlink_status(candidate, ec))) return candidate;
    }
}

// The store may go only where nothing is lost: to a new name, or over a regular file that is
// not one of the sources. A device, a pipe or a symbolic link is never replaced by a file.
void CheckTarget(const std::filesystem::path& target, const std::vector<std::filesystem::path>& sources) {
    const std::string name = target.string();
    std::error_code ec;
    const auto folder = target.parent_path().empty() ? std::filesystem::path(".") : target.parent_path();
    if (!std::filesystem::is_directory(folder, ec))
        throw StoreBuildError(name + ": the folder " + folder.string() + " does not exist");
    const auto status = std::filesystem::symlink_status(target, ec);
    if (!std::filesystem::exists(status)) return;
    const std::string only = "; a store is written only over a regular file or to a new name";
    if (std::filesystem::is_directory(status)) throw StoreBuildError(name + ": is a folder" + only);
    if (std::filesystem::is_symlink(status)) throw StoreBuildError(name + ": is a symbolic link" + only);
    if (!std::filesystem::is_regular_file(status))
        throw StoreBuildError(name + ": is not a regular file (a device, pipe or socket)" + only);
    for (const auto& source : sources)
        if (std::filesystem::equivalent(source, target, ec))
            throw StoreBuildError(name + ": is the source file " + source.string() + "; the store would replace it");
}

}  // namespace

BuildSummary BuildStore(const std::vector<std::filesystem::path>& sources, const std::filesystem::path& target) {
    if (sources.empty()) throw StoreBuildError("no source files given");
    if (target.empty()) throw StoreBuildError("no store file given");
    CheckTarget(target, sources);
    const Content content = Gather(sources);  // every refusal happens before any file is made

    std::error_code ec;
    const auto temporary = TemporaryBeside(target);
    try {
        const BuildSummary summary = Write(content, temporary, target);
        std::filesystem::rename(temporary, target);
        return summary;
    } catch (const std::filesystem::filesystem_error& e) {
        std::filesystem::remove(temporary, ec);
        throw StoreBuildError(target.string() + ": cannot put the new store in place: " + e.code().message());
    } catch (...) {
        std::filesystem::remove(temporary, ec);
        throw;
    }
}

}  // namespace sindhikit::storebuild
