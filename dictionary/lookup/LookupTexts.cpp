#include "LookupTexts.h"

namespace sindhikit {

std::u16string SindhiMeaningsText(const dataaccess::Connection& connection, std::u16string_view englishWord,
                                  std::u16string_view lineEnd) {
    return NumberedSindhiMeanings(QuerySindhiMeanings(connection, englishWord), lineEnd);
}

std::u16string EnglishDefinitionsText(const dataaccess::Connection& connection, std::u16string_view englishWord,
                                      std::u16string_view lineEnd) {
    return NumberedDefinitions(QueryDefinitions(connection, englishWord), DefinitionsStart::SingleSpace, lineEnd);
}

std::u16string MeaningDefinitionsText(const dataaccess::Connection& connection, std::u16string_view englishMeaning,
                                      std::u16string_view lineEnd) {
    return NumberedDefinitions(QueryDefinitions(connection, englishMeaning), DefinitionsStart::Empty, lineEnd);
}

std::u16string EnglishLookupText(const dataaccess::Connection& connection, std::u16string_view englishWord,
                                 std::u16string_view lineEnd) {
    std::u16string text = SindhiMeaningsText(connection, englishWord, lineEnd);
    const std::vector<Definition> definitions = QueryDefinitions(connection, englishWord);
    // The window's definitions text starts with a single space; without rows that space alone
    // would be a stray, unterminated line.
    if (!definitions.empty()) text += NumberedDefinitions(definitions, DefinitionsStart::SingleSpace, lineEnd);
    return text;
}

std::u16string SindhiLookupText(const dataaccess::Connection& connection, std::u16string_view sindhiWord,
                                bool withDefinitions, std::u16string_view lineEnd) {
    std::u16string text;
    for (const std::u16string& meaning : QueryEnglishMeanings(connection, sindhiWord)) {
        text += meaning;
        text += lineEnd;
        if (withDefinitions) text += MeaningDefinitionsText(connection, meaning, lineEnd);
    }
    return text;
}

}  // namespace sindhikit
