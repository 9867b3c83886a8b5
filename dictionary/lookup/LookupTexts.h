// The texts the lookup windows show, and the whole lookups of the command line, built from
// the rows of StoreLookups.h and the line formats of LookupLines.h. Each function runs its
// stored query on the connection given (the program passes StoreConnection) and returns
// the text or list to show; lineEnd is CR LF in the windows. Failures before the first row
// reach the caller as StoreLookups.h says.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "LookupLines.h"
#include "StoreLookups.h"
#include "access/Connection.h"

namespace sindhikit {

// frmEnglish2Sindhi, ShowSindhiMeanings: the text of SindhiMeanings for an English word,
// numbered lines (empty when the store has no meaning). LookUpEnglish shows it before it asks
// for EnglishDefinitionsText, so a failure there leaves these meanings on screen.
std::u16string SindhiMeaningsText(const dataaccess::Connection& connection, std::u16string_view englishWord,
                                  std::u16string_view lineEnd = u"\r\n");

// frmEnglish2Sindhi, ShowEnglishDefinitions: the text of EnglishMeaning for an English
// word: a single space, then the numbered definition lines.
std::u16string EnglishDefinitionsText(const dataaccess::Connection& connection, std::u16string_view englishWord,
                                      std::u16string_view lineEnd = u"\r\n");

// frmSindhiToEnglish, LookUpSindhi: the entries of EnglishMeaningsList are
// QueryEnglishMeanings(connection, sindhiWord).

// frmSindhiToEnglish, ShowMeaningDefinitions: the text of EnglishMeaning for an English
// meaning chosen in the list: the numbered definition lines, starting empty. (The window
// skips a failure of this call and shows the empty text.)
std::u16string MeaningDefinitionsText(const dataaccess::Connection& connection, std::u16string_view englishMeaning,
                                      std::u16string_view lineEnd = u"\r\n");

// sindhikit en: the Sindhi meanings, then the definitions (with their leading space), or the
// empty text when the store knows neither. Without definitions the lone space is left out.
std::u16string EnglishLookupText(const dataaccess::Connection& connection, std::u16string_view englishWord,
                                 std::u16string_view lineEnd);

// sindhikit sd: each English meaning on a line of its own, followed, when withDefinitions,
// by that meaning's definition lines; the empty text when the store has no meaning.
std::u16string SindhiLookupText(const dataaccess::Connection& connection, std::u16string_view sindhiWord,
                                bool withDefinitions, std::u16string_view lineEnd);

}  // namespace sindhikit
