#include "inpage/InpageToUnicode.h"

namespace sindhikit {
namespace {

constexpr int kMarker = 4;
constexpr int kAlef = 0x81;
constexpr int kMadda = 0xB3;
constexpr char16_t kAlefWithMadda = 0x0622;

}  // namespace

std::u16string InpageToUnicode(std::u16string_view text, const InpageTable& table, const AnsiCodePage& codePage) {
    // The result is never longer than the text: write into a buffer of that size, then trim.
    std::u16string out(text.size(), u'\0');
    char16_t* o = out.data();
    const char16_t* in = text.data();
    const std::size_t n = text.size();
    for (std::size_t k = 0; k < n;) {
        if (codePage.ByteOf(in[k]) != kMarker) {
            // Unmarked: the character the byte denotes, which is the character itself. A
            // character the code page cannot hold is kept too, rather than lost as "?".
            *o++ = in[k++];
            continue;
        }
        if (k + 1 == n) break;  // a marker at the very end yields nothing
        const int c = codePage.ByteOf(in[k + 1]);
        if (c == kAlef && k + 3 < n && codePage.ByteOf(in[k + 2]) == kMarker && codePage.ByteOf(in[k + 3]) == kMadda) {
            *o++ = kAlefWithMadda;
            k += 4;
            continue;
        }
        if (c >= 0 && table[static_cast<std::size_t>(c)] != 0)
            *o++ = static_cast<char16_t>(table[static_cast<std::size_t>(c)]);
        k += 2;
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
    return out;
}

}  // namespace sindhikit
