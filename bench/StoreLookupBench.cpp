// store_lookup_bench [STORE] [--samples N] [--repeats R]
//
// Latency of the three lookups exactly as the windows and sindhikit run them (QuerySindhiMeanings,
// QueryDefinitions, QueryEnglishMeanings: the word's lookup form enciphered, the stored query
// called through the data-access layer, every row read by column name and deciphered) against
// the same lookup written straight on SQLite (the same SQL, read from the store, prepared once;
// the same cipher calls; bind, step, read the columns as UTF-16, reset). Same store, same words,
// same rows (checked), both warmed by an untimed pass, timed alternately lookup by lookup.
// STORE defaults to the store the command line would use (the build's default store).
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

#include "DatabaseHandler.h"
#include "EncDec.h"
#include "Genral.h"
#include "Headwords.h"
#include "StoreLocation.h"
#include "StoreLookups.h"
#include "StoredQueries.h"
#include "Utf8.h"

using namespace sindhikit;
using Clock = std::chrono::steady_clock;

namespace {

// Every count-th headword of a list, at most count of them, spread over the whole list.
std::vector<std::u16string> Sample(const dataaccess::Connection& connection, HeadwordList list, std::size_t count) {
    const std::vector<std::u16string> all = LoadHeadwords(connection, list);
    std::vector<std::u16string> picked;
    const std::size_t n = std::min(count, all.size());
    for (std::size_t i = 0; i < n; ++i) picked.push_back(all[i * all.size() / n]);
    return picked;
}

// The lookup written straight on SQLite: the statement prepared once, the parameter the lookup
// sends, each row's columns deciphered as the lookup does; Null rows skipped.
class DirectLookup {
 public:
    DirectLookup(sqlite3* db, const StoredQuery& query) : query_(query) {
        sqlite3_stmt* read = nullptr;
        sqlite3_prepare_v2(db, "SELECT SQL FROM StoredQueries WHERE Name = ?1", -1, &read, nullptr);
        const std::string name = Utf16ToUtf8(query.name);
        sqlite3_bind_text(read, 1, name.c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_step(read) != SQLITE_ROW) throw std::runtime_error("no stored query " + name);
        const std::string sql = reinterpret_cast<const char*>(sqlite3_column_text(read, 0));
        sqlite3_finalize(read);
        if (sqlite3_prepare_v3(db, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db));
        parameter_ = sqlite3_bind_parameter_index(stmt_, Utf16ToUtf8(query.parameter).c_str());
        for (std::u16string_view column : query.columns)
            for (int c = 0; c < sqlite3_column_count(stmt_); ++c)
                if (sqlite3_stricmp(sqlite3_column_name(stmt_, c), Utf16ToUtf8(column).c_str()) == 0)
                    columns_.push_back(c);
    }
    ~DirectLookup() { sqlite3_finalize(stmt_); }
    DirectLookup(const DirectLookup&) = delete;
    DirectLookup& operator=(const DirectLookup&) = delete;

    // The deciphered texts of every row, all columns in a row, as the layer's lookup returns them.
    std::vector<std::u16string> Run(std::u16string_view word) {
        const std::u16string value =
            &query_ == &schema::getYfromPD ? TrimSpaces(word) : EncryptText(CapitalizeFirst(word), CipherKey);
        sqlite3_bind_text16(stmt_, parameter_, value.data(), static_cast<int>(value.size() * 2), SQLITE_TRANSIENT);
        std::vector<std::u16string> texts;
        while (sqlite3_step(stmt_) == SQLITE_ROW) {
            for (int c : columns_) {
                const auto* text = static_cast<const char16_t*>(sqlite3_column_text16(stmt_, c));
                if (!text) continue;
                texts.push_back(DecryptText(
                    std::u16string_view(text, static_cast<std::size_t>(sqlite3_column_bytes16(stmt_, c)) / 2),
                    CipherKey));
            }
        }
        sqlite3_reset(stmt_);
        return texts;
    }

 private:
    const StoredQuery& query_;
    sqlite3_stmt* stmt_ = nullptr;
    int parameter_ = 0;
    std::vector<int> columns_;
};

// The lookup as the program runs it, its rows flattened like DirectLookup::Run's.
std::vector<std::u16string> ThroughLookup(const StoredQuery& query, const dataaccess::Connection& connection,
                                          std::u16string_view word) {
    if (&query == &schema::getXfromPD) return QuerySindhiMeanings(connection, word);
    if (&query == &schema::getYfromPD) return QueryEnglishMeanings(connection, word);
    std::vector<std::u16string> texts;
    for (Definition& d : QueryDefinitions(connection, word)) {
        texts.push_back(std::move(d.partOfSpeech));
        texts.push_back(std::move(d.gloss));
    }
    return texts;
}

double Percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    const std::size_t i = std::min(v.size() - 1, static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5));
    return v[i];
}

