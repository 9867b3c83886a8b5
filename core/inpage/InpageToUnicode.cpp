#include "inpage/InpageToUnicode.h"

namespace sindhikit {
namespace {

constexpr int kMarker = 4;
constexpr int kAlef = 0x81;
constexpr int kMadda = 0xB3;
constexpr char16_t kAlefWithMadda = 0x0622;

}  // namespace

std::u16string InpageToUnicode(std::u16string_view text, const InpageTable& table,
                               const AnsiCodePage& codePage) {
    std::u16string out;
    out.reserve(text.size());
    const std::size_t n = text.size();
    auto byteAt = [&](std::size_t i) { return codePage.ByteOf(text[i]); };
    for (std::size_t k = 0; k < n;) {
        if (byteAt(k) != kMarker) {
            // Unmarked: the character the byte denotes, which is the character itself. A
            // character the code page cannot hold is kept too, rather than lost as "?".
            out.push_back(text[k]);
            ++k;
            continue;
        }
        if (k + 1 == n) break;  // a marker at the very end yields nothing
        const int c = byteAt(k + 1);
        if (k + 3 < n && c == kAlef && byteAt(k + 2) == kMarker && byteAt(k + 3) == kMadda) {
            out.push_back(kAlefWithMadda);
            k += 4;
            continue;
        }
        if (c >= 0 && c <= 255 && table[static_cast<std::size_t>(c)] != 0)
            out.push_back(static_cast<char16_t>(table[static_cast<std::size_t>(c)]));
        k += 2;
    }
    return out;
}

}  // namespace sindhikit
