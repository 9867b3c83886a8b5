// The headword lists as the loading routines read them, step by step and as a whole.
#include "Headwords.h"

#include <gtest/gtest.h>

#include "LookupFixture.h"
#include "StoreLookups.h"
#include "access/DataError.h"

namespace sindhikit {
namespace {

using testing::kMevo;
using testing::kSeb;
using testing::kSuf;
using Headwords = testing::AppleStore;

TEST_F(Headwords, EnglishInIdOrderDecipheredSindhiAsStored) {
    auto c = Open();
    EXPECT_EQ(HeadwordQueryText(HeadwordList::English), u" SELECT x From Xlist ORDER BY ID");
    EXPECT_EQ(HeadwordQueryText(HeadwordList::Sindhi), u"SELECT Y From YList ");
    EXPECT_EQ(LoadHeadwords(c, HeadwordList::English), (std::vector<std::u16string>{u"Apple", u"Apple tree"}));
    EXPECT_EQ(LoadHeadwords(c, HeadwordList::Sindhi), (std::vector<std::u16string>{kSeb, kSuf, kMevo}));

    // Step by step, as the program's loop takes them: the stored form and the shown form.
    HeadwordRows rows(c, HeadwordList::English);
    EXPECT_FALSE(rows.KnownEmpty());
    rows.MoveFirst();
    ASSERT_FALSE(rows.Eof());
    EXPECT_EQ(rows.StoredValue(), dataaccess::FieldValue(EncryptText(u"Apple", CipherKey)));
    EXPECT_EQ(rows.Headword(), std::optional<std::u16string>(u"Apple"));
    rows.MoveNext();
    rows.MoveNext();
    EXPECT_TRUE(rows.Eof());
    rows.Close();
    EXPECT_TRUE(rows.Eof());
}

// A Null row adds nothing (the English list is made again as a table without the builder's
// constraints, which may hold what the builder's tables refuse).
TEST_F(Headwords, NullRowsAreSkipped) {
    Edit(
        "ALTER TABLE Xlist RENAME TO XlistRows;"
        "CREATE TABLE Xlist(ID INTEGER, x TEXT);"
        "INSERT INTO Xlist SELECT ID, CASE ID WHEN 1 THEN NULL ELSE x END FROM XlistRows;");
    auto c = Open();
    HeadwordRows rows(c, HeadwordList::English);
    rows.MoveFirst();
    EXPECT_EQ(rows.StoredValue(), std::nullopt);
    EXPECT_EQ(rows.Headword(), std::nullopt);
    EXPECT_EQ(LoadHeadwords(c, HeadwordList::English), (std::vector<std::u16string>{u"Apple tree"}));
}

TEST_F(Headwords, AnEmptyListIsKnownEmpty) {
    Edit("DELETE FROM YList;");
    auto c = Open();
    EXPECT_TRUE(HeadwordRows(c, HeadwordList::Sindhi).KnownEmpty());
    EXPECT_FALSE(HeadwordRows(c, HeadwordList::English).KnownEmpty());
    EXPECT_TRUE(LoadHeadwords(c, HeadwordList::Sindhi).empty());
}

// The engine meets a damaged page in the middle of the Sindhi list: the move raises, the walk
// is over (so a loop that skips the failed statement still ends), and the whole walk keeps
// the rows before the damage.
TEST_F(Headwords, ARowTheEngineFailsOnEndsTheWalk) {
    Edit("DROP TABLE YList;");
    testing::AddDamagedTable(store_, "YList", "Y");
    auto c = Open();
    HeadwordRows rows(c, HeadwordList::Sindhi);
    rows.MoveFirst();
    std::size_t read = 0;
    bool raised = false;
    while (!rows.Eof()) {
        ++read;
        try {
            rows.MoveNext();
        } catch (const dataaccess::DataError&) {
            raised = true;
        }
    }
    EXPECT_TRUE(raised);
    EXPECT_GT(read, 1u);
    EXPECT_LT(read, 400u);
    EXPECT_EQ(LoadHeadwords(c, HeadwordList::Sindhi).size(), read);
}

TEST_F(Headwords, AStoreWithoutTheTableFailsAtOpen) {
    Edit("DROP TABLE Xlist;");
    auto c = Open();
    try {
        HeadwordRows rows(c, HeadwordList::English);
        ADD_FAILURE() << "opened a list the store does not have";
    } catch (const dataaccess::DataError& e) {
        EXPECT_EQ(e.Number(), dataaccess::ErrorNumber::ObjectNotFound);
        EXPECT_NE(e.Description().find("Xlist"), std::string::npos) << e.Description();
    }
    EXPECT_THROW(HeadwordRows(dataaccess::Connection(), HeadwordList::Sindhi), dataaccess::DataError);
}

// The loading loop yields, so the user's lookups run while its recordset is open on the same
// connection; both go on undisturbed.
TEST_F(Headwords, LookupsRunWhileTheListLoads) {
    auto c = Open();
    HeadwordRows rows(c, HeadwordList::English);
    std::vector<std::size_t> meanings;
    for (rows.MoveFirst(); !rows.Eof(); rows.MoveNext()) {
        const std::u16string word = *rows.Headword();
        meanings.push_back(QuerySindhiMeanings(c, word).size());
        meanings.push_back(QuerySindhiMeanings(c, word).size());
    }
    EXPECT_EQ(meanings, (std::vector<std::size_t>{3, 3, 1, 1}));
}

}  // namespace
}  // namespace sindhikit
