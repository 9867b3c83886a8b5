#include <gtest/gtest.h>

#include <sqlite3.h>

#include "DatabaseHandler.h"
#include "EncDec.h"
#include "Genral.h"
#include "StoreFixture.h"
#include "StoreSchema.h"
#include "StoredQueries.h"
#include "access/Command.h"
#include "access/DataError.h"

namespace sindhikit {
namespace {

using namespace dataaccess;
using sindhikit::testing::BuildSample;
using sindhikit::testing::ReadBytes;
using sindhikit::testing::TempFolder;

const std::u16string kKey(CipherKeyPhrase);
const std::u16string kSeb = u"\u0633\u06CC\u0628";         // the meaning given for "Apple"
const std::u16string kSuf = u"\u0635\u0648\u0641";         // the meaning given for "apple"
const std::u16string kKelo = u"\u06AA\u06CC\u0644\u0648";  // banana, plantain

class DataAccess : public ::testing::Test {
 protected:
    void SetUp() override {
        store_ = BuildSample(folder_);
        connection_.Open(StoreConnectionStringForPath(store_.u16string()), u"", u"");
    }

    Recordset Run(const StoredQuery& query, FieldValue value) { return RunStoredQuery(connection_, query, value); }

    std::vector<std::u16string> Column(Recordset rs, std::u16string_view name, bool decipher) {
        std::vector<std::u16string> values;
        for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
            const FieldValue v = rs.Fields(name);
            values.push_back(v ? (decipher ? DecryptText(*v, kKey) : *v) : u"<Null>");
        }
        rs.Close();
        return values;
    }

    std::u16string Key(std::u16string_view typed) { return EncryptText(CapitalizeFirst(typed), kKey); }

