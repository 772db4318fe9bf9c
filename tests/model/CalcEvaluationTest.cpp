#include "model/CalcEvaluation.h"
#include "QtPrinters.h"
#include "model/ResultFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <ostream>

namespace {

long double Calculate(const QString& AText, std::optional<long double> APrevious = std::nullopt,
                      const TVariableButtonData& AVariables = TVariableButtonData()) {
    return CalculateFormula(AText, AVariables, APrevious, u".");
}

TEST(CalcEvaluation, AnsIsThePreviousRoundedResult) {
    EXPECT_EQ(Calculate(u"ANS+1"_qs), 1) << "no previous result: ANS is 0";
    const long double third = Calculate(u"1/3"_qs);
    long double expected = 0;
    ASSERT_TRUE(TryReadNumber(u"0.333333333333333", expected));
    EXPECT_EQ(third, expected) << "the result keeps 15 significant digits";
    const long double next = Calculate(u"ANS*3"_qs, third);
    ASSERT_TRUE(TryReadNumber(u"0.999999999999999", expected));
    EXPECT_EQ(next, expected);
    EXPECT_EQ(Calculate(u"2ANS"_qs, 5), 10);
}

TEST(CalcEvaluation, FifteenDigitRounding) {
    long double expected = 0;
    ASSERT_TRUE(TryReadNumber(u"0.3", expected));
    EXPECT_EQ(Calculate(u"0.1+0.2"_qs), expected);
    EXPECT_EQ(Calculate(u""_qs), 0);
    const long double zero = Calculate(u"-0"_qs);
    EXPECT_EQ(zero, 0);
    EXPECT_FALSE(std::signbit(zero)) << "negative zero becomes 0";
    EXPECT_EQ(Calculate(u"1E300*1E300"_qs), 1E600L);
    EXPECT_THROW(Calculate(u"ATANH 1"_qs), EResultRangeError) << "an infinity cannot be read back";
}

TEST(CalcEvaluation, VariablesAreReadAfterTheHalfWidthMapping) {
    TVariableButtonData variables;
    variables.SetTitle(1, u"X"_qs);
    variables.SetValue(1, u"２．５"_qs);
    variables.SetTitle(2, u"税"_qs);
    variables.SetValue(2, u" -1e1 "_qs);
    variables.SetValue(3, u"+2"_qs);
    EXPECT_EQ(Calculate(u"X*2+税+V3"_qs, std::nullopt, variables), -3);
}

TEST(CalcEvaluation, VariablesReadTheUserDecimalSeparatorAndAlwaysThePoint) {
    struct Case {
        const char16_t* Separator;
        const char16_t* Text;
        std::optional<long double> Value;
    };
    // clang-format off
    const Case cases[] = {
        {u",", u"2,5", 2.5L},
        {u",", u"2.5", 2.5L},
        {u",", u" -1,5e1 ", -15.0L},
        {u",", u"１，２５", 1.25L},
        {u",", u",5", 0.5L},
        {u",", u"1,5.3", std::nullopt},
        {u",", u"1.000,5", std::nullopt},
        {u",", u"1,000,5", std::nullopt},
        {u",", u"1 000", std::nullopt},
        {u"٫", u"2٫5", 2.5L},
        {u".", u"2,5", std::nullopt},
        {u"", u"2.5", 2.5L},
        {u"e", u"2e5", 2e5L},
        {u"e", u"2.5", 2.5L},
    };
    // clang-format on
    for (const Case& c : cases) {
        const QString text = QString::fromUtf16(c.Text);
        SCOPED_TRACE(QString::fromUtf16(c.Separator).toStdString() + " " + text.toStdString());
        TVariableButtonData variables;
        variables.SetValue(4, text);
        if (c.Value) {
            EXPECT_EQ(ReadCalcVariables(variables, c.Separator).Values[3], *c.Value);
            EXPECT_EQ(CalculateFormula(u"V4*2"_qs, variables, std::nullopt, c.Separator),
                      *c.Value * 2);
        } else {
            EXPECT_THROW(ReadCalcVariables(variables, c.Separator), EVariableError);
        }
    }
}

// A copied result ("0,25" under a "," locale) evaluates when pasted back; a separator that is more
// than one character, or one that means something in a formula, gives the formula nothing.
TEST(CalcEvaluation, FormulasReadTheUserDecimalSeparatorBesidesThePoint) {
    struct Case {
        const char16_t* Separator;
        const char16_t* Formula;
        std::optional<long double> Value;
    };
    // clang-format off
    const Case cases[] = {
        {u",", u"0,25*4",   1},
        {u",", u"0.25*4",   1},
        {u",", u"1,5.2",    std::nullopt},
        {u".", u"0,25*4",   std::nullopt},
        {u"٫", u"2٫5*2",    5},
        {u",,", u"0,25*4",  std::nullopt},
        {u"", u"0,25*4",    std::nullopt},
    };
    // clang-format on
    for (const Case& c : cases) {
        const QString formula = QString::fromUtf16(c.Formula);
        SCOPED_TRACE(QString::fromUtf16(c.Separator).toStdString() + " " + formula.toStdString());
        if (c.Value)
            EXPECT_EQ(CalculateFormula(formula, TVariableButtonData(), std::nullopt, c.Separator),
                      *c.Value);
        else
            EXPECT_THROW(
                CalculateFormula(formula, TVariableButtonData(), std::nullopt, c.Separator),
                EExpressionError);
    }
}

TEST(CalcEvaluation, AnyUnreadableValueFailsEveryEvaluation) {
    for (const QString& bad : {u""_qs, u"1,000"_qs, u"abc"_qs, u"1 2"_qs, u"0x10"_qs}) {
        TVariableButtonData variables;
        variables.SetValue(6, bad);
        EXPECT_THROW(Calculate(u"1+1"_qs, std::nullopt, variables), EVariableError)
            << bad.toStdString();
    }
}

TEST(CalcEvaluation, FailuresAreClassifiedWithTheirCaretPosition) {
    struct Case {
        QString Formula;
        TCalcFailureKind Kind;
        int Caret;
        const char* Name;
    };
    TVariableButtonData broken;
    broken.SetValue(2, u"x"_qs);
    for (const Case& c : {Case{u"1+*2"_qs, TCalcFailureKind::Syntax, 3, "syntax"},
                          Case{u"0X"_qs, TCalcFailureKind::Syntax, 2, "syntax"},
                          Case{u"0^0"_qs, TCalcFailureKind::Power, 3, "power"},
                          Case{u"1/0"_qs, TCalcFailureKind::Infinity, 3, "infinity"},
                          Case{u"(1E4000*1E4000)"_qs, TCalcFailureKind::Math, 15, "math"},
                          Case{QString(1025, u'1'), TCalcFailureKind::Length, 1, "length"},
                          Case{u"1E4000*1E4000"_qs, TCalcFailureKind::Fault, 13, "fault"},
                          Case{u"7 MOD 0"_qs, TCalcFailureKind::Division, 7, "division"},
                          Case{u"ATANH 1"_qs, TCalcFailureKind::Range, 7, "range"}}) {
        try {
            Calculate(c.Formula);
            ADD_FAILURE() << c.Formula.toStdString() << " evaluated";
        } catch (...) {
            const TCalcFailure failure = ClassifyCalcFailure(std::current_exception(), c.Formula);
            EXPECT_EQ(failure.Kind, c.Kind) << c.Formula.toStdString();
            EXPECT_EQ(failure.CaretPosition, c.Caret) << c.Formula.toStdString();
            EXPECT_STREQ(CalcFailureName(failure.Kind), c.Name);
        }
    }
    try {
        Calculate(u"1+1"_qs, std::nullopt, broken);
        ADD_FAILURE();
    } catch (...) {
        const TCalcFailure failure = ClassifyCalcFailure(std::current_exception(), u"1+1"_qs);
        EXPECT_EQ(failure.Kind, TCalcFailureKind::Variable);
        EXPECT_EQ(failure.CaretPosition, 3);
    }
}

// The reason of a failure, in words, for every way an evaluation or its display can fail.
struct TReasonCase {
    const char* Name;
    QString Formula;
    QString Reason;
};

void PrintTo(const TReasonCase& ACase, std::ostream* AStream) {
    *AStream << ACase.Formula.left(40).toStdString();
}

class CalcFailureReasonTest : public testing::TestWithParam<TReasonCase> {};

// The reason of the failure that AFailing throws for the formula AText.
QString ReasonOf(const std::function<void()>& AFailing, const QString& AText) {
    try {
        AFailing();
    } catch (...) {
        return CalcFailureReason(ClassifyCalcFailure(std::current_exception(), AText));
    }
    return u"(no failure)"_qs;
}

TEST_P(CalcFailureReasonTest, SaysWhatAndWhereInWords) {
    const TReasonCase& c = GetParam();
    EXPECT_EQ(ReasonOf([&] { Calculate(c.Formula); }, c.Formula), c.Reason);
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, CalcFailureReasonTest,
    testing::Values(
        TReasonCase{"Syntax", u"1+*2"_qs, u"Syntax error at position 3"_qs},
        TReasonCase{"UnknownNameAsTyped", u"2*sin30"_qs, u"Unknown name sin30 at position 7"_qs},
        TReasonCase{"UnknownFullWidthName", u"ｆｏｏ+1"_qs,
                    u"Unknown name ｆｏｏ at position 3"_qs},
        TReasonCase{"UnknownNameLikeAPlaceMarker", u"%2"_qs, u"Unknown name %2 at position 2"_qs},
        TReasonCase{"LongUnknownNameIsShortened", u"1+"_qs + QString(30, u'Q'),
                    u"Unknown name "_qs + QString(19, u'Q') + u"… at position 32"_qs},
        TReasonCase{"NegativeSquareRoot", u"SQRT(-4)"_qs,
                    u"Square root of a negative number at position 8"_qs},
        TReasonCase{"ZeroToZero", u"0^0"_qs, u"Zero to the power of zero or less at position 3"_qs},
        TReasonCase{"DivisionByZero", u"1/0+5"_qs, u"Division by zero at position 4"_qs},
        TReasonCase{"LogarithmOfZero", u"LOG 0"_qs, u"Infinite result at position 5"_qs},
        TReasonCase{"OverflowInAGroup", u"(1E4000*1E4000)"_qs,
                    u"Number out of range at position 15"_qs},
        TReasonCase{"OverflowOutsideEveryGroup", u"1E4000*1E4000"_qs,
                    u"Number out of range at position 13"_qs},
        TReasonCase{"NoValueInAGroup", u"((-8)^(1/3))"_qs, u"Invalid operation at position 12"_qs},
        TReasonCase{"IntegerDivisionByZero", u"7 MOD 0"_qs, u"Division by zero at position 7"_qs},
        TReasonCase{"TooLong", QString(1025, u'1'), u"Formula longer than 1024 characters"_qs},
        TReasonCase{"InfiniteResult", u"ATANH 1"_qs, u"Result is not a finite number"_qs}),
    [](const testing::TestParamInfo<TReasonCase>& AInfo) { return std::string(AInfo.param.Name); });

// The first variable whose value does not read is named by its caption, or by its number when
// it has none.
TEST(CalcFailureReason, NamesTheFirstVariableWithoutANumber) {
    struct Case {
        const char* Name;
        int Number;
        QString Caption;
        QString Value;
        QString Reason;
    };
    for (const Case& c : {Case{"EmptyValue", 3, u"V3"_qs, u""_qs, u"V3 has no number"_qs},
                          Case{"Unreadable", 2, u"税率"_qs, u"8%"_qs, u"税率 has no number"_qs},
                          Case{"NoCaption", 4, u""_qs, u"x"_qs, u"Variable 4 has no number"_qs},
                          Case{"LongCaption", 1, QString(25, u'R'), u"?"_qs,
                               QString(19, u'R') + u"… has no number"_qs}}) {
        TVariableButtonData variables;
        variables.SetTitle(c.Number, c.Caption);
        variables.SetValue(c.Number, c.Value);
        variables.SetValue(6, u""_qs); // a later one that does not read either
        EXPECT_EQ(ReasonOf([&] { Calculate(u"1+1"_qs, std::nullopt, variables); }, u"1+1"_qs),
                  c.Reason)
            << c.Name;
    }
}

TEST(CalcFailureReason, NamesTheDisplayAResultDoesNotFit) {
    struct Case {
        int RoundDecimal;
        TRoundSelector Selector;
        long double Value;
        QString Reason;
    };
    for (const Case& c : {Case{RoundDecimalHex, rs54, 1E19L, u"Result too large for HEX"_qs},
                          Case{RoundDecimalBin, rs54, -1E19L, u"Result too large for BIN"_qs},
                          Case{2, rsCut, 1E17L, u"Result too large for CUT"_qs},
                          Case{2, rsUp, -1E17L, u"Result too large for UP"_qs}}) {
        const auto display = [&] {
            FormatResultValue(false, c.RoundDecimal, c.Value, c.Selector, false,
                              MachineNumberSeparators());
        };
        EXPECT_EQ(ReasonOf(display, u"1"_qs), c.Reason);
    }
}

} // namespace
