#include <gtest/gtest.h>

#include <sqlite3.h>

#ifndef _WIN32
#include <unistd.h>
#endif

#include "DatabaseHandler.h"
#include "StoreFixture.h"
#include "access/Command.h"
#include "access/DataError.h"
#include "builder/StoreChecker.h"

namespace sindhikit {
namespace {

using dataaccess::Connection;
using dataaccess::DataError;
using sindhikit::testing::BuildSample;
using sindhikit::testing::ReadBytes;
using sindhikit::testing::TempFolder;

// The description of the error opening path raises, or "" when it opens.
std::string OpenError(const std::filesystem::path& path) {
    try {
        Connection connection;
        connection.Open(StoreConnectionStringForPath(path.u16string()), u"", u"");
    } catch (const DataError& e) {
        return e.what();
    }
    return "";
}

std::string CheckError(const std::filesystem::path& path) {
    try {
        storebuild::CheckStore(path);
    } catch (const storebuild::StoreCheckError& e) {
        return e.what();
    }
    return "";
}

void Change(const std::filesystem::path& store, const char* sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(store.string().c_str(), &db), SQLITE_OK);
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql, nullptr, nullptr, &message);
    EXPECT_EQ(rc, SQLITE_OK) << (message ? message : "");
    sqlite3_free(message);
    sqlite3_close(db);
}

TEST(BadStore, EachBadFileGivesAClearErrorAndIsLeftAlone) {
    TempFolder folder;
    const auto good = BuildSample(folder, "good.dll");
    const std::string bytes = ReadBytes(good);
    const auto cut = [&](const char* name, std::size_t size) { return folder.Write(name, bytes.substr(0, size)); };
    const struct {
        std::filesystem::path file;
        std::string mentions;
    } cases[] = {
        {folder / "missing.dll", "Could not find file"},
        {folder.Write("empty.dll", ""), "is empty"},
        {folder.Write("text.dll",
                      "This is a plain text file, not a database.\nSecond line of it.\n" + std::string(600, 'x')),
         "Unrecognized database format"},
        {folder.Write("tiny.dll", "hi"), "Unrecognized database format"},
        {cut("half.dll", bytes.size() / 2), "truncated"},
        {cut("odd.dll", bytes.size() - 100), "truncated"},
        {cut("header.dll", 100), "truncated"},
        {folder.Path(), "is a folder"},
    };
    for (const auto& c : cases) {
        const bool exists = std::filesystem::is_regular_file(c.file);
        const std::string before = exists ? ReadBytes(c.file) : "";
        const auto mtime = exists ? std::filesystem::last_write_time(c.file) : std::filesystem::file_time_type{};

        const std::string opened = OpenError(c.file);
        EXPECT_NE(opened.find(c.mentions), std::string::npos) << c.file << ": " << opened;
        EXPECT_NE(opened.find(c.file.filename().string()), std::string::npos) << "names the file: " << opened;
        const std::string checked = CheckError(c.file);
        EXPECT_NE(checked.find(c.mentions), std::string::npos) << c.file << ": " << checked;

        EXPECT_EQ(std::filesystem::is_regular_file(c.file), exists) << "nothing created: " << c.file;
        if (exists) {
            EXPECT_EQ(ReadBytes(c.file), before) << c.file;
            EXPECT_EQ(std::filesystem::last_write_time(c.file), mtime) << c.file;
        }
    }
    EXPECT_EQ(CheckError(good), "");
}

TEST(BadStore, IncompleteStoreNamesWhatIsMissing) {
    TempFolder folder;
    const struct {
        const char* change;
        std::string mentions;
    } cases[] = {
        {"DROP TABLE Xlist", "'Xlist'"},
        {"DROP TABLE YList", "'YList'"},
        {"DROP TABLE StoredQueries", "'StoredQueries'"},
        {"DELETE FROM StoredQueries WHERE Name = 'getXstrip'", "'getXstrip'"},
        {"UPDATE StoredQueries SET SQL = 'SELECT nothing FROM Pairs WHERE xKey = @x' WHERE Name = 'getXfromPD'",
         "getXfromPD"},
        {"UPDATE StoredQueries SET SQL = 'SELECT Y AS q FROM Pairs WHERE X = @Y' WHERE Name = 'getYfromPD'",
         "no column 'X'"},
        {"DELETE FROM StoreInfo WHERE Name = 'Format'", "format marker"},
        {"PRAGMA application_id = 0", "application id is 0"},
        {"UPDATE StoreInfo SET Value = '2' WHERE Name = 'Version'", "version \"2\""},
        {"DELETE FROM Pairs WHERE Seq = 1", "incomplete"},
        {"UPDATE Definitions SET z = 'plain' WHERE Seq = 1", "not cipher text"},
        {"UPDATE Xlist SET x = 'banana' WHERE ID = 2", "not cipher text"},
        {"DROP TABLE Xlist; CREATE TABLE Xlist(ID INTEGER PRIMARY KEY, x TEXT); INSERT INTO Xlist VALUES (1, NULL)",
         "is Null"},
        {"UPDATE Pairs SET Y = '042' WHERE Seq = 3", "reads as cipher text"},
    };
    int n = 0;
    for (const auto& c : cases) {
        const auto store = BuildSample(folder, "case" + std::to_string(++n) + ".dll");
        Change(store, c.change);
        const std::string error = CheckError(store);
        EXPECT_NE(error.find(c.mentions), std::string::npos) << c.change << ": " << error;
        EXPECT_NE(error.find(std::filesystem::absolute(store).lexically_normal().string()), std::string::npos)
            << "names the full path: " << error;
    }
}

TEST(BadStore, MissingPartsFailTheQueriesThatNeedThem) {
    TempFolder folder;
    const auto store = BuildSample(folder);
    Change(store, "DELETE FROM StoredQueries WHERE Name = 'getYfromPD'; DROP TABLE Xlist");
    Connection connection;
    connection.Open(StoreConnectionStringForPath(store.u16string()), u"", u"");
    try {
        dataaccess::Recordset rs;
        rs.Open(u" SELECT x From Xlist ORDER BY ID", connection);
        ADD_FAILURE() << "read a table the store does not have";
    } catch (const DataError& e) {
        EXPECT_EQ(e.Number(), dataaccess::ErrorNumber::ObjectNotFound);
        EXPECT_NE(std::string(e.what()).find("Xlist"), std::string::npos) << e.what();
    }
    dataaccess::Command cmd;
    cmd.ActiveConnection = connection;
    cmd.CommandType = dataaccess::adCmdStoredProc;
    cmd.CommandText = u"getYfromPD";
    cmd.Parameters().Append(cmd.CreateParameter(u"@Y", dataaccess::adLongVarWChar, dataaccess::adParamInput, 255));
    std::int64_t affected = 0;
    try {
        cmd.Execute(affected);
        ADD_FAILURE() << "ran a stored query the store does not have";
    } catch (const DataError& e) {
        EXPECT_EQ(e.Number(), dataaccess::ErrorNumber::ObjectNotFound);
        EXPECT_NE(std::string(e.what()).find("'getYfromPD'"), std::string::npos) << e.what();
    }
}

#ifndef _WIN32
TEST(BadStore, UnreadableFile) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads every file; run as a user to cover this case";
    TempFolder folder;
    const auto store = BuildSample(folder);
    std::filesystem::permissions(store, std::filesystem::perms::none);
    const std::string error = OpenError(store);
    std::filesystem::permissions(store, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_NE(error.find("Cannot read"), std::string::npos) << error;
}
#endif

}  // namespace
}  // namespace sindhikit
