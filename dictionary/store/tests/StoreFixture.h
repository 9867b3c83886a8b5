// Test helpers: a temporary folder, source files and stores built by the real builder.
#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "FixtureFiles.h"
#include "Utf8.h"
#include "builder/StoreBuilder.h"

namespace sindhikit::testing {

// A folder of its own under the system's temporary folder, removed afterwards.
class TempFolder {
 public:
    TempFolder() {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("sindhikit-store-" + std::string(test ? test->name() : "x") + "-" + std::to_string(stamp));
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    std::filesystem::path Write(const std::string& name, const std::string& bytes) const {
        const auto file = path_ / name;
        std::ofstream out(file, std::ios::binary);
        out << bytes;
        return file;
    }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_))
            names.push_back(entry.path().filename().string());
        return names;
    }

 private:
    std::filesystem::path path_;
};

inline std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The store built from testing/fixtures/sample-store.tsv by the real builder.
inline std::filesystem::path BuildSample(const TempFolder& folder, const std::string& name = "directodb.dll") {
    const auto store = folder / name;
    storebuild::BuildStore({FixtureFile("sample-store.tsv")}, store);
    return store;
}

// Runs SQL on a store with a plain SQLite connection, as anyone could change a store file.
inline void RunSql(const std::filesystem::path& store, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(Utf16ToUtf8(store.u16string()).c_str(), &db), SQLITE_OK);
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
    const std::string text = message ? message : "";
    sqlite3_free(message);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK) << text << "\n" << sql.substr(0, 500);
}

// Adds the table Pages(v) (or another name and column) of 400 rows of about a kilobyte, then
// overwrites one of its leaf pages in the middle with bytes SQLite cannot read: a walk over it
// reads rows, then meets the damage.
inline void AddDamagedTable(const std::filesystem::path& store, const std::string& table = "Pages",
                            const std::string& column = "v") {
    RunSql(store, "CREATE TABLE " + table + "(" + column +
                      " TEXT);"
                      "WITH RECURSIVE c(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM c WHERE n < 400)"
                      " INSERT INTO " +
                      table + " SELECT 'row ' || n || hex(zeroblob(500)) FROM c;");
    sqlite3* db = nullptr;
    sqlite3_stmt* stmt = nullptr;
    ASSERT_EQ(sqlite3_open(Utf16ToUtf8(store.u16string()).c_str(), &db), SQLITE_OK);
    sqlite3_prepare_v2(db,
                       "SELECT rootpage, (SELECT page_count FROM pragma_page_count()), "
                       "(SELECT page_size FROM pragma_page_size()) FROM sqlite_master WHERE name = ?",
                       -1, &stmt, nullptr);
    sqlite3_bind_text(stmt, 1, table.c_str(), -1, SQLITE_TRANSIENT);
    const bool read = sqlite3_step(stmt) == SQLITE_ROW;
    const auto root = sqlite3_column_int64(stmt, 0), pages = sqlite3_column_int64(stmt, 1),
               size = sqlite3_column_int64(stmt, 2);
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    ASSERT_TRUE(read);
    // The table was made last: its leaves follow its root page to the end of the file.
    std::fstream file(store, std::ios::in | std::ios::out | std::ios::binary);
    file.seekp((root + pages) / 2 * size - size);
    file << std::string(static_cast<std::size_t>(size), '\xFF');
}

}  // namespace sindhikit::testing
