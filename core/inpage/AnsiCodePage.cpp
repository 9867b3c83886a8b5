#include "inpage/AnsiCodePage.h"

namespace sindhikit {

AnsiCodePage::AnsiCodePage(const std::array<char32_t, 256>& characterOfByte)
    : characterOf_(characterOfByte), byteOf_(0x10000, -1) {
    // Where two bytes denote the same character, the lower byte stands for it.
    for (int b = 255; b >= 0; --b) {
        char32_t c = characterOfByte[static_cast<std::size_t>(b)];
        if (c < 0x10000) byteOf_[c] = static_cast<std::int16_t>(b);
    }
}

const AnsiCodePage& AnsiCodePage::Windows1252() {
    static const AnsiCodePage page([] {
        std::array<char32_t, 256> chars{};
        for (std::size_t b = 0; b < 256; ++b) chars[b] = static_cast<char32_t>(b);
        static constexpr char32_t k80[32] = {
            0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
            0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
            0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
        };
        for (std::size_t i = 0; i < 32; ++i) chars[0x80 + i] = k80[i];
        return chars;
    }());
    return page;
}

}  // namespace sindhikit
