#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST_P(FormulaValue, EvaluatesExactly) {
    const TValueCase& c = GetParam();
    const TOutcome outcome = Evaluate(QString::fromUtf16(c.Formula));
    ASSERT_EQ(outcome.Kind, TOutcome::okValue) << outcome;
    EXPECT_EQ(outcome.Value, c.Expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Grammar, FormulaValue,
    testing::Values(
        TValueCase{"Precedence", u"1+2*3", 7}, TValueCase{"PowerLeftAssociative", u"2^3^2", 64},
        TValueCase{"SignBindsTerm", u"-2^2", -4}, TValueCase{"ParenthesisedBase", u"(-2)^2", 4},
        TValueCase{"NegativeExponentInParens", u"2^(-1)", 0.5L},
        TValueCase{"PercentAdds", u"200+10%", 200.1L}, TValueCase{"PercentTerm", u"50*10%", 5},
        TValueCase{"PercentAlone", u"50%", 0.5L}, TValueCase{"PercentTwice", u"10%%", 0.001L},
        TValueCase{"ImpliedParens", u"2(3)", 6}, TValueCase{"ImpliedGroups", u"(2)(3)", 6},
        TValueCase{"ImpliedFunction", u"2SIN 30", 1}, TValueCase{"ImpliedFunctionParens", u"2SIN(30)", 1},
        TValueCase{"MissingCloseAtEnd", u"(1+2", 3}, TValueCase{"MissingCloseNested", u"((1+2)*3", 9},
        TValueCase{"MissingCloseAfterTerm", u"2*(3+4", 14}, TValueCase{"Empty", u"", 0},
        TValueCase{"NegativeGroup", u"2*(-3)", -6}, TValueCase{"LeadingPlus", u"+5", 5},
        TValueCase{"LeadingEquals", u"=5", 5}, TValueCase{"LeadingAmpersand", u"&5", 5},
        TValueCase{"DoubleNegation", u"-(-5)", 5}, TValueCase{"ZeroToPositive", u"0^0.5", 0},
        TValueCase{"LessThan", u"1 < 2", 1}, TValueCase{"GreaterThan", u"2 > 1", 1},
        TValueCase{"Equal", u"1=1", 1}, TValueCase{"EqualAtSameLevel", u"1 + 2 = 3", 1},
        TValueCase{"EqualLeftToRight", u"3 = 1 + 2", 2}, TValueCase{"LessEqual", u"2 <= 2", 1},
        TValueCase{"LessEqualNoBlank", u"3<=2", 0}, TValueCase{"GreaterEqual", u"2 >= 3", 0},
        TValueCase{"Mod", u"7 MOD 3", 1}, TValueCase{"ModNegative", u"-7 MOD 3", -1},
        TValueCase{"ModTruncates", u"7.9 MOD 3", 1}, TValueCase{"ModSameLevel", u"5 MOD 3 * 2", 5},
        TValueCase{"Div", u"7 DIV 2", 3}, TValueCase{"DivNegative", u"-7 DIV 2", -3},
        TValueCase{"BitAnd", u"6 & 3", 2}, TValueCase{"BitOr", u"6 | 3", 7},
        TValueCase{"Xor", u"6 XOR 3", 5}, TValueCase{"And", u"6 AND 3", 2}, TValueCase{"Or", u"6 OR 3", 7},
        TValueCase{"DivMinOverflowWraps", u"(-9223372036854775808) DIV (-1)", -0x1p63L},
        TValueCase{"ModMinByMinusOne", u"(-9223372036854775808) MOD (-1)", 0},
        TValueCase{"DollarEndsFormula", u"1+2$5", 3}, TValueCase{"TrueFalse", u"TRUE+FALSE", 1},
        TValueCase{"LowerCase", u"true + pi*0", 1}, TValueCase{"NegativeWholePower", u"2^(-3)", 0.125L},
        TValueCase{"PowerUnderflowIsZero", u"10^(-5000)", 0},
        TValueCase{"HugeWholePowerOfOne", u"1^3000000000", 1}),
    CaseName<TValueCase>);

