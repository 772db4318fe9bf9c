#include "EngineTestSupport.h"
#include "engine/MojiConvert.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

// Exposes the token stream of a formula, prepared as Calc prepares it.
class TTokenProbe : public TExpression {
public:
    std::vector<TExpType> Tokens(const QString& AFormula) {
        FormulaStr = NormalizeFormula(AFormula) + u"$"_qs;
        FormulaIndex = 1;
        C = u' ';
        std::vector<TExpType> tokens;
        do {
            NextToken();
            tokens.push_back(Token);
        } while (Token != etNewLine && tokens.size() < 100);
        return tokens;
    }
    QString LastName() const { return IdentBuff; }
    int LastOperator() const { return Oprt; }
};

using Tokens = std::vector<TExpType>;

TEST(Normalisation, OperatorCharactersFullWidthFormsAndCase) {
    EXPECT_EQ(ConvertOperatorChars(u"2×3÷4ー5ｰ6―7"), u"2*3/4-5-6-7"_qs);
    EXPECT_EQ(NormalizeFormula(u"１２＋３　（ｓｉｎ）＄"), u"12+3 (SIN)$"_qs);
    EXPECT_EQ(NormalizeFormula(u"sin 30 π äb"), u"SIN 30 π äB"_qs) << "only a..z change case";
    EXPECT_EQ(NormalizeFormula(u"5ー3"), u"5-3"_qs) << "the long vowel mark is a minus, not ｰ";
}

TEST(Normalisation, KatakanaBecomeHalfWidthVoicedOnesAsTwoCharacters) {
    EXPECT_EQ(ToHalfWidth(u"アイウエオカガキギパピプペポッャュョヲンヴ・「」、。"),
              u"ｱｲｳｴｵｶｶﾞｷｷﾞﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟｯｬｭｮｦﾝｳﾞ･｢｣､｡"_qs);
    EXPECT_EQ(ToHalfWidth(u"ナニヌネノマミムメモラリルレロワヮヷヺ"), u"ﾅﾆﾇﾈﾉﾏﾐﾑﾒﾓﾗﾘﾙﾚﾛﾜﾜﾜﾞｦﾞ"_qs);
    EXPECT_EQ(ToHalfWidth(u"ヰヱヵヶひらがな漢字"), u"ヰヱヵヶひらがな漢字"_qs);
    EXPECT_EQ(ToHalfWidth(u"￥１，０００"), u"¥1,000"_qs);
}

TEST(Scanner, ComparisonBlankRules) {
    const Tokens comparison = {etNumber, etAddop, etNumber, etNewLine};
    for (const char16_t* text :
         {u"1 < 2", u"1< 2", u"1<=2", u"1 <= 2", u"2 > 1", u"2 >1", u"2 >= 1"})
        EXPECT_EQ(TTokenProbe().Tokens(QString::fromUtf16(text)), comparison)
            << QString::fromUtf16(text).toStdString();
    const Tokens unrecognised = {etNumber, etOthers, etNumber, etNewLine};
    for (const char16_t* text : {u"1<2", u"2>1", u"2> 1"})
        EXPECT_EQ(TTokenProbe().Tokens(QString::fromUtf16(text)), unrecognised)
            << QString::fromUtf16(text).toStdString();
    EXPECT_EQ(TTokenProbe().Tokens(u"2>=1"_qs),
              (Tokens{etNumber, etOthers, etAddop, etNumber, etNewLine}));
}

TEST(Scanner, OperatorCodes) {
    struct Case {
        const char16_t* Text;
        int Code;
    };
    for (const Case& c : {Case{u"1 AND", u'&'}, Case{u"1 OR", u'|'}, Case{u"1 XOR", opXor},
                          Case{u"1 MOD", opMod}, Case{u"1 DIV", opDiv}, Case{u"1<=", opLessEqual},
                          Case{u"1 >=", opGreaterEqual}, Case{u"1 mod", opMod}}) {
        TTokenProbe probe;
        const Tokens tokens = probe.Tokens(QString::fromUtf16(c.Text));
        ASSERT_GE(tokens.size(), 2u);
        EXPECT_EQ(tokens[1], etAddop);
        EXPECT_EQ(probe.LastOperator(), c.Code) << QString::fromUtf16(c.Text).toStdString();
    }
}

