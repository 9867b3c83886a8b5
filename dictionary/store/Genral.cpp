#include "Genral.h"

namespace sindhikit {

namespace {

bool Between(char16_t u, char16_t first, char16_t last) {
    return u >= first && u <= last;
}

// Ranges where an upper-case letter at an even code is followed by its lower case.
bool InEvenUpperPairs(char16_t u) {
    return Between(u, 0x0100, 0x012F) || Between(u, 0x0132, 0x0137) || Between(u, 0x014A, 0x0177) ||
           Between(u, 0x0460, 0x0481) || Between(u, 0x048A, 0x04BF);
}

// Ranges where an upper-case letter at an odd code is followed by its lower case.
bool InOddUpperPairs(char16_t u) {
    return Between(u, 0x0139, 0x0148) || Between(u, 0x0179, 0x017E);
}

}  // namespace

char16_t UpperCaseUnit(char16_t u) {
    if (Between(u, u'a', u'z')) return static_cast<char16_t>(u - 0x20);
    if (u < 0x00B5) return u;
    if (u == 0x00B5) return 0x039C;  // micro sign -> capital mu
    if (Between(u, 0x00E0, 0x00FE) && u != 0x00F7) return static_cast<char16_t>(u - 0x20);
    if (u == 0x00FF) return 0x0178;
    if (InEvenUpperPairs(u)) return (u % 2 == 1) ? static_cast<char16_t>(u - 1) : u;
    if (InOddUpperPairs(u)) return (u % 2 == 0) ? static_cast<char16_t>(u - 1) : u;
    if (u == 0x0131) return u'I';  // dotless i
    if (u == 0x017F) return u'S';  // long s
    if (u == 0x03AC) return 0x0386;
    if (Between(u, 0x03AD, 0x03AF)) return static_cast<char16_t>(u - 0x25);
    if (u == 0x03C2) return 0x03A3;  // final sigma
    if (Between(u, 0x03B1, 0x03CB)) return static_cast<char16_t>(u - 0x20);
    if (u == 0x03CC) return 0x038C;
    if (Between(u, 0x03CD, 0x03CE)) return static_cast<char16_t>(u - 0x3F);
    if (Between(u, 0x0430, 0x044F)) return static_cast<char16_t>(u - 0x20);
    if (Between(u, 0x0450, 0x045F)) return static_cast<char16_t>(u - 0x50);
    return u;
}

std::u16string CapitalizedUntrimmed(std::u16string_view word) {
    std::u16string result(word);
    // The first occurrence of the first character is the first character itself.
    if (!result.empty()) result[0] = UpperCaseUnit(result[0]);
    return result;
}

std::u16string TrimSpaces(std::u16string_view text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) return {};
    const auto last = text.find_last_not_of(u' ');
    return std::u16string(text.substr(first, last - first + 1));
}

std::u16string CapitalizeFirst(std::u16string_view word) {
    return TrimSpaces(CapitalizedUntrimmed(word));
}

}  // namespace sindhikit
