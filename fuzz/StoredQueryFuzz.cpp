// Lookups on word stores whose stored queries hold fuzzed SQL. The input is the SQL text of
// getXfromPD, getXstrip and getYfromPD (three parts separated by NUL bytes; fewer parts are
// used again in turn), written into a copy of a small store built by the builder. Then the
// three lookups run on the guarded connection, and the store checker runs on the store.
// Whatever the SQL, each either answers or raises the data-access error, within its time
// budget, without writing to the store or making any file beside it.
#include <sqlite3.h>

#include <chrono>
#include <cstdlib>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "DatabaseHandler.h"
#include "EncDec.h"
#include "StoreLookups.h"
#include "access/DataError.h"
#include "access/StoreLimits.h"
#include "builder/StoreBuilder.h"
#include "builder/StoreChecker.h"

namespace {

namespace fs = std::filesystem;
using namespace sindhikit;

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A folder of this process's own with the store every input starts from.
struct Workspace {
    fs::path folder, store;
    std::string base;  // the builder's store, as bytes

    Workspace() {
        folder =
            fs::temp_directory_path() / ("sindhikit-stored-query-fuzz-" +
                                         std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::create_directories(folder);
        std::ofstream(folder / "source.tsv", std::ios::binary) << "en\tApple\n"
                                                                  "sd\tapple\t\xD8\xB5\xD9\x88\xD9\x81\n"
                                                                  "sd\tApple\t\xD8\xB3\xDB\x8C\xD8\xA8\n"
                                                                  "def\tapple\tnoun\tfruit with red or green skin\n"
                                                                  "sd\tbanana\t\xDA\xAA\xDB\x8C\xD9\x84\xD9\x88\n"
                                                                  "def\tbanana\tnoun\telongated fruit\n";
        storebuild::BuildStore({folder / "source.tsv"}, folder / "base.dll");
        base = ReadAll(folder / "base.dll");
        fs::remove(folder / "source.tsv");
        fs::remove(folder / "base.dll");
        store = folder / "store.dll";
        CipherKey = std::u16string(CipherKeyPhrase);
    }
    ~Workspace() {
        std::error_code ec;
        fs::remove_all(folder, ec);
    }
};

// The store with the given SQL for the three stored queries, made with a plain connection.
bool WriteStore(const Workspace& w, const std::vector<std::string>& sql) {
    std::ofstream(w.store, std::ios::binary | std::ios::trunc) << w.base;
    sqlite3* db = nullptr;
    sqlite3_stmt* update = nullptr;
    bool ok =
        sqlite3_open(w.store.string().c_str(), &db) == SQLITE_OK &&
        // No journal and no syncing: the file is made again for every input.
        sqlite3_exec(db, "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF", nullptr, nullptr, nullptr) ==
            SQLITE_OK &&
        sqlite3_prepare_v2(db, "UPDATE StoredQueries SET SQL = ?1 WHERE Name = ?2", -1, &update, nullptr) == SQLITE_OK;
    const char* names[] = {"getXfromPD", "getXstrip", "getYfromPD"};
    for (std::size_t i = 0; ok && i < 3; ++i) {
        const std::string& text = sql[i % sql.size()];
        sqlite3_bind_text(update, 1, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
        sqlite3_bind_text(update, 2, names[i], -1, SQLITE_STATIC);
        ok = sqlite3_step(update) == SQLITE_DONE;
        sqlite3_reset(update);
    }
    sqlite3_finalize(update);
    sqlite3_close(db);
    return ok;
}

// Runs lookups or a check; they may raise only the errors the kit reports, and they must
// end within the budgets of the stored-query runs they make and a margin for opening and
// preparing.
template <class F>
void Bounded(int storedQueryRuns, F&& call) {
    const auto start = std::chrono::steady_clock::now();
    try {
        call();
    } catch (const dataaccess::DataError&) {
    } catch (const storebuild::StoreCheckError&) {
    }
    if (std::chrono::steady_clock::now() - start >
        storedQueryRuns * dataaccess::StoredQueryTimeBudget + std::chrono::seconds(2)) {
        std::fprintf(stderr, "a lookup ran past its budget\n");
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Workspace workspace;
    std::vector<std::string> sql(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0 && sql.size() < 3)
            sql.emplace_back();
        else
            sql.back().push_back(static_cast<char>(data[i]));
    }
    if (!WriteStore(workspace, sql)) return 0;
    const std::string bytes = ReadAll(workspace.store);

    Bounded(3, [&] {
        ConnectStoreAt(workspace.store.u16string());
        const auto meanings = QuerySindhiMeanings(StoreConnection, u"apple");
        const auto definitions = QueryDefinitions(StoreConnection, u"banana");
        const auto english = QueryEnglishMeanings(StoreConnection, u"\u06AA\u06CC\u0644\u0648");
        const auto budget = static_cast<std::size_t>(dataaccess::StoredQueryRowBudget);
        if (meanings.size() > budget || definitions.size() > budget || english.size() > budget) std::abort();
    });
    StoreConnection.Close();
    // Three queries checked, then each of two English and three Sindhi headwords looked up.
    Bounded(10, [&] { storebuild::CheckStore(workspace.store); });

    // Read-only: the store is as it was written and nothing appeared beside it.
    if (ReadAll(workspace.store) != bytes) std::abort();
    for (const auto& entry : fs::directory_iterator(workspace.folder))
        if (entry.path().filename() != "store.dll") std::abort();
    return 0;
}
