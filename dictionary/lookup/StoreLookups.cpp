#include "StoreLookups.h"

#include "EncDec.h"
#include "Genral.h"
#include "StoredQueries.h"
#include "access/DataError.h"
#include "access/Recordset.h"

namespace sindhikit {
namespace {

using namespace dataaccess;

// Reads every row, in order. Reading a row cannot fail once the call has checked the columns.
// A failing move (a damaged page, a query stopped at its budget) cannot go on: it ends the
// lookup with its own error, never with a shorter answer that looks whole.
template <class ReadRow>
void EachRow(Recordset& rows, ReadRow&& read) {
    while (!rows.Eof()) {
        read(rows);
        rows.MoveNext();
    }
    if (rows.IsOpen()) rows.Close();
}

// The parameter of both English lookups: the word's lookup form, enciphered.
std::u16string EnglishParameter(std::u16string_view englishWord) {
    return EncryptText(CapitalizeFirst(englishWord), RequireCipherKey());
}

}  // namespace

std::vector<std::u16string> QuerySindhiMeanings(const Connection& connection, std::u16string_view englishWord) {
    const StoredQuery& query = schema::getXfromPD;
    Recordset rows = RunStoredQuery(connection, query, EnglishParameter(englishWord));
    std::vector<std::u16string> meanings;
    EachRow(rows, [&](const Recordset& row) {
        if (FieldValue meaning = row.Fields(query.columns[0])) meanings.push_back(DecryptText(*meaning, CipherKey));
    });
    return meanings;
}

std::vector<Definition> QueryDefinitions(const Connection& connection, std::u16string_view englishWord) {
    const StoredQuery& query = schema::getXstrip;
    Recordset rows = RunStoredQuery(connection, query, EnglishParameter(englishWord));
    std::vector<Definition> definitions;
    EachRow(rows, [&](const Recordset& row) {
        const FieldValue partOfSpeech = row.Fields(query.columns[0]);
        const FieldValue gloss = row.Fields(query.columns[1]);
        if (partOfSpeech || gloss)
            definitions.push_back({partOfSpeech ? DecryptText(*partOfSpeech, CipherKey) : std::u16string(),
                                   gloss ? DecryptText(*gloss, CipherKey) : std::u16string()});
    });
    return definitions;
}

std::vector<std::u16string> QueryEnglishMeanings(const Connection& connection, std::u16string_view sindhiWord) {
    const StoredQuery& query = schema::getYfromPD;
    RequireCipherKey();  // the meanings come back enciphered
    Recordset rows = RunStoredQuery(connection, query, TrimSpaces(sindhiWord));
    std::vector<std::u16string> meanings;
    EachRow(rows, [&](const Recordset& row) {
        if (FieldValue meaning = row.Fields(query.columns[0])) meanings.push_back(DecryptText(*meaning, CipherKey));
    });
    return meanings;
}

}  // namespace sindhikit
