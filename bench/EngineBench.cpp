// Calc on typical formulas (20-40 characters with functions, normalisation included) and on a
// formula of the maximum length.
#include "engine/CalculatorExpression.h"

#include <benchmark/benchmark.h>

#include <QString>

#include <array>

namespace {

const std::array<QString, 8> kTypicalFormulas = {
    QStringLiteral("sin(30)+cos(60)*sqrt(16)/log(100)"),
    QStringLiteral("(1000)*1.08+ANS*2-fact(5)/3"),
    QStringLiteral("2^10 + 3.5E2 * (1 - 0.25)%"),
    QStringLiteral("sqrt(2)*pi/4 + ln(10) - exp(1)"),
    QStringLiteral("１２３４×５６÷７８＋ＡＮＳ－９"),
    QStringLiteral("(17 MOD 5) + 0xFF AND 0b1010 * 3"),
    QStringLiteral("asin(0.5)+atanr(1)+sinh 0.5+V1"),
    QStringLiteral("((1.5+2.25)*(3.125-4))^2 / 7"),
};

void BM_CalcTypicalFormula(benchmark::State& state) {
    const QString& formula = kTypicalFormulas[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) {
        TCalculatorExpression expression;
        expression.SetPreviousResultValue(5);
        expression.SetVariableName(1, QStringLiteral("V1"));
        expression.SetVariableValue(1, 2);
        benchmark::DoNotOptimize(expression.Calc(formula));
    }
    state.SetLabel(formula.toStdString());
}
BENCHMARK(BM_CalcTypicalFormula)->DenseRange(0, kTypicalFormulas.size() - 1);

void BM_CalcMaximumLength(benchmark::State& state) {
    // 1024 characters: a sum of 64 groups, each with a product and a function.
    const QString formula =
        QStringLiteral("(1.25*3+sin 30)+").repeated(63) + QStringLiteral("(1.25*3+sin 300)");
    for (auto _ : state) {
        TCalculatorExpression expression;
        try {
            benchmark::DoNotOptimize(expression.Calc(formula));
        } catch (const EExpressionError&) {
            state.SkipWithError("the benchmark formula does not evaluate");
        }
    }
    state.SetLabel(std::to_string(formula.size()) + " characters");
}
BENCHMARK(BM_CalcMaximumLength);

} // namespace
