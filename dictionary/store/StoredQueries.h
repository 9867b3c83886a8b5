// The store's three stored queries, each in one place: the name the program calls, its one
// named input parameter, the SQL our store keeps for it (the builder writes it into the
// StoredQueries table) and the columns the program reads from its rows. RunStoredQuery is
// the one call every lookup, the checker, the benchmark and the tests use.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "access/Connection.h"
#include "access/Recordset.h"

namespace sindhikit {

struct StoredQuery {
    std::u16string_view name;                      // as the program calls it, e.g. getXfromPD
    std::u16string_view parameter;                 // its one input parameter, e.g. @x
    std::u16string_view sql;                       // the definition our store keeps for it
    std::span<const std::u16string_view> columns;  // read from each row, by name, without regard to case
};

namespace schema {

namespace detail {
inline constexpr std::u16string_view kSindhiMeaningColumns[] = {u"y"};
inline constexpr std::u16string_view kDefinitionColumns[] = {u"y", u"z"};
inline constexpr std::u16string_view kEnglishMeaningColumns[] = {u"X"};
}  // namespace detail

// The Sindhi meanings of an English word: @x is the enciphered lookup form of the word
// (EncryptText(CapitalizeFirst(word))); column y, one meaning a row, in source order.
inline constexpr StoredQuery getXfromPD{u"getXfromPD", u"@x", u"SELECT Y AS y FROM Pairs WHERE xKey = @x ORDER BY Seq",
                                        detail::kSindhiMeaningColumns};

// The English definitions of an English word: @x as above; columns y (what the definition
// is of, the part of speech in our stores) and z (the definition itself), both enciphered.
inline constexpr StoredQuery getXstrip{
    u"getXstrip", u"@x", u"SELECT y, z FROM Definitions WHERE xKey = @x ORDER BY Seq", detail::kDefinitionColumns};

// The English meanings of a Sindhi word: @Y is the Sindhi word as plain text; column X,
// enciphered, one meaning a row.
inline constexpr StoredQuery getYfromPD{u"getYfromPD", u"@Y", u"SELECT X FROM Pairs WHERE Y = @Y ORDER BY Seq",
                                        detail::kEnglishMeaningColumns};

inline constexpr std::array<const StoredQuery*, 3> AllStoredQueries = {&getXfromPD, &getXstrip, &getYfromPD};

}  // namespace schema

// Calls a stored query the way every lookup does: a new command on the connection, the
// query's one parameter (long Unicode text, input, size 255) created and appended, its value
// set by name, the command executed. Before any row is read it makes sure the rows carry the
// query's columns, so a store whose query returns other columns fails here, naming the query
// and the column, instead of answering every lookup with nothing. Failures raise
// dataaccess::DataError.
dataaccess::Recordset RunStoredQuery(const dataaccess::Connection& connection, const StoredQuery& query,
                                     dataaccess::FieldValue value);

}  // namespace sindhikit
