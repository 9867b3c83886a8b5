// The lookups' rows and the texts the windows and sindhikit show.
#include "StoreLookups.h"

#include <gtest/gtest.h>

#include <functional>

#include "Headwords.h"
#include "LookupFixture.h"
#include "LookupTexts.h"
#include "access/DataError.h"

namespace sindhikit {
namespace {

using testing::kMevo;
using testing::kSeb;
using testing::kSuf;
using StoreLookups = testing::AppleStore;

const std::vector<Definition> kAppleDefinitions = {{u"noun", u"fruit with red or yellow or green skin"},
                                                   {u"noun", u"native Eurasian tree widely cultivated"}};

TEST_F(StoreLookups, EnglishWordIsCapitalisedAndEncipheredAndRowsComeInQueryOrder) {
    auto c = Open();
    const std::vector<std::u16string> apple = {kSeb, kSuf, kMevo};
    EXPECT_EQ(QuerySindhiMeanings(c, u"apple"), apple);
    EXPECT_EQ(QuerySindhiMeanings(c, u"Apple"), apple);
    // Capitalising comes before trimming: a leading space keeps the lower-case first letter.
    EXPECT_TRUE(QuerySindhiMeanings(c, u" apple").empty());
    EXPECT_EQ(QueryDefinitions(c, u"apple"), kAppleDefinitions);
    EXPECT_TRUE(QuerySindhiMeanings(c, u"Pear").empty());
}

TEST_F(StoreLookups, SindhiWordIsTrimmedButNotEnciphered) {
    auto c = Open();
    const std::vector<std::u16string> meanings = {u"Apple", u"Apple tree"};
    EXPECT_EQ(QueryEnglishMeanings(c, u"  " + kSeb + u" "), meanings);
    EXPECT_TRUE(QueryEnglishMeanings(c, u"\u0633\u064A").empty());
}

TEST_F(StoreLookups, TheWindowsTextsAndTheCommandLinesLookups) {
    auto c = Open();
    const std::u16string meanings =
        u"1           " + kSeb + u"\r\n2           " + kSuf + u"\r\n3           " + kMevo + u"\r\n";
    const std::u16string definitions =
        u"1       noun  :   fruit with red or yellow or green skin\r\n"
        u"2       noun  :   native Eurasian tree widely cultivated\r\n";
    EXPECT_EQ(SindhiMeaningsText(c, u"apple"), meanings);
    EXPECT_EQ(EnglishDefinitionsText(c, u"apple"), u" " + definitions);
    EXPECT_EQ(MeaningDefinitionsText(c, u"apple"), definitions);
    // A word the store does not know: no meanings, and the definitions text is its start alone.
    EXPECT_EQ(SindhiMeaningsText(c, u"Pear"), u"");
    EXPECT_EQ(EnglishDefinitionsText(c, u"Pear"), u" ");
    EXPECT_EQ(MeaningDefinitionsText(c, u"Pear"), u"");

    EXPECT_EQ(EnglishLookupText(c, u"apple", u"\r\n"), meanings + u" " + definitions);
    EXPECT_EQ(EnglishLookupText(c, u"Pear", u"\n"), u"") << "nothing found is the empty text, without the space";
    EXPECT_EQ(SindhiLookupText(c, kSeb, false, u"\n"), u"Apple\nApple tree\n");
    EXPECT_EQ(SindhiLookupText(c, kSeb, true, u"\n"),
              u"Apple\n1       noun  :   fruit with red or yellow or green skin\n"
              u"2       noun  :   native Eurasian tree widely cultivated\n"
              u"Apple tree\n1       noun  :   a tree that bears apples\n");
    EXPECT_EQ(SindhiLookupText(c, u"\u0633", true, u"\n"), u"");
}

TEST_F(StoreLookups, NullRowsAreSkippedAndSpacesKeptUntilTheLineTrimsThem) {
    // The tables refuse Null, so the stored queries are given texts that return it.
    const std::string suf = "\xD8\xB5\xD9\x88\xD9\x81", mevo = "\xD9\x85\xD9\x8A\xD9\x88\xD9\x88";
    Redefine("getXfromPD", "SELECT CASE Y WHEN '" + suf + "' THEN NULL WHEN '" + mevo +
                               "' THEN '  ' || Y || '  ' ELSE Y END AS y FROM Pairs WHERE xKey = @x ORDER BY Seq");
    const std::string fruit = Cipher(u"fruit with red or yellow or green skin");
    Redefine("getXstrip", "SELECT CASE z WHEN '" + fruit + "' THEN NULL ELSE y END AS y, CASE z WHEN '" + fruit +
                              "' THEN NULL ELSE z END AS z FROM Definitions WHERE xKey = @x ORDER BY Seq");
    Redefine("getYfromPD", "SELECT CASE X WHEN '" + Cipher(u"Apple") +
                               "' THEN NULL ELSE X END AS X FROM Pairs WHERE Y = @Y ORDER BY Seq");
    Edit("UPDATE Definitions SET y = '" + Cipher(u" noun ") + "', z = '" + Cipher(u" native ") + "' WHERE z = '" +
         Cipher(u"native Eurasian tree widely cultivated") + "';");
    auto c = Open();
    EXPECT_EQ(QuerySindhiMeanings(c, u"apple"), (std::vector<std::u16string>{kSeb, u"  " + kMevo + u"  "}));
    EXPECT_EQ(SindhiMeaningsText(c, u"apple"), u"1           " + kSeb + u"\r\n2           " + kMevo + u"\r\n");
    EXPECT_EQ(EnglishDefinitionsText(c, u"apple"), u" 1        noun   :    native \r\n");
    EXPECT_EQ(QueryEnglishMeanings(c, kSeb), (std::vector<std::u16string>{u"Apple tree"}));
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

// A store whose query returns its rows under another column name must not answer every
// lookup with nothing: the lookup fails, naming the query and the column it lacks.
TEST_F(StoreLookups, ARenamedColumnIsAnErrorNotAnEmptyResult) {
    using Lookup = std::function<void(const dataaccess::Connection&, std::u16string_view)>;
    const struct {
        const char* query;
        const char* sql;
        const char* column;
        Lookup lookup;
        std::u16string known, unknown;
    } cases[] = {
        {"getXfromPD", "SELECT Y AS meaning FROM Pairs WHERE xKey = @x ORDER BY Seq", "'y'",
         [](const auto& c, auto word) { QuerySindhiMeanings(c, word); }, u"apple", u"Pear"},
        {"getXstrip", "SELECT y, z AS gloss FROM Definitions WHERE xKey = @x ORDER BY Seq", "'z'",
         [](const auto& c, auto word) { QueryDefinitions(c, word); }, u"apple", u"Pear"},
        {"getYfromPD", "SELECT X AS English FROM Pairs WHERE Y = @Y ORDER BY Seq", "'X'",
         [](const auto& c, auto word) { QueryEnglishMeanings(c, word); }, kSeb, u"\u0633"},
    };
    for (const auto& t : cases) {
        SCOPED_TRACE(t.query);
        storebuild::BuildStore({testing::FixtureFile("apple-store.tsv")}, store_);
        Redefine(t.query, t.sql);
        auto c = Open();
        // Also for a word without rows, where no row could have shown the fault.
        for (const std::u16string& word : {t.known, t.unknown}) {
            try {
                t.lookup(c, word);
                ADD_FAILURE() << "the lookup answered";
            } catch (const dataaccess::DataError& e) {
                EXPECT_EQ(e.Number(), dataaccess::ErrorNumber::ItemNotFound);
                EXPECT_NE(e.Description().find(t.query), std::string::npos) << e.Description();
                EXPECT_NE(e.Description().find(t.column), std::string::npos) << e.Description();
            }
        }
    }
}

// The engine fails on the third of Apple's meanings: the lookup ends with the engine's error,
// never with a shorter answer that looks whole. A failure on the very first row is one of the
// query call and reaches the caller too.
TEST_F(StoreLookups, ARowTheEngineFailsOnEndsTheLookupWithItsError) {
    // No ORDER BY: a sort would compute every row before the first is delivered. The index on
    // xKey gives the rows in Seq order all the same.
    Redefine("getXfromPD", "SELECT " + FailWhen("Seq = 3", "Y", "Seq") + " AS y FROM Pairs WHERE xKey = @x");
    Redefine("getYfromPD", "SELECT " + FailWhen("Seq = 1", "X", "Seq") + " AS X FROM Pairs WHERE Y = @Y ORDER BY Seq");
    auto c = Open();
    try {
        QuerySindhiMeanings(c, u"apple");
        ADD_FAILURE() << "the third row failed, yet the lookup answered";
    } catch (const dataaccess::DataError& e) {
        EXPECT_NE(e.Description().find("integer overflow"), std::string::npos) << e.Description();
    }
    EXPECT_EQ(QuerySindhiMeanings(c, u"Apple tree"), (std::vector<std::u16string>{kSeb}));
    EXPECT_THROW(QueryEnglishMeanings(c, kSeb), dataaccess::DataError);
    EXPECT_EQ(QueryEnglishMeanings(c, kSuf), (std::vector<std::u16string>{u"Apple"}));
    // The connection is still good for the next lookup.
    EXPECT_EQ(QueryDefinitions(c, u"apple").size(), 2u);
}

// Before start-up sets CipherKey, every lookup that enciphers or deciphers fails loudly
// instead of enciphering with an empty key and finding nothing.
TEST_F(StoreLookups, ALookupWithoutTheCipherKeyFailsLoudly) {
    auto c = Open();
    const std::function<void()> lookups[] = {
        [&] { QuerySindhiMeanings(c, u"apple"); },       [&] { QueryDefinitions(c, u"apple"); },
        [&] { QueryEnglishMeanings(c, kSeb); },          [&] { SindhiMeaningsText(c, u"apple"); },
        [&] { MeaningDefinitionsText(c, u"Pear"); },     [&] { SindhiLookupText(c, u"\u0633", false, u"\n"); },
        [&] { HeadwordRows(c, HeadwordList::English); }, [&] { LoadHeadwords(c, HeadwordList::English); },
    };
    CipherKey.clear();
    for (std::size_t i = 0; i < std::size(lookups); ++i) {
        try {
            lookups[i]();
            ADD_FAILURE() << "lookup " << i << " ran without the key";
        } catch (const CipherKeyNotSet& e) {
            EXPECT_NE(std::string(e.what()).find("CipherKey"), std::string::npos) << e.what();
        }
    }
    // The Sindhi headwords are plain text and need no key.
    EXPECT_EQ(LoadHeadwords(c, HeadwordList::Sindhi).size(), 3u);
    SetCipherKey();
    EXPECT_EQ(QuerySindhiMeanings(c, u"apple").size(), 3u);
}

}  // namespace
}  // namespace sindhikit