TEST(Scanner, NamesRunOnThroughNumberCharacters) {
    struct Case {
        const char16_t* Text;
        Tokens Expected;
    };
    // clang-format off
    const Case cases[] = {
        {u"SIN30", {etOthers, etNewLine}},
        {u"PI2", {etOthers, etNewLine}},
        {u"%2", {etOthers, etNewLine}},
        {u"SIN 30", {etSin, etNumber, etNewLine}},
        {u"sin(30)", {etSin, etLParen, etNumber, etRParen, etNewLine}},
        {u"TRUE -1", {etTrue, etAddop, etNumber, etNewLine}},
        {u"TRUE-1", {etOthers, etNewLine}},
        {u"5 MODE", {etNumber, etAddop, etOthers, etNewLine}},
        {u"5MOD3", {etNumber, etOthers, etNewLine}},
        {u"MOD 3", {etOthers, etNumber, etNewLine}},
        {u"2 ORDER", {etNumber, etAddop, etOthers, etNewLine}},
        {u"1E+5", {etNumber, etOthers, etAddop, etNumber, etNewLine}},
        {u"1+2$9", {etNumber, etAddop, etNumber, etNewLine}},
        {u"   ", {etNewLine}},
        {u"π Π pi log10 log2", {etPi, etPi, etPi, etLog10, etLog2, etNewLine}},
        {u"10%%", {etNumber, etPercent, etPercent, etNewLine}},
        {u"ans x", {etOthers, etOthers, etNewLine}},
        {u"degtograd gradtorad not fact", {etDegToGrad, etGradToRad, etNot, etFactorial, etNewLine}},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(TTokenProbe().Tokens(QString::fromUtf16(c.Text)), c.Expected)
            << QString::fromUtf16(c.Text).toStdString();

    TTokenProbe probe;
    probe.Tokens(u"2 ORDER"_qs);
    EXPECT_EQ(probe.LastName(), u"DER"_qs);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Literals, FormulaValue,
    testing::Values(TValueCase{"HexLower", u"0x1f", 31}, TValueCase{"HexAllOnes", u"0XFFFFFFFF", -1},
                    TValueCase{"HexMin", u"0X80000000", -2147483648.0L},
                    TValueCase{"HexMax", u"0X7FFFFFFF", 2147483647},
                    TValueCase{"HexLeadingZeros", u"0X000000001", 1},
                    TValueCase{"Binary", u"0b101", 5},
                    TValueCase{"BinaryLargest", u"0B0111111111111111111111111111111111111111111111111111111111111111",
                                0x1p63L - 1},
                    TValueCase{"BinaryZerosAbove63", u"0B0000000000000000000000000000000000000000000000000000000000000000001", 1},
                    TValueCase{"Exponent", u"1E5", 100000}, TValueCase{"NegativeExponent", u"1E-3", 0.001L},
                    TValueCase{"LeadingPoint", u".5", 0.5L}, TValueCase{"TrailingPoint", u"5.", 5},
                    TValueCase{"LonePoint", u".", 0}, TValueCase{"LonePointExponent", u".E5", 0},
                    TValueCase{"TrailingBlank", u"1 + 2", 3}, TValueCase{"FullWidthDigits", u"１２＋３", 15},
                    TValueCase{"Underflow", u"1E-5000", 0},
                    TValueCase{"LongExponent", u"1E-000000000000000000000000003", 0.001L},
                    TValueCase{"ExactDecimal", u"0.1", 0.1L}),
    CaseName<TValueCase>);

TEST(NumberLiteral, MalformedLiteralsAreSyntaxErrorsAfterTheLiteral) {
    struct Case {
        const char16_t* Formula;
        int Position;
    };
    for (const Case& c : {Case{u"0X100000000", 11}, Case{u"0B102", 5}, Case{u"0B", 3}, Case{u"0X", 3},
                          Case{u"0XG1", 4}, Case{u"1.2.3", 5}, Case{u"1..2", 4}, Case{u"1 2", 3},
                          Case{u"1 .5", 4}, Case{u"1E5000", 6}, Case{u"5E5E5", 5},
                          Case{u"1\u0663", 2}}) {
        const QString formula = QString::fromUtf16(c.Formula);
        const TOutcome outcome = Evaluate(formula);
        EXPECT_EQ(outcome.Error, enSyntaxError) << formula.toStdString() << ": " << outcome;
        EXPECT_EQ(outcome.Position, c.Position) << formula.toStdString();
    }
}

// A decimal mark given to the evaluator reads as ".": alone, full-width, and never together
// with "." in one number. Without it "," is an unknown character.
TEST(NumberLiteral, DecimalMarkReadsAsAPoint) {
    struct Case {
        const char* Label;
        char16_t Mark;
        const char16_t* Formula;
        std::optional<long double> Value; // none: a syntax error
        int Position = 0;
    };
    // clang-format off
    const Case cases[] = {
        {"comma",                         u',', u"1,5*2",      3},
        {"point still reads",             u',', u"1.5*2",      3},
        {"full-width comma",              u',', u"１，２５",    1.25L},
        {"leading comma",                 u',', u",5",         0.5L},
        {"comma with exponent",           u',', u"2,5E2",      250},
        {"two marks",                     u',', u"1,5,2",      {},  5},
        {"comma then point",              u',', u"1,5.2",      {},  5},
        {"point then comma",              u',', u"1.5,2",      {},  5},
        {"comma in a name",               u',', u"PI,5",       {},  4},
        {"no mark: comma is unknown",     0,    u"1,5",        {},  2},
        {"a letter is never a mark",      u'E', u"1E2",        100},
        {"an operator is never a mark",   u'+', u"1+5",        6},
        {"a blank is never a mark",       u' ', u"1 + 5",      6},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Label);
        TExpression expression;
        expression.SetDecimalMark(c.Mark);
        const TOutcome outcome = Evaluate(expression, QString::fromUtf16(c.Formula));
        if (c.Value) {
            ASSERT_EQ(outcome.Kind, TOutcome::okValue) << outcome;
            EXPECT_EQ(outcome.Value, *c.Value);
        } else {
            EXPECT_EQ(outcome.Error, enSyntaxError) << outcome;
            EXPECT_EQ(outcome.Position, c.Position);
        }
    }
}

} // namespace

// clang-format on
