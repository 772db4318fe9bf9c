#include "model/HistoryFormula.h"
#include "model/CalcEvaluation.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <vector>

namespace {

struct THistoryFormulaRow {
    const char* Name;
    std::vector<long double> Values;
    const char* Sum;
    const char* Average; // "\u00F7" is the division sign the formula scanner reads
    const char* Copy;    // with the "." decimal separator
};

// clang-format off
const THistoryFormulaRow HistoryFormulaRows[] = {
    {"MixedSigns",
     {12, -3, 4.5L},
     "12 + (-3) + 4.5",
     "(12 + (-3) + 4.5) \u00F7 3",
     "12\n-3\n4.5"},
    {"OneNegative", {-3}, "(-3)", "((-3)) \u00F7 1", "-3"},
    {"OnePositive", {7}, "7", "(7) \u00F7 1", "7"},
    {"ZeroHasNoParentheses", {0, -0.0L, 5}, "0 + 0 + 5", "(0 + 0 + 5) \u00F7 3", "0\n0\n5"},
    {"LargeInScientificNotation",
     {1.5E20L, 2},
     "1.5E20 + 2",
     "(1.5E20 + 2) \u00F7 2",
     "1.5E20\n2"},
    {"SmallInScientificNotation",
     {1E-6L, -2.5E-7L},
     "1E-6 + (-2.5E-7)",
     "(1E-6 + (-2.5E-7)) \u00F7 2",
     "1E-6\n-2.5E-7"},
    {"FifteenDigitsAtMost",
     {1.0L / 3, -123456789012345.0L},
     "0.333333333333333 + (-123456789012345)",
     "(0.333333333333333 + (-123456789012345)) \u00F7 2",
     "0.333333333333333\n-123456789012345"},
    {"Nothing", {}, "", "", ""},
};
// clang-format on

class HistoryFormulaTest : public testing::TestWithParam<THistoryFormulaRow> {};

TEST_P(HistoryFormulaTest, BuildsTheTexts) {
    const THistoryFormulaRow& row = GetParam();
    EXPECT_EQ(HistorySumFormula(row.Values), QString::fromUtf8(row.Sum));
    EXPECT_EQ(HistoryAverageFormula(row.Values), QString::fromUtf8(row.Average));
    EXPECT_EQ(HistoryCopyText(row.Values, MachineNumberSeparators()), QString::fromUtf8(row.Copy));
}

// The formulas go back into the expression line: the calculator must read them to the sum and
// the average of the 15-digit values.
TEST_P(HistoryFormulaTest, FormulasEvaluateToSumAndAverage) {
    const THistoryFormulaRow& row = GetParam();
    if (row.Values.empty()) return;
    long double sum = 0;
    for (const long double value : row.Values) {
        long double rounded = 0;
        ASSERT_TRUE(
            TryReadNumber(GeneralText(value, 15, MachineNumberSeparators()), rounded, u"."));
        sum += rounded;
    }
    const auto evaluate = [](const QString& AFormula) {
        return CalculateFormula(AFormula, TVariableButtonData(), std::nullopt, u".");
    };
    EXPECT_EQ(evaluate(HistorySumFormula(row.Values)), RoundToFifteenDigits(sum));
    const long double count = static_cast<long double>(row.Values.size());
    EXPECT_EQ(evaluate(HistoryAverageFormula(row.Values)), RoundToFifteenDigits(sum / count));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, HistoryFormulaTest, testing::ValuesIn(HistoryFormulaRows),
                         [](const auto& AInfo) { return std::string(AInfo.param.Name); });

TEST(HistoryFormula, CopyUsesTheGivenDecimalSeparatorAndFormulasDoNot) {
    const std::vector<long double> values = {4.5L, -0.25L, 1.5E-20L};
    EXPECT_EQ(HistoryCopyText(values, {QStringLiteral(","), QStringLiteral(".")}),
              u"4,5\n-0,25\n1,5E-20"_qs);
    EXPECT_EQ(HistorySumFormula(values), u"4.5 + (-0.25) + 1.5E-20"_qs);
}

TEST(HistoryFormula, NonFiniteValueIsRefused) {
    const std::vector<long double> values = {1, std::numeric_limits<long double>::infinity()};
    EXPECT_THROW(HistorySumFormula(values), EResultRangeError);
    EXPECT_THROW(HistoryCopyText(values, MachineNumberSeparators()), EResultRangeError);
}

} // namespace

// clang-format on