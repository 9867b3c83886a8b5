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

std::u16string EnglishDefinitionLine(RowNumber n, std::u16string_view y, std::u16string_view z) {
    std::u16string line = Digits(n) + std::u16string(7, u' ');
    line += y;
    line += u"  :   ";
    line += z;
    return line;
}

std::u16string SindhiMeaningsText(const std::vector<std::u16string>& meanings, std::u16string_view lineEnd) {
    std::u16string text;
    RowNumber n = 1;
    for (const std::u16string& m : meanings) {
        text += SindhiMeaningLine(n, m);
        text += lineEnd;
        n = NextRowNumber(n);
    }
    return text;
}

std::u16string EnglishDefinitionsText(const std::vector<DefinitionRow>& rows, DefinitionsStart start,
                                      std::u16string_view lineEnd) {
    std::u16string text = start == DefinitionsStart::SingleSpace ? u" " : u"";
    RowNumber n = 1;
    for (const DefinitionRow& r : rows) {
        text += EnglishDefinitionLine(n, r.y, r.z);
        text += lineEnd;
        n = NextRowNumber(n);
    }
    return text;
}

}  // namespace sindhikit
