// InPage conversion throughput, against iconv converting the same bytes from CP1256 (the
// Arabic Windows code page, a byte-per-character table lookup) to UTF-16LE.
#include <benchmark/benchmark.h>
#include <iconv.h>

#include <cstdint>
#include <random>
#include <string>

#include "inpage/AnsiCodePage.h"
#include "inpage/InpageToUnicode.h"

namespace {

constexpr std::size_t kBytes = 1 << 20;

// Urdu-like InPage text: marked letters, now and then a space, the alef-madda sequence or
// an unmarked Latin letter.
std::string InpageBytes() {
    std::mt19937 random(1);
    std::string s;
    while (s.size() < kBytes) {
        switch (random() % 10) {
            case 0:
                s += ' ';
                break;
            case 1:
                s += "\x04\x81\x04\xB3";
                break;
            case 2:
                s += static_cast<char>('a' + random() % 26);
                break;
            default:
                s += '\x04';
                s += static_cast<char>(0x81 + random() % 39);
                break;
        }
    }
    s.resize(kBytes);
    return s;
}

// The same bytes as the characters Windows-1252 gives them, as the conversion receives them.
std::u16string AsAnsiCharacters(const std::string& bytes) {
    static const char16_t k80[32] = {0x20AC, 0x81,   0x201A, 0x192,  0x201E, 0x2026, 0x2020, 0x2021,
                                     0x2C6,  0x2030, 0x160,  0x2039, 0x152,  0x8D,   0x17D,  0x8F,
                                     0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                     0x2DC,  0x2122, 0x161,  0x203A, 0x153,  0x9D,   0x17E,  0x178};
    std::u16string out;
    for (unsigned char b : bytes) out += (b >= 0x80 && b < 0xA0) ? k80[b - 0x80] : char16_t(b);
    return out;
}

void InpageToUnicode(benchmark::State& state) {
    sindhikit::InpageTable table;
    sindhikit::FillInpageTable(table);
    const std::u16string text = AsAnsiCharacters(InpageBytes());
    for (auto _ : state) {
        std::u16string out = sindhikit::InpageToUnicode(text, table, sindhikit::AnsiCodePage::Windows1252());
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kBytes);
}
BENCHMARK(InpageToUnicode);

void IconvCp1256ToUtf16(benchmark::State& state) {
    std::string bytes = InpageBytes();
    iconv_t cd = iconv_open("UTF-16LE", "CP1256");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        state.SkipWithError("iconv has no CP1256");
        return;
    }
    std::string out(2 * kBytes + 16, '\0');
    for (auto _ : state) {
        char* in = bytes.data();
        std::size_t inLeft = bytes.size();
        char* o = out.data();
        std::size_t outLeft = out.size();
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        iconv(cd, &in, &inLeft, &o, &outLeft);
        benchmark::DoNotOptimize(out.data());
    }
    iconv_close(cd);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * kBytes);
}
BENCHMARK(IconvCp1256ToUtf16);

}  // namespace

BENCHMARK_MAIN();
