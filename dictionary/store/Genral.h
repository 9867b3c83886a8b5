// Genral: word normalisation shared by the lookups, the command line and the store builder.
#pragma once

#include <string>
#include <string_view>

namespace sindhikit {

// Upper-cases the first character of word (only the first code unit changes; the rest
// stays as it was), then removes leading and trailing spaces (U+0020 only: tabs and other
// white space stay). An empty word comes back empty. Because capitalising comes first,
// " apple" becomes "apple".
std::u16string CapitalizeFirst(std::u16string_view word);

// The form CapitalizeFirst leaves in the caller's variable: the first character
// upper-cased, nothing trimmed.
std::u16string CapitalizedUntrimmed(std::u16string_view word);

// Upper-case form of one UTF-16 code unit: the simple one-to-one mapping of Basic Latin,
// Latin-1, Latin Extended-A, basic Greek and basic Cyrillic letters (the range stored
// English text can use); every other unit comes back as it is.
char16_t UpperCaseUnit(char16_t unit);

// Removes leading and trailing U+0020 (the trim of the lookups).
std::u16string TrimSpaces(std::u16string_view text);

}  // namespace sindhikit
