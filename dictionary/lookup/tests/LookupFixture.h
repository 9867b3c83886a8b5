// The lookups' tests run on a store the real builder makes from testing/fixtures/apple-store.tsv,
// some then edited to hold what the builder never writes (Null, surrounding spaces, renamed
// columns, rows the engine fails on) but a store from elsewhere may.
#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

#include "DatabaseHandler.h"
#include "EncDec.h"
#include "StoreFixture.h"
#include "Utf8.h"
#include "access/Connection.h"

namespace sindhikit::testing {

class AppleStore : public ::testing::Test {
 protected:
    void SetUp() override {
        SetCipherKey();
        storebuild::BuildStore({FixtureFile("apple-store.tsv")}, store_);
    }
    void TearDown() override { SetCipherKey(); }

    // Runs SQL on the store before it is opened read-only.
    void Edit(const std::string& sql) { RunSql(store_, sql); }

    // Gives a stored query another SQL text.
    void Redefine(const std::string& query, const std::string& sql) {
        std::string quoted;
        for (char c : sql) quoted += c == '\'' ? std::string("''") : std::string(1, c);
        Edit("UPDATE StoredQueries SET SQL = '" + quoted + "' WHERE Name = '" + query + "';");
    }

    dataaccess::Connection Open() {
        dataaccess::Connection c;
        c.Open(StoreConnectionStringForPath(store_.u16string()));
        return c;
    }

    static std::string Cipher(std::u16string_view plain) { return Utf16ToUtf8(EncryptText(plain, CipherKey)); }

    // An SQL expression that the engine fails to compute (integer overflow) in the rows where
    // condition holds; it depends on the row, so nothing is computed before the first row.
    static std::string FailWhen(const std::string& condition, const std::string& otherwise,
                                const std::string& rowNumber) {
        return "CASE WHEN " + condition + " THEN abs(" + rowNumber + " - " + rowNumber +
               " - 9223372036854775807 - 1) ELSE " + otherwise + " END";
    }

    TempFolder folder_;
    std::filesystem::path store_ = folder_ / "apple.dll";
};

// The Sindhi words of the fixture.
inline const std::u16string kSeb = u"\u0633\u064A\u0628";         // سيب: Apple, Apple tree
inline const std::u16string kSuf = u"\u0635\u0648\u0641";         // صوف: Apple
inline const std::u16string kMevo = u"\u0645\u064A\u0648\u0648";  // ميوو: Apple

}  // namespace sindhikit::testing
