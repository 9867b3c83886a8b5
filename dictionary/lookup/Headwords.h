// The two headword lists of the word store, read the way the Dictionary's loading routines
// read them: the English headwords (Xlist in ID order, deciphered) for frmEnglish2Sindhi and
// the Sindhi headwords (YList, as stored) for frmSindhiToEnglish.
//
// The program's loading loop yields between its steps, so HeadwordRows lets the caller take
// them one at a time:
//
//   HeadwordRows rows(StoreConnection, HeadwordList::English);  // the exact query text
//   ... yield ...
//   if (rows.KnownEmpty()) { "Data not found.."; return; }
//   rows.MoveFirst();
//   ... clear the lists ...
//   while (!rows.Eof()) {
//       if (auto word = rows.Headword()) { ... add *word ... }
//       rows.MoveNext();
//       ... progress, yield ...
//   }
//   rows.Close();
//
// LoadHeadwords walks the same steps without pausing, for the checker, the benchmark and tests.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "access/Connection.h"
#include "access/Recordset.h"

namespace sindhikit {

enum class HeadwordList {
    English,  // " SELECT x From Xlist ORDER BY ID", column X, deciphered with CipherKey
    Sindhi,   // "SELECT Y From YList ", column Y, as stored
};

// The query text the program opens for a list, exactly as it writes it.
std::u16string_view HeadwordQueryText(HeadwordList list);

class HeadwordRows {
 public:
    // Opens a forward-only recordset with the list's query text on the connection. Raises
    // dataaccess::DataError when the query cannot run (no store open, no such table), and for
    // the English list CipherKeyNotSet while CipherKey is empty: its rows could not be
    // deciphered.
    HeadwordRows(const dataaccess::Connection& connection, HeadwordList list);

    // The record count is 0: the list is known to be empty. A count the engine does not know
    // (-1) is not 0. Raises DataError when the count cannot be read.
    bool KnownEmpty() const;

    // Back to the first row (the query runs again from the start).
    void MoveFirst();

    // No current row: the walk is over. Also true once a move has failed.
    bool Eof() const;

    // The current row's column as stored: cipher text for English, plain text for Sindhi,
    // std::nullopt for Null.
    dataaccess::FieldValue StoredValue() const;

    // The current row's headword as the lists show it: English deciphered with CipherKey,
    // Sindhi as stored; std::nullopt when the column is Null (the row is skipped).
    std::optional<std::u16string> Headword() const;

    // On to the next row. When the engine fails to deliver it, the error is raised and the walk
    // is over (Eof() is true), so a loop that skips the failed statement still ends.
    void MoveNext();

    void Close();

 private:
    HeadwordList list_;
    dataaccess::Recordset rows_;
    bool ended_ = false;
};

// Every headword of a list that is not Null, in the order the store returns them. A row the
// engine fails to deliver ends the walk, as it ends the program's loading loop. Failures
// before the first row raise as the constructor of HeadwordRows says.
std::vector<std::u16string> LoadHeadwords(const dataaccess::Connection& connection, HeadwordList list);

}  // namespace sindhikit
