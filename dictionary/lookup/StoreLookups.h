// The three lookups on the word store, as the lookup windows and the command line run them:
// each calls its stored query with one named parameter and returns the deciphered rows in
// the order the query returns them.
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
std::vector<DefinitionRow> QueryDefinitions(const dataaccess::Connection& connection, std::u16string_view englishWord);

// getYfromPD with @Y = the Sindhi word trimmed, as plain text: column X of each row,
// deciphered, exactly as deciphered.
std::vector<std::u16string> QueryEnglishMeanings(const dataaccess::Connection& connection,
                                                 std::u16string_view sindhiWord);

// Failures of the query call itself (the connection not usable, a stored query missing or
// refused) reach the caller as dataaccess::DataError, and so does a failure to move to the
// next row (a damaged store, a query stopped at its budget). Inside the row walk a row whose
// field cannot be read is skipped and the walk goes on, and a row whose column is Null adds
// nothing.

}  // namespace sindhikit
