#include "builder/StoreChecker.h"

#include <functional>

#include "DatabaseHandler.h"
#include "EncDec.h"
#include "Genral.h"
#include "Headwords.h"
#include "StoreSchema.h"
#include "StoredQueries.h"
#include "Utf8.h"
#include "access/Command.h"
#include "access/DataError.h"
#include "access/Recordset.h"

namespace sindhikit::storebuild {

namespace {

using dataaccess::Command;
using dataaccess::Connection;
using dataaccess::DataError;
using dataaccess::FieldValue;
using dataaccess::Recordset;

class Checker {
 public:
    explicit Checker(std::filesystem::path fullPath) : path_(std::move(fullPath)) {}

    [[noreturn]] void Fail(const std::string& what) const {
        throw StoreCheckError("word store " + path_.string() + ": " + what);
    }

    StoreReport Run() {
        StoreReport report;
        report.fullPath = path_;
        try {
            connection_.Open(StoreConnectionStringForPath(path_.u16string()), u"", u"");
        } catch (const DataError& e) {
            Fail(e.Description());
        }
        Guard("integrity check", [&] {
            Recordset rs;
            rs.Open(u"PRAGMA quick_check", connection_);
            const FieldValue first = rs.Fields(0);
            if (!first || *first != u"ok") Fail("the database is damaged: " + Utf16ToUtf8(first.value_or(u"?")));
        });
        for (auto table : {schema::EnglishHeadwordsTable, schema::SindhiHeadwordsTable, dataaccess::StoredQueriesTable,
                           schema::StoreInfoTable})
            RequireTable(table);
        report.formatVersion = CheckFormat();
        for (const StoredQuery* query : schema::AllStoredQueries)
            Guard("stored query '" + Utf16ToUtf8(query->name) + "'", [&] { RunStoredQuery(connection_, *query, u""); });

        std::int64_t meaningsFromEnglish = 0;
        Guard("reading Xlist", [&] {
            HeadwordRows rows(connection_, HeadwordList::English);
            for (; !rows.Eof(); rows.MoveNext()) {
                ++report.englishHeadwords;
                const std::u16string word =
                    English(rows.StoredValue(), "Xlist headword " + std::to_string(report.englishHeadwords));
                const std::u16string key = EncryptText(CapitalizeFirst(word), CipherKeyPhrase);
                Lookup(schema::getXfromPD, key, [&](const Recordset& row) {
                    ++meaningsFromEnglish;
                    Sindhi(row.Fields(schema::getXfromPD.columns[0]), "a meaning of \"" + Utf16ToUtf8(word) + "\"");
                });
                Lookup(schema::getXstrip, key, [&](const Recordset& row) {
                    ++report.definitions;
                    for (std::u16string_view part : schema::getXstrip.columns)
                        English(row.Fields(part), "a definition of \"" + Utf16ToUtf8(word) + "\"");
                });
            }
        });
        Guard("reading YList", [&] {
            HeadwordRows rows(connection_, HeadwordList::Sindhi);
            for (; !rows.Eof(); rows.MoveNext()) {
                ++report.sindhiHeadwords;
                const std::u16string word =
                    Sindhi(rows.StoredValue(), "YList headword " + std::to_string(report.sindhiHeadwords));
                Lookup(schema::getYfromPD, word, [&](const Recordset& row) {
                    ++report.meanings;
                    English(row.Fields(schema::getYfromPD.columns[0]),
                            "an English meaning of \"" + Utf16ToUtf8(word) + "\"");
                });
            }
        });
        if (meaningsFromEnglish != report.meanings)
            Fail("getXfromPD returns " + std::to_string(meaningsFromEnglish) + " meanings over Xlist but getYfromPD " +
                 std::to_string(report.meanings) + " over YList");
        CompareCount(u"EnglishHeadwords", report.englishHeadwords);
        CompareCount(u"SindhiHeadwords", report.sindhiHeadwords);
        CompareCount(u"Meanings", report.meanings);
        CompareCount(u"Definitions", report.definitions);
        return report;
    }

 private:
    template <class F>
    void Guard(const std::string& step, F&& body) {
        try {
            body();
        } catch (const DataError& e) {
            Fail(step + ": " + e.Description());
        }
    }

    void RequireTable(std::u16string_view table) {
        bool found = false;
        Guard("reading the schema", [&] {
            Recordset rs;
            rs.Open(u"SELECT name FROM sqlite_master WHERE type = 'table' AND name = '" + std::u16string(table) +
                        u"' COLLATE NOCASE",
                    connection_);
            found = !rs.Eof();
        });
        if (!found) Fail("has no table '" + Utf16ToUtf8(table) + "'");
    }