TEST_P(FormulaError, FailsWithKindAndCaretPosition) {
    const TErrorCase& c = GetParam();
    const TOutcome outcome = Evaluate(QString::fromUtf16(c.Formula));
    ASSERT_EQ(outcome.Kind, TOutcome::okError) << outcome;
    EXPECT_EQ(outcome.Error, c.Error);
    EXPECT_EQ(outcome.Position, c.Position);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, FormulaError,
    testing::Values(
        TErrorCase{"SignAfterPower", u"2^-1", enSyntaxError, 3},
        TErrorCase{"NameRunsIntoDigits", u"2SIN30", enSyntaxError, 6},
        TErrorCase{"NumberAfterGroup", u"(2)3", enSyntaxError, 4},
        TErrorCase{"NumberAfterConstant", u"PI 2", enSyntaxError, 4},
        TErrorCase{"SurplusParen", u"1+2)", enSyntaxError, 4},
        TErrorCase{"OnlyBlanks", u"   ", enSyntaxError, 3},
        TErrorCase{"MissingOperand", u"1+*2", enSyntaxError, 3},
        TErrorCase{"SignAfterOperator", u"2*-3", enSyntaxError, 3},
        TErrorCase{"DoubleSign", u"--5", enSyntaxError, 2},
        TErrorCase{"DivisionByZero", u"1/0+5", enInfinityError, 4},
        TErrorCase{"ZeroByZero", u"0/0", enInfinityError, 3},
        TErrorCase{"ZeroToZero", u"0^0", enPowerError, 3},
        TErrorCase{"ZeroToNegative", u"0^(-1)", enPowerError, 6},
        TErrorCase{"DollarInsideGroup", u"(1$", enSyntaxError, 2},
        TErrorCase{"EndedEarly", u"1+", enSyntaxError, 2},
        TErrorCase{"UnknownCharacter", u"1+#", enSyntaxError, 3},
        TErrorCase{"LessWithoutBlank", u"1<2", enSyntaxError, 2},
        TErrorCase{"GreaterWithoutBlankBefore", u"2>1", enSyntaxError, 2},
        TErrorCase{"KeywordGlued", u"5MOD3", enSyntaxError, 5},
        TErrorCase{"KeywordSplitsName", u"5 MODE", enSyntaxError, 6},
        TErrorCase{"GroupedOverflow", u"(1E4000*1E4000)", enMathError, 15},
        TErrorCase{"GuardedPowerOverflow", u"SQRT(10^5000)", enMathError, 13},
        TErrorCase{"GuardedNegativeBase", u"((-8)^(1/3))", enMathError, 12},
        TErrorCase{"TruncationOutOfRange", u"(1E19 MOD 2)", enMathError, 12},
        TErrorCase{"InfinityMinusInfinityInGroup", u"(ATANH 1 - ATANH 1)", enMathError, 19}),
    CaseName<TErrorCase>);

// The cause refines the kind for a message in words; the kind and position stay as above.
struct TCauseCase {
    const char* Name;
    const char16_t* Formula;
    TExpressionErrorCause Cause;
    const char16_t* UnknownName; // the name carried, in working form
};

void PrintTo(const TCauseCase& ACase, std::ostream* AStream) {
    *AStream << QString::fromUtf16(ACase.Formula).toStdString();
}

class FormulaErrorCause : public testing::TestWithParam<TCauseCase> {};

