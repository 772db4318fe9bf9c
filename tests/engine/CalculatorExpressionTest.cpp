#include "engine/CalculatorExpression.h"
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <optional>
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

// Stored names are compared in the working form of the formula, so a name is found however it
// is typed; a name that cannot scan as one name is never found.
TEST_F(CalculatorExpressionTest, NamesMatchInTheFormulasWorkingForm) {
    struct Case {
        const char* Label;
        const char16_t* Name;
        const char16_t* Formula;
        std::optional<long double> Value; // none: an unrecognised name
    };
    // clang-format off
    const Case cases[] = {
        {"lower-case name, lower-case formula",  u"x",        u"x",           5},
        {"lower-case name, upper-case formula",  u"x",        u"X",           5},
        {"mixed-case name",                      u"Rate",     u"rate*RATE",   25},
        {"full-width katakana name",             u"カナ",     u"カナ",        5},
        {"full-width katakana, half-width typed", u"カナ",    u"ｶﾅ",          5},
        {"voiced kana",                          u"ガス",     u"ガス",        5},
        {"full-width ASCII name",                u"Ｙ",       u"y",           5},
        {"name with a digit",                    u"x1",       u"X1",          5},
        {"name with a blank",                    u"A B",      u"A B",         {}},
        {"name with an operator",                u"A+B",      u"A+B",         {}},
        {"leading digit",                        u"1A",       u"1A",          {}},
        {"leading percent",                      u"%A",       u"%A",          {}},
        {"empty name",                           u"",         u"Q",           {}},
        {"long-vowel mark becomes a minus",      u"カー",     u"カー",        {}},
        {"longer name is not a prefix match",    u"x",        u"x1",          {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Label);
        Expression.SetVariableName(1, QString::fromUtf16(c.Name));
        Expression.SetVariableValue(1, 5);
        const TOutcome outcome = Run(QString::fromUtf16(c.Formula));
        if (c.Value) {
            ASSERT_EQ(outcome.Kind, TOutcome::okValue);
            EXPECT_EQ(outcome.Value, *c.Value);
        } else {
            EXPECT_EQ(outcome.Error, enSyntaxError);
        }
    }
}

TEST_F(CalculatorExpressionTest, EqualWorkingFormsGoToTheLowestNumber) {
    SetVariables({{u"a"_qs, 1}, {u"A"_qs, 2}, {u"ｂ"_qs, 3}, {u"b"_qs, 4}});
    EXPECT_EQ(Run(u"A"_qs).Value, 1);
    EXPECT_EQ(Run(u"a"_qs).Value, 1);
    EXPECT_EQ(Run(u"B"_qs).Value, 3);
}

TEST_F(CalculatorExpressionTest, BuiltinsWinThenAnsThenTheLowestNumber) {
    Expression.SetPreviousResultValue(42);
    SetVariables({{u"A"_qs, 1}, {u"A"_qs, 2}, {u"PI"_qs, 3}, {u"ANS"_qs, 4}, {u"TRUE"_qs, 5}});
    EXPECT_EQ(Run(u"A"_qs).Value, 1);
    EXPECT_NE(Run(u"PI"_qs).Value, 3);
    EXPECT_EQ(Run(u"ANS"_qs).Value, 42);
    EXPECT_EQ(Run(u"TRUE"_qs).Value, 1);
}

// A name is unknown only when neither the built-in table, "ANS" nor a variable has it.
TEST_F(CalculatorExpressionTest, OnlyANameNobodyKnowsIsUnknown) {
    SetVariables({{u"RATE"_qs, 2}});
    EXPECT_EQ(Run(u"rate*ANS+PI*0"_qs).Kind, TOutcome::okValue);
    try {
        Expression.Calc(u"rate*rat"_qs);
        FAIL() << "evaluated";
    } catch (const EExpressionError& e) {
        EXPECT_EQ(e.Cause(), ecUnknownName);
        EXPECT_EQ(e.Name(), u"RAT"_qs);
        EXPECT_EQ(e.ErrorIndex(), 8);
    }
}

TEST_F(CalculatorExpressionTest, VariableNumbersOutsideTheRangeAreRejected) {
    EXPECT_THROW(Expression.SetVariableName(0, u"A"_qs), std::out_of_range);
    EXPECT_THROW(Expression.SetVariableValue(7, 1), std::out_of_range);
}

} // namespace
