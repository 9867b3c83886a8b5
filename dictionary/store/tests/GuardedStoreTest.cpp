// The guarded store connection at the level of the data-access layer: which SQLite it runs
// on, what its budgets leave to real use (a million-headword store walked while the program
// yields, lookups in the middle of the walk), the heap limit, and what a failed row walk
// leaves behind. The faults a user meets through sindhikit are in cli/tests.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>
#include <vector>

#include "DatabaseHandler.h"
#include "EncDec.h"
#include "StoreFixture.h"
#include "Utf8.h"
#include "access/Command.h"
#include "access/DataError.h"
#include "access/StoreLimits.h"

namespace sindhikit {
namespace {

using namespace dataaccess;
using sindhikit::testing::BuildSample;
using sindhikit::testing::ReadBytes;
using sindhikit::testing::RunSql;
using sindhikit::testing::TempFolder;
using Clock = std::chrono::steady_clock;

Connection Open(const std::filesystem::path& store) {
    Connection connection;
    connection.Open(StoreConnectionStringForPath(store.u16string()), u"", u"");
    return connection;
}

Recordset Lookup(const Connection& connection, std::u16string_view query, std::u16string_view parameter,
                 std::u16string value) {
    Command cmd;
    cmd.ActiveConnection = connection;
    cmd.CommandType = adCmdStoredProc;
    cmd.CommandText = std::u16string(query);
    cmd.Parameters().Append(cmd.CreateParameter(parameter, adLongVarWChar, adParamInput, 255, std::move(value)));
    std::int64_t affected = 0;
    return cmd.Execute(affected);
}

TEST(GuardedStore, TheKitRunsItsOwnSqliteBuiltForUntrustedFiles) {
    // The header and the library agree (the system's libsqlite3 is not linked in), and the
    // library is the one configured for files anyone may have written.
    EXPECT_STREQ(sqlite3_libversion(), SQLITE_VERSION);
    EXPECT_TRUE(sqlite3_compileoption_used("OMIT_LOAD_EXTENSION"));
    EXPECT_TRUE(sqlite3_compileoption_used("OMIT_JSON"));
    EXPECT_TRUE(sqlite3_compileoption_used("MAX_MMAP_SIZE=0"));
    EXPECT_FALSE(sqlite3_compileoption_used("ENABLE_FTS3"));
    EXPECT_FALSE(sqlite3_compileoption_used("ENABLE_FTS3_TOKENIZER"));
    EXPECT_FALSE(sqlite3_compileoption_used("ENABLE_FTS5"));
    // Any connection, not only the store's, starts with the schema untrusted.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
    int trusted = -1;
    sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, -1, &trusted);
    sqlite3_close(db);
    EXPECT_EQ(trusted, 0);
}

// The Dictionary program loads every headword through one query at start-up and yields to
// the user between rows, and a lookup may run in the middle of that walk. The budgets are
// per run of a stored query and count only time inside SQLite, so neither the walk's length
// nor the pauses in it are cut short, and lookups on a store this size stay far inside them.
TEST(GuardedStore, AMillionHeadwordWalkWithPausesAndLookupsIsNotCutShort) {
    TempFolder folder;
    const auto store = BuildSample(folder);
    constexpr int kAdded = 1'000'000;
    RunSql(store,
           "BEGIN;"
           "WITH RECURSIVE c(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM c WHERE n < " +
               std::to_string(kAdded) +
               ") INSERT INTO Xlist(ID, x) SELECT 100 + n, printf('%09d', n) FROM c;"
               "WITH RECURSIVE c(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM c WHERE n < " +
               std::to_string(kAdded) +
               ") INSERT INTO Pairs(xKey, X, Y) SELECT printf('%09d', n), printf('%09d', n), 'y' || n FROM c;"
               "COMMIT;");
    const Connection connection = Open(store);
    Recordset walk;
    walk.Open(u" SELECT x From Xlist ORDER BY ID", connection);
    std::int64_t rows = 0;
    std::vector<Clock::duration> lookups;
    const auto started = Clock::now();
    for (; !walk.Eof(); walk.MoveNext()) {
        ASSERT_TRUE(walk.Fields(u"X").has_value());
        if (++rows % 100'000 == 0) {
            // The user's turn: longer than a stored query's whole budget.
            std::this_thread::sleep_for(StoredQueryTimeBudget / 5);
            const std::u16string key = *walk.Fields(u"X");
            const auto before = Clock::now();
            Recordset meanings = Lookup(connection, u"getXfromPD", u"@x", key);
            lookups.push_back(Clock::now() - before);
            ASSERT_FALSE(meanings.Eof()) << Utf16ToUtf8(key);
            EXPECT_EQ(*meanings.Fields(u"y"), u"y" + key.substr(key.find_first_not_of(u'0')));
        }
    }
    EXPECT_EQ(rows, kAdded + 4);  // and the sample's four
    EXPECT_GT(Clock::now() - started, StoredQueryTimeBudget) << "the walk outlasted a stored query's budget";
    // The typical lookup (a loaded machine may hold back any single one).
    ASSERT_EQ(lookups.size(), 10u);
    std::nth_element(lookups.begin(), lookups.begin() + 5, lookups.end());
    EXPECT_LT(lookups[5], StoredQueryTimeBudget / 10);
}

// Whatever a query asks for, SQLite holds no more than the heap limit: here the program's
// own kind of query (which has no time budget) sorts half a gigabyte of rows made from a
// small table, and stops with the error that names the limit.
TEST(GuardedStore, SqliteMemoryIsHeldToTheHeapLimit) {
    TempFolder folder;
    const auto store = BuildSample(folder);
    RunSql(store,
           "CREATE TABLE Wide(v TEXT);"
           "WITH RECURSIVE c(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM c WHERE n < 100)"
           " INSERT INTO Wide SELECT hex(zeroblob(500)) || n FROM c;");
    const Connection connection = Open(store);
    sqlite3_memory_highwater(1);
    try {
        Recordset rs;
        rs.Open(u"SELECT a.v || b.v AS y FROM Wide a, Wide b, Wide c ORDER BY 1", connection);
        ADD_FAILURE() << "sorted 580 MB";
    } catch (const DataError& e) {
        EXPECT_EQ(e.Number(), ErrorNumber::ResourceLimit) << e.what();
        EXPECT_NE(std::string(e.what()).find("64 MiB"), std::string::npos) << e.what();
    }
    EXPECT_LE(sqlite3_memory_highwater(0), SqliteHeapLimit);
    EXPECT_GT(sqlite3_memory_highwater(0), SqliteHeapLimit / 2) << "the sort did reach for the memory";
}

// A move that fails (here on a damaged page) ends the walk with its own error and leaves the
// recordset open at its end, so closing it afterwards works and hides nothing.
TEST(GuardedStore, AFailedMoveLeavesTheRecordsetOpenAtItsEnd) {
    TempFolder folder;
    const auto store = BuildSample(folder);
    testing::AddDamagedTable(store);
    const Connection connection = Open(store);
    Recordset rs;
    rs.Open(u"SELECT v FROM Pages", connection);
    int rows = 0;
    try {
        for (; !rs.Eof(); rs.MoveNext()) ++rows;
        ADD_FAILURE() << "walked a damaged table";
    } catch (const DataError& e) {
        EXPECT_NE(std::string(e.what()).find("damaged"), std::string::npos) << e.what();
    }
    EXPECT_GT(rows, 0) << "the damage lies in the middle of the rows";
    EXPECT_LT(rows, 400);
    EXPECT_TRUE(rs.IsOpen());
    EXPECT_TRUE(rs.Eof());
    EXPECT_NO_THROW(rs.Close());
}

// Nothing beside the store is opened or made: a journal left there is neither rolled into
// the store nor touched, and no journal, log or other file appears.
TEST(GuardedStore, NothingBesideTheStoreIsReadOrWritten) {
    TempFolder folder;
    const auto store = BuildSample(folder);
    const std::string journal = "journal left by someone else " + std::string(4096, 'j');
    folder.Write("directodb.dll-journal", journal);
    folder.Write("directodb.dll-wal", journal);
    const auto names = folder.Names();
    const std::string bytes = ReadBytes(store);
    {
        const Connection connection = Open(store);
        Recordset rs = Lookup(connection, u"getXfromPD", u"@x", EncryptText(u"Apple", CipherKeyPhrase));
        EXPECT_FALSE(rs.Eof());
    }
    EXPECT_EQ(folder.Names(), names);
    EXPECT_EQ(ReadBytes(store), bytes);
    EXPECT_EQ(ReadBytes(folder / "directodb.dll-journal"), journal);
}

}  // namespace
}  // namespace sindhikit
