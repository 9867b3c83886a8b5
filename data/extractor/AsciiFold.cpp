#include "AsciiFold.h"

#include <cstdint>

namespace sindhikit::data {
namespace {

// Decodes one UTF-8 sequence at s[i]; returns -1 for malformed input.
std::int32_t NextCodePoint(std::string_view s, std::size_t& i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char b = byte(i);
    int extra = b < 0x80 ? 0 : (b >> 5) == 0x6 ? 1 : (b >> 4) == 0xE ? 2 : (b >> 3) == 0x1E ? 3 : -1;
    if (extra < 0 || i + extra >= s.size()) return -1;
    std::int32_t cp = extra == 0 ? b : b & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        unsigned char c = byte(i + k);
        if ((c & 0xC0) != 0x80) return -1;
        cp = (cp << 6) | (c & 0x3F);
    }
    i += extra + 1;
    return cp;
}

// U+00C0..U+00FF; '\0' marks a character with no letter fold (handled below or impossible).
using namespace std::string_view_literals;
constexpr std::string_view kLatin1 =
    "AAAAAA\0CEEEEIIII"
    "DNOOOOO\0OUUUUY\0\0"
    "aaaaaa\0ceeeeiiii"
    "dnooooo\0ouuuuy\0y"sv;
static_assert(kLatin1.size() == 0x40);
// U+0100..U+017F, '\0' where the fold is more than one letter.
constexpr std::string_view kLatinExtendedA =
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi\0\0JjKkkLlLlLlLlLlNnNnNnnNnOoOoOo\0\0"
    "RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs"sv;
static_assert(kLatinExtendedA.size() == 0x80);

std::optional<std::string> FoldCodePoint(std::int32_t cp) {
    if (cp >= 0x20 && cp < 0x7F) return std::string(1, static_cast<char>(cp));
    if (cp == '\t' || cp == '\n' || cp == '\r') return std::string(" ");
    switch (cp) {
        case 0x00A0:
        case 0x2002:
        case 0x2003:
        case 0x2007:
        case 0x2009:
        case 0x200A:
        case 0x202F:
            return std::string(" ");
        case 0x00C6:
            return std::string("AE");
        case 0x00E6:
            return std::string("ae");
        case 0x00DE:
            return std::string("Th");
        case 0x00FE:
            return std::string("th");
        case 0x00DF:
            return std::string("ss");
        case 0x00D7:
            return std::string("x");
        case 0x0132:
            return std::string("IJ");
        case 0x0133:
            return std::string("ij");
        case 0x0152:
            return std::string("OE");
        case 0x0153:
            return std::string("oe");
        case 0x2010:
        case 0x2011:
        case 0x2012:
        case 0x2013:
        case 0x2014:
        case 0x2015:
        case 0x2212:
            return std::string("-");
        case 0x2018:
        case 0x2019:
        case 0x201A:
        case 0x2032:
        case 0x02BC:
            return std::string("'");
        case 0x201C:
        case 0x201D:
        case 0x201E:
        case 0x2033:
            return std::string("\"");
        case 0x2026:
            return std::string("...");
        case 0x00B7:
        case 0x2022:
        case 0x2024:
            return std::string(".");
        default:
            break;
    }
    if (cp >= 0x0300 && cp <= 0x036F) return std::string();  // combining accents: base letter stays
    if (cp >= 0x00C0 && cp <= 0x00FF && kLatin1[cp - 0x00C0] != '\0') return std::string(1, kLatin1[cp - 0x00C0]);
    if (cp >= 0x0100 && cp <= 0x017F && kLatinExtendedA[cp - 0x0100] != '\0')
        return std::string(1, kLatinExtendedA[cp - 0x0100]);
    return std::nullopt;
}

}  // namespace

Folded FoldToAscii(std::string_view utf8) {
    std::string out;
    bool changed = false;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t start = i;
        std::int32_t cp = NextCodePoint(utf8, i);
        if (cp < 0) return {FoldResult::Impossible, {}};
        auto folded = FoldCodePoint(cp);
        if (!folded) return {FoldResult::Impossible, {}};
        if (*folded != utf8.substr(start, i - start)) changed = true;
        for (char c : *folded) {
            if (c == ' ' && (out.empty() || out.back() == ' ')) {
                changed = true;
                continue;
            }
            out += c;
        }
    }
    while (!out.empty() && out.back() == ' ') {
        out.pop_back();
        changed = true;
    }
    if (out.empty()) return {FoldResult::Impossible, {}};
    return {changed ? FoldResult::Folded : FoldResult::Unchanged, out};
}

}  // namespace sindhikit::data
