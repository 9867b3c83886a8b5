// The three lookups on real stores made by the builder, some then edited to hold what the
// builder never writes (Null, surrounding spaces) but a store from elsewhere may.
#include "StoreLookups.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "DatabaseHandler.h"
#include "EncDec.h"
#include "Utf8.h"
#include "access/DataError.h"
#include "builder/StoreBuilder.h"

namespace sindhikit {
namespace {

namespace fs = std::filesystem;

class StoreLookups : public ::testing::Test {
 protected:
    void SetUp() override {
        CipherKey = std::u16string(CipherKeyPhrase);
        folder_ = fs::temp_directory_path() /
                  ("sindhikit-lookup-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::create_directories(folder_);
        std::ofstream(folder_ / "source.tsv", std::ios::binary) << "sd\tApple\t\xD8\xB3\xD9\x8A\xD8\xA8\n"  // سيب
                                                                << "sd\tApple\t\xD8\xB5\xD9\x88\xD9\x81\n"  // صوف
                                                                << "sd\tApple\tthird\n"
                                                                << "def\tApple\tnoun\tfruit\n"
                                                                << "def\tApple\tnoun\ttree\n"
                                                                << "sd\tApple tree\t\xD8\xB3\xD9\x8A\xD8\xA8\n";
        store_ = folder_ / "store.dll";
        storebuild::BuildStore({folder_ / "source.tsv"}, store_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }

    // Runs SQL on the store before it is opened read-only.
    void Edit(const std::string& sql) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(Utf16ToUtf8(store_.u16string()).c_str(), &db), SQLITE_OK);
        char* message = nullptr;
        int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
        std::string text = message ? message : "";
        sqlite3_free(message);
        sqlite3_close(db);
        ASSERT_EQ(rc, SQLITE_OK) << text;
    }

    dataaccess::Connection Open() {
        dataaccess::Connection c;
        c.Open(StoreConnectionStringForPath(store_.u16string()));
        return c;
    }

    static std::string Cipher(std::u16string_view plain) { return Utf16ToUtf8(EncryptText(plain, CipherKey)); }

    fs::path folder_, store_;
};

TEST_F(StoreLookups, EnglishWordIsCapitalisedAndEncipheredAndRowsComeInQueryOrder) {
    auto c = Open();
    const std::vector<std::u16string> apple = {u"\u0633\u064A\u0628", u"\u0635\u0648\u0641", u"third"};
    EXPECT_EQ(QuerySindhiMeanings(c, u"apple"), apple);
    EXPECT_EQ(QuerySindhiMeanings(c, u"Apple"), apple);
    // Capitalising comes before trimming: a leading space keeps the lower-case first letter.
    EXPECT_TRUE(QuerySindhiMeanings(c, u" apple").empty());
    const std::vector<DefinitionRow> rows = QueryDefinitions(c, u"apple");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].y, u"noun");
    EXPECT_EQ(rows[0].z, u"fruit");
    EXPECT_EQ(rows[1].z, u"tree");
    EXPECT_TRUE(QuerySindhiMeanings(c, u"Pear").empty());
}

TEST_F(StoreLookups, SindhiWordIsTrimmedButNotEnciphered) {
    auto c = Open();
    const std::vector<std::u16string> meanings = {u"Apple", u"Apple tree"};
    EXPECT_EQ(QueryEnglishMeanings(c, u"  \u0633\u064A\u0628 "), meanings);
    EXPECT_TRUE(QueryEnglishMeanings(c, u"\u0633\u064A").empty());
}

TEST_F(StoreLookups, NullRowsAreSkippedAndSpacesKeptUntilTheLineTrimsThem) {
    // The tables refuse Null, so the stored queries are given texts that return it.
    const std::string fruit = Cipher(u"fruit");
    Edit(
        "UPDATE StoredQueries SET SQL = 'SELECT CASE Y WHEN ''third'' THEN NULL "
        "WHEN ''\xD8\xB5\xD9\x88\xD9\x81'' THEN ''  '' || Y || ''  '' ELSE Y END AS y "
        "FROM Pairs WHERE xKey = @x ORDER BY Seq' WHERE Name = 'getXfromPD';"
        "UPDATE StoredQueries SET SQL = 'SELECT CASE z WHEN ''" +
        fruit +
        "'' THEN NULL ELSE y END AS y, "
        "CASE z WHEN ''" +
        fruit +
        "'' THEN NULL ELSE z END AS z "
        "FROM Definitions WHERE xKey = @x ORDER BY Seq' WHERE Name = 'getXstrip';"
        "UPDATE Definitions SET y = '" +
        Cipher(u" noun ") + "', z = '" + Cipher(u" tree ") + "' WHERE z = '" + Cipher(u"tree") + "';");
    auto c = Open();
    auto meanings = QuerySindhiMeanings(c, u"apple");
    ASSERT_EQ(meanings.size(), 2u);
    EXPECT_EQ(SindhiMeaningsText(meanings), u"1           \u0633\u064A\u0628\r\n2           \u0635\u0648\u0641\r\n");
    EXPECT_EQ(EnglishDefinitionsText(QueryDefinitions(c, u"apple"), DefinitionsStart::SingleSpace),
              u" 1        noun   :    tree \r\n");
}

TEST_F(StoreLookups, MissingStoredQueryReachesTheCallerNamingIt) {
    Edit("DELETE FROM StoredQueries WHERE Name = 'getXstrip';");
    auto c = Open();
    EXPECT_EQ(QuerySindhiMeanings(c, u"apple").size(), 3u);
    try {
        QueryDefinitions(c, u"apple");
        FAIL() << "no error";
    } catch (const dataaccess::DataError& e) {
        EXPECT_EQ(e.Number(), dataaccess::ErrorNumber::ObjectNotFound);
        EXPECT_NE(e.Description().find("getXstrip"), std::string::npos) << e.Description();
    }
}

}  // namespace
}  // namespace sindhikit
