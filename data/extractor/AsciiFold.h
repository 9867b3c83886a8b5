// English text from CLDR is mostly ASCII, with a few accented names ("Côte d’Ivoire") and
// typographic punctuation. The store's cipher keeps only codes below 1000 after masking, and
// the store builder refuses anything else, so English text is folded to printable ASCII here,
// deliberately and visibly (the extractor counts what it folded and what it had to leave out).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sindhikit::data {

enum class FoldResult { Unchanged, Folded, Impossible };

struct Folded {
    FoldResult result;
    std::string text;  // printable ASCII; empty when Impossible
};

// Folds UTF-8 text to printable ASCII: Latin letters with diacritics to their base letters,
// curly quotes, dashes, ellipsis and non-breaking spaces to their ASCII forms, white space runs
// to one space. Any other non-ASCII character (or invalid UTF-8) makes the fold Impossible.
Folded FoldToAscii(std::string_view utf8);

}  // namespace sindhikit::data