std::filesystem::path DefaultStore(const char* argv0) {
    std::error_code ec;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) self = std::filesystem::absolute(argv0, ec);
    StoreSearch search;
    search.executableDir = self.parent_path();
    if (const char* variable = std::getenv(std::string(StoreVariableName).c_str()); variable && *variable)
        search.storeVariable = Utf8ToUtf16(variable);
    return ResolveStorePath(search);
}

}  // namespace

int main(int argc, char** argv) {
    std::filesystem::path store;
    std::size_t samples = 2000, repeats = 5;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--samples" || arg == "--repeats") && i + 1 < argc)
            (arg == "--samples" ? samples : repeats) = std::strtoul(argv[++i], nullptr, 10);
        else if (arg.rfind("--", 0) != 0 && store.empty())
            store = arg;
        else {
            std::fprintf(stderr, "usage: store_lookup_bench [STORE] [--samples N] [--repeats R]\n");
            return 2;
        }
    }
    if (store.empty()) store = DefaultStore(argv[0]);
    try {
        SetCipherKey();
        ConnectStoreAt(store.u16string());
        const auto english = Sample(StoreConnection, HeadwordList::English, samples);
        const auto sindhi = Sample(StoreConnection, HeadwordList::Sindhi, samples);

        sqlite3* db = nullptr;
        if (sqlite3_open_v2(store.string().c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "store_lookup_bench: cannot open %s\n", store.string().c_str());
            return 2;
        }
        // The settings the layer's connection uses, so the comparison measures the layer alone.
        sqlite3_exec(db, "PRAGMA query_only = 1; PRAGMA locking_mode = EXCLUSIVE", nullptr, nullptr, nullptr);
        std::printf("store %s: %zu English words, %zu Sindhi words sampled, %zu repeats\n", store.string().c_str(),
                    english.size(), sindhi.size(), repeats);
        std::printf("%-11s %9s %9s %6s %9s %9s %6s %6s\n", "lookup", "ours p50", "sqlite p50", "ratio", "ours p99",
                    "sqlite p99", "ratio", "hits");
        bool allWithin = true;
        for (const StoredQuery* query : schema::AllStoredQueries) {
            const auto& words = query == &schema::getYfromPD ? sindhi : english;
            DirectLookup direct(db, *query);
            std::size_t hits = 0;
            for (const auto& word : words) {  // warm-up, and both paths must give the same rows
                const auto ours = ThroughLookup(*query, StoreConnection, word);
                if (ours != direct.Run(word))
                    throw std::runtime_error("the two paths disagree on " + Utf16ToUtf8(query->name) + " of " +
                                             Utf16ToUtf8(word));
                hits += !ours.empty();
            }
            std::vector<double> layer, straight;
            for (std::size_t r = 0; r < repeats; ++r) {
                for (const auto& word : words) {
                    const auto t0 = Clock::now();
                    ThroughLookup(*query, StoreConnection, word);
                    const auto t1 = Clock::now();
                    direct.Run(word);
                    const auto t2 = Clock::now();
                    layer.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
                    straight.push_back(std::chrono::duration<double, std::micro>(t2 - t1).count());
                }
            }
            if (layer.empty()) continue;
            const double l50 = Percentile(layer, 0.50), d50 = Percentile(straight, 0.50);
            const double l99 = Percentile(layer, 0.99), d99 = Percentile(straight, 0.99);
            allWithin = allWithin && l50 <= 1.5 * d50 && l99 <= 1.5 * d99;
            std::printf("%-11s %7.2fus %8.2fus %5.2fx %7.2fus %8.2fus %5.2fx %5.0f%%\n",
                        Utf16ToUtf8(query->name).c_str(), l50, d50, l50 / d50, l99, d99, l99 / d99,
                        100.0 * static_cast<double>(hits) / static_cast<double>(words.size()));
        }
        sqlite3_close(db);
        std::printf("goal (our lookups within 1.5x of the same lookup on SQLite, p50 and p99): %s\n",
                    allWithin ? "met" : "NOT met");
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "store_lookup_bench: %s\n", e.what());
        return 2;
    }
}
