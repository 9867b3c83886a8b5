// Key-map lookups per second against the physical limit: a bare 128-entry array lookup
// loop over the same key sequence. Prints each map's speed as a ratio of that baseline.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "keymaps/KeyMap.h"

namespace {

using sindhikit::CodePoint;
using sindhikit::KeyCode;

// What a typist sends: printable US-keyboard codes, fixed seed so every run sees the same.
const std::vector<KeyCode>& Keys() {
    static const std::vector<KeyCode> keys = [] {
        std::mt19937 random(20261211);
        std::uniform_int_distribution<KeyCode> printable(32, 126);
        std::vector<KeyCode> sequence(4096);
        for (KeyCode& key : sequence) key = printable(random);
        return sequence;
    }();
    return keys;
}

template <typename Lookup>
void RunLookups(benchmark::State& state, Lookup lookup) {
    const std::vector<KeyCode>& keys = Keys();
    std::vector<CodePoint> out(keys.size());
    for (auto _ : state) {
        for (std::size_t i = 0; i < keys.size(); ++i) out[i] = lookup(keys[i]);
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * keys.size()));
}

void BareArrayLookup(benchmark::State& state) {
    std::array<CodePoint, 128> table{};
    for (int k = 0; k < 128; ++k) table[k] = 1536 + k;
    benchmark::DoNotOptimize(table.data());
    RunLookups(state, [&table](KeyCode key) { return table[key & 127]; });
}
// Lambdas, not function pointers, so each map is called directly as a caller's loop would.
void SindhiKeyToUnicode(benchmark::State& state) {
    RunLookups(state, [](KeyCode key) { return sindhikit::SindhiKeyToUnicode(key); });
}
void UrduKeyToUnicode(benchmark::State& state) {
    RunLookups(state, [](KeyCode key) { return sindhikit::UrduKeyToUnicode(key); });
}
void FarsiKeyToUnicode(benchmark::State& state) {
    RunLookups(state, [](KeyCode key) { return sindhikit::FarsiKeyToUnicode(key); });
}
void KeyToUnicodeSindhi(benchmark::State& state) {
    RunLookups(state, [](KeyCode key) { return sindhikit::KeyToUnicode(1, key); });
}

BENCHMARK(BareArrayLookup);
BENCHMARK(SindhiKeyToUnicode);
BENCHMARK(UrduKeyToUnicode);
BENCHMARK(FarsiKeyToUnicode);
BENCHMARK(KeyToUnicodeSindhi);

// Console output as usual, plus the lookups per second of each run kept for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
    RatioReporter() : ConsoleReporter(OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto items = run.counters.find("items_per_second");
            if (items != run.counters.end()) perSecond_[run.benchmark_name()] = items->second.value;
        }
    }
    const std::map<std::string, double>& PerSecond() const { return perSecond_; }

 private:
    std::map<std::string, double> perSecond_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;  // plain tabular output: the figures go into notes and logs
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto& perSecond = reporter.PerSecond();
    const auto baseline = perSecond.find("BareArrayLookup");
    if (baseline == perSecond.end() || baseline->second <= 0) return 0;  // filtered out
    std::printf("\nlookups per second as a ratio of BareArrayLookup (%.3g/s); goal >= 0.5\n", baseline->second);
    for (const auto& [name, value] : perSecond) {
        if (name != baseline->first) std::printf("  %-22s %.2f\n", name.c_str(), value / baseline->second);
    }
    return 0;
}
