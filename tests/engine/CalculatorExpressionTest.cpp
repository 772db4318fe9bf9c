#include "engine/CalculatorExpression.h"
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// A calculator expression with ANS and the six variables loaded from a compact description.
class CalculatorExpressionTest : public testing::Test {
protected:
    TCalculatorExpression Expression;

    void SetVariables(std::initializer_list<std::pair<QString, long double>> AVariables) {
        int number = 1;
        for (const auto& [name, value] : AVariables) {
            Expression.SetVariableName(number, name);
            Expression.SetVariableValue(number, value);
            ++number;
        }
    }
    TOutcome Run(const QString& AFormula) { return Evaluate(Expression, AFormula); }
};

TEST_F(CalculatorExpressionTest, AnsIsZeroUntilSetAndTakesPartInImpliedMultiplication) {
    EXPECT_EQ(Run(u"ANS+1"_qs).Value, 1);
    Expression.SetPreviousResultValue(5);
    EXPECT_EQ(Run(u"ANS*2"_qs).Value, 10);
    EXPECT_EQ(Run(u"2ANS"_qs).Value, 10);
    EXPECT_EQ(Run(u"ans"_qs).Value, 5);
    EXPECT_EQ(Run(u"FACT ANS"_qs).Value, 120);
}

TEST_F(CalculatorExpressionTest, VariablesByExactName) {
    SetVariables({{u"X"_qs, 3}, {u"X1"_qs, 7}, {u"税率"_qs, 0.1L}, {u"RATE"_qs, 2}});
    struct Case {
        const char16_t* Formula;
        long double Expected;
    };
    for (const Case& c : {Case{u"X^2", 9}, Case{u"2X", 6}, Case{u"x", 3}, Case{u"SIN(X*10)", 0.5L},
                          Case{u"X1", 7}, Case{u"100税率", 10}, Case{u"rate+Rate+RATE", 6}}) {
        const TOutcome outcome = Run(QString::fromUtf16(c.Formula));
        ASSERT_EQ(outcome.Kind, TOutcome::okValue) << QString::fromUtf16(c.Formula).toStdString();
        EXPECT_EQ(outcome.Value, c.Expected) << QString::fromUtf16(c.Formula).toStdString();
    }
}

TEST_F(CalculatorExpressionTest, NamesThatCanNeverBeFound) {
    SetVariables(
        {{u"x"_qs, 1}, {u"Ｙ"_qs, 2}, {u"A B"_qs, 3}, {u""_qs, 4}, {u"カナ"_qs, 5}, {u"Z"_qs, 6}});
    for (const char16_t* formula : {u"x", u"Ｙ", u"A B", u"カナ", u"Z1"})
        EXPECT_EQ(Run(QString::fromUtf16(formula)).Error, enSyntaxError)
            << QString::fromUtf16(formula).toStdString();
}

TEST_F(CalculatorExpressionTest, BuiltinsWinThenAnsThenTheLowestNumber) {
    Expression.SetPreviousResultValue(42);
    SetVariables({{u"A"_qs, 1}, {u"A"_qs, 2}, {u"PI"_qs, 3}, {u"ANS"_qs, 4}, {u"TRUE"_qs, 5}});
    EXPECT_EQ(Run(u"A"_qs).Value, 1);
    EXPECT_NE(Run(u"PI"_qs).Value, 3);
    EXPECT_EQ(Run(u"ANS"_qs).Value, 42);
    EXPECT_EQ(Run(u"TRUE"_qs).Value, 1);
}

TEST_F(CalculatorExpressionTest, VariableNumbersOutsideTheRangeAreRejected) {
    EXPECT_THROW(Expression.SetVariableName(0, u"A"_qs), std::out_of_range);
    EXPECT_THROW(Expression.SetVariableValue(7, 1), std::out_of_range);
}

} // namespace
