#include "StoreLookups.h"

#include <cstdint>
#include <functional>

#include "EncDec.h"
#include "Genral.h"
#include "StoreSchema.h"
#include "access/Command.h"
#include "access/DataError.h"
#include "access/Recordset.h"

namespace sindhikit {
namespace {

using namespace dataaccess;

// The stored-query call of every lookup: a fresh command for the query, one input
// parameter (type 203, size 255) appended, its value set by name, then executed.
Recordset RunStoredQuery(const Connection& connection, std::u16string_view query, std::u16string_view parameterName,
                         std::u16string value) {
    Command command;
    command.ActiveConnection = connection;
    command.CommandType = adCmdStoredProc;
    command.CommandText = std::u16string(query);
    command.Parameters().Append(command.CreateParameter(parameterName, adLongVarWChar, adParamInput, 255));
    command.Parameters(parameterName).Value = std::move(value);
    std::int64_t recordsAffected = 0;
    return command.Execute(recordsAffected, adOptionUnspecified);
}

// Reads every row; a row that fails is skipped and the walk goes on. A failing move (a
// damaged page, a query stopped at its budget) cannot go on: it ends the lookup with its own
// error, never with a shorter answer that looks whole.
void EachRow(Recordset& rs, const std::function<void(const Recordset&)>& read) {
    while (!rs.Eof()) {
        try {
            read(rs);
        } catch (const DataError&) {
        }
        rs.MoveNext();
    }
    rs.Close();
}

}  // namespace

std::vector<std::u16string> QuerySindhiMeanings(const Connection& connection, std::u16string_view englishWord) {
    Recordset rs = RunStoredQuery(connection, schema::MeaningsOfEnglishQuery, u"@x",
                                  EncryptText(CapitalizeFirst(englishWord), CipherKey));
    std::vector<std::u16string> meanings;
    EachRow(rs, [&](const Recordset& row) {
        if (FieldValue y = row.Fields(u"y")) meanings.push_back(DecryptText(*y, CipherKey));
    });
    return meanings;
}

std::vector<DefinitionRow> QueryDefinitions(const Connection& connection, std::u16string_view englishWord) {
    Recordset rs = RunStoredQuery(connection, schema::DefinitionsQuery, u"@x",
                                  EncryptText(CapitalizeFirst(englishWord), CipherKey));
    std::vector<DefinitionRow> rows;
    EachRow(rs, [&](const Recordset& row) {
        FieldValue y = row.Fields(u"y");
        FieldValue z = row.Fields(u"z");
        if (y || z)
            rows.push_back(
                {y ? DecryptText(*y, CipherKey) : std::u16string(), z ? DecryptText(*z, CipherKey) : std::u16string()});
    });
    return rows;
}

std::vector<std::u16string> QueryEnglishMeanings(const Connection& connection, std::u16string_view sindhiWord) {
    Recordset rs = RunStoredQuery(connection, schema::MeaningsOfSindhiQuery, u"@Y", TrimSpaces(sindhiWord));
    std::vector<std::u16string> meanings;
    EachRow(rs, [&](const Recordset& row) {
        if (FieldValue x = row.Fields(u"X")) meanings.push_back(DecryptText(*x, CipherKey));
    });
    return meanings;
}

}  // namespace sindhikit
