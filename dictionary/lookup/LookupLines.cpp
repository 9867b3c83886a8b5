#include "LookupLines.h"

#include "Genral.h"

namespace sindhikit {
namespace {

std::u16string Digits(RowNumber n) {
    std::u16string out;
    for (char c : std::to_string(n)) out += static_cast<char16_t>(c);
    return out;
}

}  // namespace

RowNumber NextRowNumber(RowNumber n) {
    return n == INT16_MAX ? n : static_cast<RowNumber>(n + 1);
}

std::u16string SindhiMeaningLine(RowNumber n, std::u16string_view meaning) {
    return Digits(n) + std::u16string(11, u' ') + TrimSpaces(meaning);
}

std::u16string EnglishDefinitionLine(RowNumber n, std::u16string_view partOfSpeech, std::u16string_view gloss) {
    std::u16string line = Digits(n) + std::u16string(7, u' ');
    line += partOfSpeech;
    line += u"  :   ";
    line += gloss;
    return line;
}

std::u16string NumberedSindhiMeanings(const std::vector<std::u16string>& meanings, std::u16string_view lineEnd) {
    std::u16string text;
    RowNumber n = 1;
    for (const std::u16string& m : meanings) {
        text += SindhiMeaningLine(n, m);
        text += lineEnd;
        n = NextRowNumber(n);
    }
    return text;
}

std::u16string NumberedDefinitions(const std::vector<Definition>& rows, DefinitionsStart start,
                                   std::u16string_view lineEnd) {
    std::u16string text = start == DefinitionsStart::SingleSpace ? u" " : u"";
    RowNumber n = 1;
    for (const Definition& row : rows) {
        text += EnglishDefinitionLine(n, row.partOfSpeech, row.gloss);
        text += lineEnd;
        n = NextRowNumber(n);
    }
    return text;
}

}  // namespace sindhikit
