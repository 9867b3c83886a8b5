// The rows of the three lookups on the word store, as the lookup windows and the command
// line run them: each calls its stored query (StoredQueries.h) with one named parameter and
// returns the deciphered rows in the order the query returns them. LookupTexts.h turns them
// into the texts the windows show.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "LookupLines.h"
#include "access/Connection.h"

namespace sindhikit {

// getXfromPD with @x = EncryptText(CapitalizeFirst(word), CipherKey): column y of each row,
// deciphered, not yet trimmed (SindhiMeaningLine trims).
std::vector<std::u16string> QuerySindhiMeanings(const dataaccess::Connection& connection,
                                                std::u16string_view englishWord);

// getXstrip with the same @x: columns y and z of each row, deciphered, as stored.
std::vector<Definition> QueryDefinitions(const dataaccess::Connection& connection, std::u16string_view englishWord);

// getYfromPD with @Y = the Sindhi word trimmed, as plain text: column X of each row,
// deciphered, exactly as deciphered. These are the entries of EnglishMeaningsList.
std::vector<std::u16string> QueryEnglishMeanings(const dataaccess::Connection& connection,
                                                 std::u16string_view sindhiWord);

// Failures before the first row is read reach the caller: CipherKeyNotSet when start-up has
// not set CipherKey, dataaccess::DataError when the connection cannot be used, the stored
// query is missing or refused, or its rows lack the query's columns. So does a failure to move
// to the next row (a damaged store, a query stopped at its budget). In the row walk a row whose
// column is Null adds nothing (a definition adds nothing only when both parts are Null).

}  // namespace sindhikit
