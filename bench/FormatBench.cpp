#include "model/DigitGroups.h"
#include "model/ResultFormat.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

struct TFormatCase {
    int RoundDecimal;
    TRoundSelector Selector;
    bool Grouped;
};

// The displays a user switches between most: Normal, 2 decimals grouped, CUT, HEX.
// clang-format off
constexpr std::array<TFormatCase, 4> Mix = {{
    {-1, rs54, false},
    {2, rs54, true},
    {2, rsCut, false},
    {-16, rs54, false},
}};
// clang-format on

constexpr std::array<long double, 8> Values = {
    1234.5L, -1234567.891L, 0.125L, 999.995L, 1.0L / 3, 123456789012345.0L, -0.005L, 42.0L,
};

void BM_FormatResultValueMix(benchmark::State& State) {
    const TNumberSeparators Separators = MachineNumberSeparators();
    std::size_t Index = 0;
    for (auto _ : State) {
        const TFormatCase& Case = Mix[Index % Mix.size()];
        const long double Value = Values[Index % Values.size()];
        benchmark::DoNotOptimize(FormatResultValue(false, Case.RoundDecimal, Value, Case.Selector,
                                                   Case.Grouped, Separators));
        ++Index;
    }
}
BENCHMARK(BM_FormatResultValueMix);

void BM_FormatResultValueCase(benchmark::State& State) {
    const TFormatCase& Case = Mix[static_cast<std::size_t>(State.range(0))];
    const TNumberSeparators Separators = MachineNumberSeparators();
    std::size_t Index = 0;
    for (auto _ : State) {
        benchmark::DoNotOptimize(FormatResultValue(false, Case.RoundDecimal,
                                                   Values[Index % Values.size()], Case.Selector,
                                                   Case.Grouped, Separators));
        ++Index;
    }
}
BENCHMARK(BM_FormatResultValueCase)->DenseRange(0, static_cast<int>(Mix.size()) - 1);

// The 15-digit rounding text made for every evaluation.
void BM_GeneralText15(benchmark::State& State) {
    const TNumberSeparators Separators = MachineNumberSeparators();
    std::size_t Index = 0;
    for (auto _ : State) {
        benchmark::DoNotOptimize(GeneralText(Values[Index % Values.size()], 15, Separators));
        ++Index;
    }
}
BENCHMARK(BM_GeneralText15);

// Pasted text of N characters: one grouped number that joins, the same spoilt by its last group
// (every group is looked at again after the run fails), and short groups that never join. The
// time per character stays flat as N grows.
void BM_JoinDigitGroups(benchmark::State& State) {
    const qsizetype Size = static_cast<qsizetype>(State.range(1));
    QString Text;
    switch (State.range(0)) {
    case 0: Text = QStringLiteral("1") + QStringLiteral(",234").repeated(Size / 4); break;
    case 1:
        Text =
            QStringLiteral("1") + QStringLiteral(",234").repeated(Size / 4) + QStringLiteral(",2");
        break;
    default: Text = QStringLiteral("1,2").repeated(Size / 3); break;
    }
    const TNumberSeparators Separators = MachineNumberSeparators();
    for (auto _ : State) benchmark::DoNotOptimize(JoinDigitGroups(Text, Separators));
    State.SetItemsProcessed(static_cast<std::int64_t>(State.iterations()) * Text.size());
}
BENCHMARK(BM_JoinDigitGroups)
    ->ArgsProduct({{0, 1, 2}, {1000, 10000, 100000}})
    ->ArgNames({"kind", "chars"});

} // namespace
