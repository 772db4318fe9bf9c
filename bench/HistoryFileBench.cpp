// Reading and writing a full kept history (1,000 entries) as the window does at start-up and at
// shutdown, through the file system (the write with its sync and rename), and making the text
// alone. A typical history holds short formulas with their evaluated results; the longest holds
// 1,024-character formulas, the most the evaluator takes. "file_bytes" is the file's size.
#include "model/CalcEvaluation.h"
#include "model/HistoryFile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>

namespace {

// Formulas as people type them: prices with tax, sums, functions, percentages, variables.
constexpr std::array<const char*, 12> Templates = {
    "%1*1.08",    "(%1+250)*0.92", "%1/12", "SIN %1+COS 60", "SQRT %1",  "%1^2-1",
    "1200-%1*3%", "LOG %1",        "%1*V1", "ANS+%1",        "%1 MOD 7", "2(%1+0.5)/3",
};

TExpressionHistoryList TypicalHistory() {
    const TVariableButtonData Variables;
    TExpressionHistoryList Entries;
    std::optional<long double> Previous;
    for (int N = 0; static_cast<int>(Entries.size()) < MaxKeptHistoryEntries; ++N) {
        const QString Formula =
            QString::fromLatin1(Templates[std::size_t(N) % Templates.size()]).arg(N * 7 + 13);
        auto Entry = std::make_unique<TExpressionHistory>();
        try {
            Entry->SetResultValue(CalculateFormula(Formula, Variables, Previous, u"."));
        } catch (...) {
            continue;
        }
        Entry->SetExpression(Formula);
        Entry->SetRoundDecimal(N % 5 == 0 ? 2 : -1);
        Entry->SetIsPercent(N % 17 == 0);
        Previous = Entry->ResultValue();
        Entries.insert(Entries.begin(), std::move(Entry));
    }
    return Entries;
}

TExpressionHistoryList LongestHistory() {
    TExpressionHistoryList Entries;
    for (int N = 0; N < MaxKeptHistoryEntries; ++N) {
        auto Entry = std::make_unique<TExpressionHistory>();
        Entry->SetExpression(QString(1024, u'税'));
        Entry->SetResultValue(1.0L / (N + 3));
        Entries.push_back(std::move(Entry));
    }
    return Entries;
}

TExpressionHistoryList HistoryOfShape(int Shape) {
    return Shape == 0 ? TypicalHistory() : LongestHistory();
}

void SetLabel(benchmark::State& State) {
    State.SetLabel(State.range(0) == 0 ? "typical" : "longest");
}

void BM_WriteHistoryFile(benchmark::State& State) {
    const TExpressionHistoryList Entries = HistoryOfShape(int(State.range(0)));
    QTemporaryDir Dir;
    const QString FileName = Dir.filePath("Zemtrix.history");
    for (auto _ : State) WriteHistoryFile(FileName, Entries);
    State.counters["file_bytes"] = double(HistoryToBytes(Entries).size());
    SetLabel(State);
}

void BM_ReadHistoryFile(benchmark::State& State) {
    const TExpressionHistoryList Entries = HistoryOfShape(int(State.range(0)));
    QTemporaryDir Dir;
    const QString FileName = Dir.filePath("Zemtrix.history");
    WriteHistoryFile(FileName, Entries);
    for (auto _ : State) {
        const THistoryReadResult Read = ReadHistoryFile(FileName);
        if (Read.Entries.size() != Entries.size()) std::abort();
    }
    State.counters["file_bytes"] = double(HistoryToBytes(Entries).size());
    SetLabel(State);
}

void BM_HistoryToBytes(benchmark::State& State) {
    const TExpressionHistoryList Entries = HistoryOfShape(int(State.range(0)));
    for (auto _ : State) benchmark::DoNotOptimize(HistoryToBytes(Entries));
    SetLabel(State);
}

} // namespace

BENCHMARK(BM_WriteHistoryFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadHistoryFile)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HistoryToBytes)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