    std::optional<std::u16string> Info(std::u16string_view name) {
        std::optional<std::u16string> value;
        Guard("reading StoreInfo", [&] {
            Command cmd;
            cmd.ActiveConnection = connection_;
            cmd.CommandType = dataaccess::adCmdText;
            cmd.CommandText = u"SELECT Value FROM " + std::u16string(schema::StoreInfoTable) + u" WHERE Name = @name";
            cmd.Parameters().Append(cmd.CreateParameter(u"@name", dataaccess::adLongVarWChar, dataaccess::adParamInput,
                                                        255, std::u16string(name)));
            std::int64_t affected = 0;
            Recordset rs = cmd.Execute(affected);
            if (!rs.Eof()) value = rs.Fields(u"Value");
        });
        return value;
    }

    std::int32_t CheckFormat() {
        std::u16string applicationId;
        Guard("reading the header", [&] {
            Recordset rs;
            rs.Open(u"PRAGMA application_id", connection_);
            applicationId = rs.Fields(0).value_or(u"");
        });
        if (applicationId != *Utf8ToUtf16(std::to_string(schema::ApplicationId)))
            Fail("not a sindhikit word store: its header's application id is " + Utf16ToUtf8(applicationId));
        const auto format = Info(u"Format");
        if (!format || *format != schema::FormatName)
            Fail("no format marker: StoreInfo does not name the format \"" + Utf16ToUtf8(schema::FormatName) + "\"");
        const auto version = Info(u"Version");
        const std::string text = Utf16ToUtf8(version.value_or(u""));
        if (text != std::to_string(schema::FormatVersion))
            Fail("format version \"" + text + "\" is not the version " + std::to_string(schema::FormatVersion) +
                 " this program reads");
        return schema::FormatVersion;
    }

    void CompareCount(std::u16string_view name, std::int64_t counted) {
        const auto recorded = Info(name);
        const std::string text = Utf16ToUtf8(recorded.value_or(u"(none)"));
        if (text != std::to_string(counted))
            Fail("incomplete: StoreInfo records " + Utf16ToUtf8(name) + " = " + text + " but the store holds " +
                 std::to_string(counted));
    }

    void Lookup(const StoredQuery& query, std::u16string_view value,
                const std::function<void(const Recordset&)>& onRow) {
        Guard("stored query '" + Utf16ToUtf8(query.name) + "'", [&] {
            Recordset rs = RunStoredQuery(connection_, query, std::u16string(value));
            for (; !rs.Eof(); rs.MoveNext()) onRow(rs);
        });
    }

    std::u16string English(const FieldValue& value, const std::string& what) {
        if (!value) Fail(what + " is Null");
        if (!IsCipherText(*value)) Fail(what + " is not cipher text: \"" + Utf16ToUtf8(*value) + "\"");
        std::u16string plain = DecryptText(*value, CipherKeyPhrase);
        if (EncryptText(plain, CipherKeyPhrase) != *value)
            Fail(what + " does not decipher: \"" + Utf16ToUtf8(*value) + "\" does not round-trip");
        return plain;
    }

    std::u16string Sindhi(const FieldValue& value, const std::string& what) {
        if (!value) Fail(what + " is Null");
        if (value->empty()) Fail(what + " is empty");
        if (IsCipherText(*value)) Fail(what + " reads as cipher text: \"" + Utf16ToUtf8(*value) + "\"");
        return *value;
    }

    std::filesystem::path path_;
    Connection connection_;
};

}  // namespace

StoreReport CheckStore(const std::filesystem::path& store) {
    // The check reads the store the way the program does, which starts by setting the key.
    SetCipherKey();
    std::error_code ec;
    std::filesystem::path full = std::filesystem::absolute(store, ec);
    if (ec) full = store;
    return Checker(full.lexically_normal()).Run();
}

std::string DescribeReport(const StoreReport& report) {
    return "word store: " + report.fullPath.string() + "\n" + "format: " + Utf16ToUtf8(schema::FormatName) +
           ", version " + std::to_string(report.formatVersion) + "\n" +
           "English headwords: " + std::to_string(report.englishHeadwords) + "\n" +
           "Sindhi headwords: " + std::to_string(report.sindhiHeadwords) + "\n" +
           "meanings: " + std::to_string(report.meanings) + "\n" +
           "definitions: " + std::to_string(report.definitions) + "\n";
}

}  // namespace sindhikit::storebuild