TEST_P(FormulaErrorCause, NamesWhatWentWrong) {
    const TCauseCase& c = GetParam();
    try {
        TExpression().Calc(QString::fromUtf16(c.Formula));
        FAIL() << "evaluated";
    } catch (const EExpressionError& e) {
        EXPECT_EQ(e.Cause(), c.Cause);
        EXPECT_EQ(e.Name(), QString::fromUtf16(c.UnknownName));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Causes, FormulaErrorCause,
    testing::Values(
        TCauseCase{"NameWhereAFactorIsDue", u"1+foo", ecUnknownName, u"FOO"},
        TCauseCase{"NameAfterACompleteFormula", u"2sin30", ecUnknownName, u"SIN30"},
        TCauseCase{"NameWhereACloseParenIsDue", u"(2 X)", ecUnknownName, u"X"},
        TCauseCase{"NameSplitByAKeyword", u"5 MODE", ecUnknownName, u"E"},
        TCauseCase{"PercentName", u"%A", ecUnknownName, u"%A"},
        TCauseCase{"FunctionWithoutArgument", u"SIN", ecNone, u""},
        TCauseCase{"UnknownCharacter", u"1+#", ecNone, u""},
        TCauseCase{"NumberAfterAName", u"PI 2", ecNone, u""},
        TCauseCase{"BadNumberAfterAName", u"PI+1.2.3", ecNone, u""},
        TCauseCase{"NegativeSquareRoot", u"SQRT(-4)", ecNegativeSquareRoot, u""},
        TCauseCase{"NegativeSquareRootBeforeAName", u"SQRT(-4)X", ecNegativeSquareRoot, u""},
        TCauseCase{"DivisionByZero", u"1/0+5", ecDivisionByZero, u""},
        TCauseCase{"LogarithmOfZero", u"LOG 0", ecNone, u""},
        TCauseCase{"TangentPole", u"TAN 90", ecNone, u""},
        TCauseCase{"PowerOfZero", u"0^0", ecNone, u""},
        TCauseCase{"GuardedOverflow", u"(1E4000*1E4000)", ecOverflow, u""},
        TCauseCase{"GuardedInvalidOperation", u"((-8)^(1/3))", ecInvalidOperation, u""},
        TCauseCase{"GuardedTruncation", u"(1E19 MOD 2)", ecInvalidOperation, u""}),
    CaseName<TCauseCase>);

TEST(Failures, FaultsOutsideEveryFactorAreNotEngineErrors) {
    const QString bit63 = u"0B1"_qs + QString(63, u'0');
    for (const QString& formula : {u"1E4000*1E4000"_qs, u"10^5000"_qs, u"(-8)^(1/3)"_qs,
                                   u"ATANH 1 - ATANH 1"_qs, u"1E19 MOD 2"_qs, bit63,
                                   u"1+"_qs + bit63}) {
        const TOutcome outcome = Evaluate(formula);
        EXPECT_EQ(outcome.Kind, TOutcome::okFault) << formula.toStdString() << ": " << outcome;
    }
    const TOutcome guarded = Evaluate(u"(1+"_qs + bit63 + u")"_qs);
    EXPECT_EQ(guarded.Error, enMathError) << guarded;
}

TEST(Failures, IntegerDivisionByZeroPassesEveryGuard) {
    for (const char16_t* formula : {u"7 MOD 0", u"(7 DIV 0)", u"SIN(1 MOD 0.5)"}) {
        EXPECT_EQ(Evaluate(QString::fromUtf16(formula)).Kind, TOutcome::okIntegerDivide)
            << QString::fromUtf16(formula).toStdString();
    }
}

TEST(Failures, NonEngineFailuresLeaveErrorStateAlone) {
    TExpression expression;
    Evaluate(expression, u"1E4000*1E4000"_qs);
    EXPECT_EQ(expression.ErrorNumber(), enNotError);
    EXPECT_EQ(expression.ErrorIndex(), 0);
}

TEST(Failures, NegativeZeroSurvives) {
    const TOutcome outcome = Evaluate(u"-0"_qs);
    ASSERT_EQ(outcome.Kind, TOutcome::okValue);
    EXPECT_TRUE(std::signbit(outcome.Value));
}

TEST(LengthLimit, AcceptsTheLimitAndRejectsOneMore) {
    const QString longest = u"1+"_qs.repeated(511) + u"10"_qs;
    ASSERT_EQ(longest.size(), 1024);
    const TOutcome ok = Evaluate(longest);
    ASSERT_EQ(ok.Kind, TOutcome::okValue) << ok;
    EXPECT_EQ(ok.Value, 521);

    const TOutcome tooLong = Evaluate(longest + u"0"_qs);
    ASSERT_EQ(tooLong.Kind, TOutcome::okError);
    EXPECT_EQ(tooLong.Error, enExpressionMaxLengthOver);
    EXPECT_EQ(tooLong.Position, 1) << "a new evaluator reports position 1";
}

TEST(LengthLimit, PositionDerivesFromThePreviousCursor) {
    TExpression expression;
    ASSERT_EQ(Evaluate(expression, u"12345+1"_qs).Kind, TOutcome::okValue);
    const TOutcome outcome = Evaluate(expression, QString(1025, u'1'));
    EXPECT_EQ(outcome.Error, enExpressionMaxLengthOver);
    EXPECT_EQ(outcome.Position, 7) << "the cursor stood after the end marker of \"12345+1$\"";
}

TEST(Reuse, OneEvaluatorRunsManyFormulasAndKeepsTheLastError) {
    TExpression expression;
    EXPECT_EQ(Evaluate(expression, u"1+*2"_qs).Position, 3);
    EXPECT_EQ(expression.ErrorNumber(), enSyntaxError);
    EXPECT_EQ(Evaluate(expression, u""_qs).Value, 0);
    EXPECT_EQ(expression.ErrorNumber(), enSyntaxError) << "an empty formula resets nothing";
    EXPECT_EQ(Evaluate(expression, u"2*3"_qs).Value, 6);
    EXPECT_EQ(expression.ErrorNumber(), enNotError);
}

TEST(Robustness, DeepNestingAndLongSignRuns) {
    const QString opens(1023, u'(');
    const TOutcome nested = Evaluate(opens + u"7"_qs);
    ASSERT_EQ(nested.Kind, TOutcome::okValue) << nested;
    EXPECT_EQ(nested.Value, 7);

    EXPECT_EQ(Evaluate(QString(1024, u'(')).Error, enSyntaxError);
    EXPECT_EQ(Evaluate(QString(1024, u'-')).Error, enSyntaxError);
    EXPECT_EQ(Evaluate(u"SIN "_qs.repeated(255) + u"1"_qs).Kind, TOutcome::okValue);
    EXPECT_EQ(Evaluate(u"-("_qs.repeated(512)).Error, enSyntaxError);
}

TEST(Robustness, ControlCharactersSurrogatesAndNulsAreUnrecognised) {
    const char16_t lone[] = {u'1', u'+', 0xD800, 0};
    const char16_t withNul[] = {u'1', u'+', 0, u'2', 0};
    EXPECT_EQ(Evaluate(QString::fromUtf16(lone)).Error, enSyntaxError);
    EXPECT_EQ(Evaluate(QString(reinterpret_cast<const QChar*>(withNul), 4)).Error, enSyntaxError);
    EXPECT_EQ(Evaluate(u"1\t+2"_qs).Error, enSyntaxError);
}

} // namespace

// clang-format on