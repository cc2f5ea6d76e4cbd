// Per-call time of convert on each calendar, over a mix of typical entries,
// and of the leading-number reading alone.

#include "Entry.h"
#include "NumberReader.h"

#include <array>
#include <benchmark/benchmark.h>
#include <optional>
#include <string_view>

namespace {

using mrv::CalendarKind;

// Entries as people type them: whole years, two-decimal SC dates, negative
// years, a few with blanks, fractions or an exponent.
constexpr std::array<std::string_view, 8> kScEntries = {"361.98", "339.14", "11.47",         "666.81",
                                                        "318.28", "400.5",  " 3 6 1 . 9 8 ", "361.981"};
constexpr std::array<std::string_view, 8> kEyEntries = {"2002", "-1",     "34853", "-30681",
                                                        "4370", "2002.5", "1e-7",  " 1 9 9 9 "};
constexpr std::array<std::string_view, 8> kAwEntries = {"2284", "0",   "-32767", "30681",
                                                        "-84",  "1.5", "&H7FF",  " - 2 0 8 6 "};

template <std::size_t N>
void runConvert(benchmark::State& state, CalendarKind calendar,
                const std::array<std::string_view, N>& entries)
{
    std::size_t i = 0;
    for (auto _ : state) {
        auto outcome = mrv::convert(calendar, entries[i]);
        benchmark::DoNotOptimize(outcome);
        i = (i + 1) % N;
    }
}

void BM_ConvertSC(benchmark::State& state)
{
    runConvert(state, CalendarKind::SC, kScEntries);
}
void BM_ConvertEY(benchmark::State& state)
{
    runConvert(state, CalendarKind::EY, kEyEntries);
}
void BM_ConvertAW(benchmark::State& state)
{
    runConvert(state, CalendarKind::AW, kAwEntries);
}

void BM_ReadLeadingNumber(benchmark::State& state)
{
    std::size_t i = 0;
    for (auto _ : state) {
        auto value = mrv::readLeadingNumber(kScEntries[i]);
        benchmark::DoNotOptimize(value);
        i = (i + 1) % kScEntries.size();
    }
}

BENCHMARK(BM_ConvertSC);
BENCHMARK(BM_ConvertEY);
BENCHMARK(BM_ConvertAW);
BENCHMARK(BM_ReadLeadingNumber);

} // namespace

BENCHMARK_MAIN();