    TempFolder folder_;
    std::filesystem::path store_;
    Connection connection_;
};

TEST_F(DataAccess, MeaningsOfAnEnglishWordInSourceOrder) {
    const std::vector<std::u16string> expected{kSuf, kSeb};
    // Typed in any first-letter case, the word is sent as the enciphered "Apple".
    EXPECT_EQ(Column(Run(schema::getXfromPD, Key(u"apple")), u"y", true), expected);
    EXPECT_EQ(Column(Run(schema::getXfromPD, Key(u"Apple")), u"y", true), expected);
    // The plain word does not match: the keys are stored enciphered.
    EXPECT_TRUE(Column(Run(schema::getXfromPD, u"Apple"), u"y", true).empty());
}

TEST_F(DataAccess, DefinitionsKeepTheirSpaces) {
    Recordset rs = Run(schema::getXstrip, Key(u"apple"));
    std::vector<std::pair<std::u16string, std::u16string>> rows;
    for (; !rs.Eof(); rs.MoveNext())
        rows.emplace_back(DecryptText(*rs.Fields(u"Y"), kKey), DecryptText(*rs.Fields(u"Z"), kKey));
    const std::vector<std::pair<std::u16string, std::u16string>> expected{{u"noun", u"fruit with red or green skin"},
                                                                          {u"noun", u"  a tree of the rose family  "}};
    EXPECT_EQ(rows, expected);
}

TEST_F(DataAccess, MeaningsOfASindhiWordArePlainParameter) {
    const std::vector<std::u16string> expected{u"banana", u"plantain"};
    EXPECT_EQ(Column(Run(schema::getYfromPD, kKelo), u"x", true), expected);
    // Enciphering the Sindhi word would find nothing.
    EXPECT_TRUE(Column(Run(schema::getYfromPD, EncryptText(kKelo, kKey)), u"X", true).empty());
}

TEST_F(DataAccess, RecordCountIsZeroOnlyWhenKnownEmpty) {
    Recordset none = Run(schema::getXfromPD, Key(u"unknown"));
    EXPECT_EQ(none.RecordCount(), 0);
    EXPECT_TRUE(none.Eof());
    Recordset some = Run(schema::getXfromPD, Key(u"banana"));
    EXPECT_EQ(some.RecordCount(), -1);
    EXPECT_FALSE(some.Eof());
    // Still -1 after the last row: the count was never known.
    some.MoveNext();
    EXPECT_TRUE(some.Eof());
    EXPECT_EQ(some.RecordCount(), -1);
    // A parameter with no value binds Null and matches nothing.
    EXPECT_EQ(Run(schema::getYfromPD, std::nullopt).RecordCount(), 0);
}

TEST_F(DataAccess, NullFieldsAndNamesWithoutCase) {
    Recordset rs;
    rs.Open(u"SELECT NULL AS y, 'v' AS Zed, 7 AS n", connection_);
    EXPECT_FALSE(rs.Fields(u"y").has_value());
    EXPECT_FALSE(rs.Fields(u"Y").has_value());
    EXPECT_EQ(rs.Fields(u"zED"), FieldValue(u"v"));
    EXPECT_EQ(rs.Fields(u"N"), FieldValue(u"7"));
    EXPECT_EQ(rs.FieldCount(), 3);
    EXPECT_EQ(rs.FieldName(1), u"Zed");
    try {
        rs.Fields(u"missing");
        ADD_FAILURE() << "unknown field accepted";
    } catch (const DataError& e) {
        EXPECT_EQ(e.Number(), ErrorNumber::ItemNotFound);
        EXPECT_NE(std::string(e.what()).find("missing"), std::string::npos);
    }
}

TEST_F(DataAccess, MoveFirstWalksAgainAndTheEndIsGuarded) {
    Recordset rs = Run(schema::getXfromPD, Key(u"apple"));
    rs.MoveNext();
    rs.MoveNext();
    ASSERT_TRUE(rs.Eof());
    EXPECT_THROW(rs.MoveNext(), DataError);
    EXPECT_THROW(rs.Fields(u"y"), DataError);
    rs.MoveFirst();
    ASSERT_FALSE(rs.Eof());
    EXPECT_EQ(DecryptText(*rs.Fields(u"y"), kKey), kSuf);
    rs.Close();
    try {
        rs.Eof();
        ADD_FAILURE() << "a closed recordset answered";
    } catch (const DataError& e) {
        EXPECT_EQ(e.Number(), ErrorNumber::ObjectClosed);
    }
}

TEST_F(DataAccess, CommandErrorsCarryNumberAndName) {
    const auto expectError = [&](ErrorNumber number, const std::string& mentions, auto&& setup) {
        Command cmd;
        cmd.ActiveConnection = connection_;
        cmd.CommandType = adCmdStoredProc;
        cmd.CommandText = u"getXfromPD";
        setup(cmd);
        std::int64_t affected = 0;
        try {
            cmd.Execute(affected, adOptionUnspecified);
            ADD_FAILURE() << "no error for " << mentions;
        } catch (const DataError& e) {
            EXPECT_EQ(e.Number(), number) << e.what();
            EXPECT_NE(std::string(e.what()).find(mentions), std::string::npos) << e.what();
        }
    };
    expectError(ErrorNumber::ObjectNotFound, "getNothing", [](Command& cmd) { cmd.CommandText = u"getNothing"; });
    expectError(ErrorNumber::MissingParameterValue, "@x", [](Command&) {});
    expectError(ErrorNumber::ItemNotFound, "@Y", [](Command& cmd) {
        cmd.Parameters().Append(cmd.CreateParameter(u"@x", adLongVarWChar, adParamInput, 255, u"1"));
        cmd.Parameters().Append(cmd.CreateParameter(u"@Y", adLongVarWChar, adParamInput, 255, u"1"));
    });
    expectError(ErrorNumber::ConnectionNotUsable, "closed", [](Command& cmd) { cmd.ActiveConnection = Connection(); });
    expectError(ErrorNumber::InvalidArgument, "type", [](Command& cmd) { cmd.CommandType = 2; });

    Command cmd;
    EXPECT_THROW(cmd.CreateParameter(u"@x", 3 /* integer */, adParamInput, 4), DataError);
    EXPECT_THROW(cmd.CreateParameter(u"@x", adLongVarWChar, 2 /* output */, 255), DataError);
    cmd.Parameters().Append(cmd.CreateParameter(u"@x", adLongVarWChar, adParamInput, 255));
    EXPECT_THROW(cmd.Parameters().Append(cmd.CreateParameter(u"@X", adLongVarWChar, adParamInput, 255)), DataError);
    EXPECT_EQ(&cmd.Parameters(u"@X"), &cmd.Parameters(u"@x"));
    EXPECT_THROW(cmd.Parameters(u"@z"), DataError);
    // A query affects no records.
    cmd.ActiveConnection = connection_;
    cmd.CommandType = adCmdStoredProc;
    cmd.CommandText = u"getXfromPD";
    cmd.Parameters(u"@x").Value = Key(u"banana");
    std::int64_t affected = 0;
    EXPECT_FALSE(cmd.Execute(affected, adOptionUnspecified).Eof());
    EXPECT_EQ(affected, -1);
}

TEST_F(DataAccess, StoredQueryNamesIgnoreCaseAndLongValuesArePassedWhole) {
    const StoredQuery shouted{u"GETXFROMPD", u"@X", {}, schema::getXfromPD.columns};
    EXPECT_EQ(Column(Run(shouted, Key(u"banana")), u"Y", true), (std::vector<std::u16string>{kKelo}));
    // Beyond the declared size of 255 the value is neither cut nor refused.
    const std::u16string longWord(120, u'a');
    EXPECT_EQ(Key(longWord).size(), 360u);
    EXPECT_EQ(Run(schema::getXfromPD, Key(longWord)).RecordCount(), 0);
}

TEST_F(DataAccess, CopiesOfAConnectionShareItsState) {
    Connection copy = connection_;
    EXPECT_TRUE(copy.IsOpen());
    Recordset open = Run(schema::getXfromPD, Key(u"apple"));
    connection_.Close();
    EXPECT_FALSE(copy.IsOpen());
    // A recordset opened before the close still reads its rows.
    EXPECT_EQ(DecryptText(*open.Fields(u"y"), kKey), kSuf);
    Recordset after;
    EXPECT_THROW(after.Open(schema::SindhiHeadwordsQueryText, copy), DataError);
}

TEST_F(DataAccess, TheStoreIsNeverWritten) {
    connection_.Close();
    const std::string bytes = ReadBytes(store_);
    const auto mtime = std::filesystem::last_write_time(store_);
    {
        Connection connection;
        connection.Open(StoreConnectionStringForPath(store_.u16string()), u"", u"");
        for (int round = 0; round < 20; ++round) {
            for (const std::u16string word : {u"apple", u"banana", u"cherry", u"none"}) {
                Recordset rs = RunStoredQuery(connection, schema::getXstrip, Key(word));
                while (!rs.Eof()) rs.MoveNext();
            }
        }
        // Writing statements are refused, whatever path they come by.
        for (const std::u16string sql : {u"DELETE FROM Xlist", u"CREATE TABLE t(a)", u"PRAGMA user_version = 9",
                                         u"INSERT INTO YList(Y) VALUES ('x')"}) {
            Recordset rs;
            EXPECT_THROW(rs.Open(sql, connection), DataError);
            Command cmd;
            cmd.ActiveConnection = connection;
            cmd.CommandType = adCmdText;
            cmd.CommandText = sql;
            std::int64_t affected = 0;
            EXPECT_THROW(cmd.Execute(affected), DataError);
        }
    }
    EXPECT_EQ(ReadBytes(store_), bytes);
    EXPECT_EQ(std::filesystem::last_write_time(store_), mtime);
    EXPECT_EQ(folder_.Names().size(), 1u) << "no journal or other file beside the store";
}

}  // namespace
}  // namespace sindhikit
