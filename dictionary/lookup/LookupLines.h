// The numbered lines the two lookups show: Sindhi meanings and English definitions of an
// English word, and the definitions of an English meaning chosen in the Sindhi-to-English
// lookup. Shared by the Dictionary windows (line end CR LF) and the command line (the
// platform's newline).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sindhikit {

// The row counter of the lookups is a 16-bit signed integer.
using RowNumber = std::int16_t;

// The counter after row n. Adding past 32767 overflows the 16-bit counter; that statement
// is skipped like any failing one, so later rows keep the number 32767.
RowNumber NextRowNumber(RowNumber n);

// "n", eleven spaces, the meaning with leading and trailing spaces removed (no line end).
std::u16string SindhiMeaningLine(RowNumber n, std::u16string_view meaning);

// "n", seven spaces, the part of speech as stored, "  :   ", the gloss as stored (no line end).
std::u16string EnglishDefinitionLine(RowNumber n, std::u16string_view partOfSpeech, std::u16string_view gloss);

// One row of getXstrip, deciphered and as stored (spaces kept).
struct Definition {
    std::u16string partOfSpeech;  // column y: what the definition is of ("noun" in our stores)
    std::u16string gloss;         // column z: the definition itself

    bool operator==(const Definition&) const = default;
};

// The text of SindhiMeanings: one line per meaning, numbered from 1, each ended by lineEnd.
// No meanings give the empty text.
std::u16string NumberedSindhiMeanings(const std::vector<std::u16string>& meanings,
                                      std::u16string_view lineEnd = u"\r\n");

// Where a definitions text starts: the English-to-Sindhi window starts its text with a single
// space (so its first line begins with a space and the others do not, and no rows leave just
// the space); the Sindhi-to-English window starts it empty.
enum class DefinitionsStart { SingleSpace, Empty };

// The text of EnglishMeaning: the start, then one line per row, numbered from 1, each ended
// by lineEnd.
std::u16string NumberedDefinitions(const std::vector<Definition>& rows, DefinitionsStart start,
                                   std::u16string_view lineEnd = u"\r\n");

}  // namespace sindhikit
