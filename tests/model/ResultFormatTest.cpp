#include "model/ResultFormat.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

// Values are long double literals: the results reaching the display are the
// nearest extended values to their decimal texts (999.995L, not 999.995).
struct TFormatRow {
    const char* Name;
    long double Value;
    bool IsPercent;
    int RoundDecimal;
    TRoundSelector Selector;
    bool Grouped;
    const char* Text; // with "." decimal and "," thousands
};

// clang-format off
const TFormatRow FormatRows[] = {
    {"FixedGrouped", 1234.5L, false, 2, rs54, true, "1,234.50"},
    {"FixedPlain", 1234.5L, false, 2, rs54, false, "1234.50"},
    {"NormalPlain", 1234.5L, false, -1, rs54, false, "1234.5"},
    {"NormalGrouped", 1234.5L, false, -1, rsCut, true, "1,234.5"},
    {"NegativeMillionsGrouped", -1234567.891L, false, 3, rs54, true, "-1,234,567.891"},
    {"HalfAwayFromZero", 2.5L, false, 0, rs54, false, "3"},
    {"NegativeHalfAwayFromZero", -2.5L, false, 0, rs54, false, "-3"},
    {"HalfOnDecimalForm", 0.125L, false, 2, rs54, false, "0.13"},
    {"CarryIntoNewDigit", 999.995L, false, 2, rs54, false, "1000.00"},
    {"RoundsToZeroLosesSign", -0.001L, false, 2, rs54, false, "0.00"},
    {"NegativeHalfOnDecimalForm", -0.005L, false, 2, rs54, false, "-0.01"},
    {"CutExactMultiple", 0.53L, false, 2, rsCut, false, "0.53"},
    {"CutPositive", 1.239L, false, 2, rsCut, false, "1.23"},
    {"CutNegativeTowardMinusInfinity", -1.231L, false, 2, rsCut, false, "-1.24"},
    {"UpPositive", 1.231L, false, 2, rsUp, false, "1.24"},
    {"UpNegativeTowardPlusInfinity", -1.239L, false, 2, rsUp, false, "-1.23"},
    {"PercentNormal", 0.125L, true, -1, rs54, false, "12.5%"},
    {"PercentFixed", 0.125L, true, 0, rs54, false, "13%"},
    {"PercentHexHasNoSign", 0.125L, true, -16, rs54, true, "0xC"},
    {"Hex", 255.0L, false, -16, rsUp, false, "0xFF"},
    {"HexTieToEvenUp", 255.5L, false, -16, rs54, false, "0x100"},
    {"HexTieToEvenDown", 254.5L, false, -16, rs54, true, "0xFE"},
    {"HexNegativeTwosComplement", -255.0L, false, -16, rs54, false, "0xFFFFFFFFFFFFFF01"},
    {"Bin", 5.0L, false, -2, rs54, true, "0b101"},
    {"BinZero", 0.0L, false, -2, rsCut, false, "0b0"},
    {"BinTieToEven", 2.5L, false, -2, rs54, false, "0b10"},
    {"ZeroFixed", 0.0L, false, 2, rsCut, false, "0.00"},
    {"ZeroNormal", 0.0L, false, -1, rs54, true, "0"},
    {"HugeFixedIsGeneral", 1E20L, false, 2, rs54, true, "1E20"},
    {"FixedAt1E18IsGeneral", 1E18L, false, 2, rs54, true, "1E18"},
    {"FixedEighteenDigits", 123456789012345000.0L, false, 2, rs54, true,
     "123,456,789,012,345,000.00"},
    {"NormalScientificFrom1E15", 1E15L, false, -1, rs54, false, "1E15"},
    {"NormalGroupedKeeps1E15Fixed", 1E15L, false, -1, rs54, true, "1,000,000,000,000,000"},
    {"NormalFifteenDigits", 123456789012345.0L, false, -1, rs54, false, "123456789012345"},
    {"NormalSmallestFixed", 0.0001L, false, -1, rs54, false, "0.0001"},
    {"NormalScientificBelow", 0.00001L, false, -1, rs54, false, "1E-5"},
    {"NormalGroupedSmall", 0.00001L, false, -1, rs54, true, "0.00001"},
    {"NormalGroupedBelow15Decimals", 1.5E-17L, false, -1, rs54, true, "0"},
    {"NormalNegativeScientific", -1.5E-7L, false, -1, rs54, false, "-1.5E-7"},
    {"TooManyDecimalsUsesTwo", 1234.5L, false, 20, rs54, false, "1234.50"},
    {"UnknownNegativeIsEmpty", 1234.5L, false, -3, rs54, true, ""},
    // Beyond the table.
    {"NegativeZeroNormal", -0.0L, false, -1, rs54, false, "0"},
    {"NegativeZeroFixed", -0.0L, false, 1, rsUp, false, "0.0"},
    {"UpExactMultiple", 0.53L, false, 2, rsUp, false, "0.53"},
    {"CutNegativeExactMultiple", -0.53L, false, 2, rsCut, false, "-0.53"},
    {"UpBelowOneStep", 0.001L, false, 2, rsUp, false, "0.01"},
    {"CutNegativeBelowOneStep", -0.001L, false, 2, rsCut, false, "-0.01"},
    {"UpNegativeBelowOneStepLosesSign", -0.001L, false, 2, rsUp, false, "0.00"},
    {"UpCarriesIntoNewDigit", 9.991L, false, 2, rsUp, true, "10.00"},
    {"CutToNoDecimals", -0.5L, false, 0, rsCut, false, "-1"},
    {"CutWithTooManyDecimalsUsesTwo", 1.239L, false, 20, rsCut, false, "1.23"},
    {"CutLargestStepCountOfTheForm", 92233720368547758.0L, false, 2, rsCut, false,
     "92233720368547758.00"},
    {"UpLowestStepCountOfTheForm", -9223372036854775800.0L, false, 0, rsUp, false,
     "-9.2233720368547758E18"},
    {"GroupedThreeDigitsHasNoSeparator", -123.0L, false, 1, rs54, true, "-123.0"},
    {"GroupedFourDigits", 1000.0L, false, 0, rs54, true, "1,000"},
    {"NormalGroupedRoundsTo15Decimals", 0.1234567890123456L, false, -1, rs54, true,
     "0.123456789012346"},
    {"NormalGroupedHugeIsGeneral", 1.5E19L, false, -1, rs54, true, "1.5E19"},
    {"PercentGrouped", 12345.678L, true, 1, rs54, true, "1,234,567.8%"},
    {"PercentBin", 0.05L, true, -2, rs54, false, "0b101"},
    {"BinNegativeTwosComplement", -2.0L, false, -2, rs54, false,
     "0b1111111111111111111111111111111111111111111111111111111111111110"},
    {"HexNegativeTieToEven", -2.5L, false, -16, rs54, false, "0xFFFFFFFFFFFFFFFE"},
    {"HexBelowHalfRoundsDown", 0.49L, false, -16, rs54, false, "0x0"},
};
// clang-format on

// A table text ("." decimal, "," thousands) written with other separators.
QString WithSeparators(const char* Text, const TNumberSeparators& Separators) {
    QString Result;
    for (const QChar Character : QString::fromLatin1(Text)) {
        if (Character == u'.')
            Result += Separators.Decimal;
        else if (Character == u',')
            Result += Separators.Thousands;
        else
            Result += Character;
    }
    return Result;
}

QString Format(const TFormatRow& Row, const TNumberSeparators& Separators) {
    return FormatResultValue(Row.IsPercent, Row.RoundDecimal, Row.Value, Row.Selector, Row.Grouped,
                             Separators);
}

class FormatResultValueTest : public testing::TestWithParam<TFormatRow> {};

TEST_P(FormatResultValueTest, MachineSeparators) {
    EXPECT_EQ(Format(GetParam(), MachineNumberSeparators()).toStdString(), GetParam().Text);
}

TEST_P(FormatResultValueTest, OtherSeparators) {
    const TFormatRow& Row = GetParam();
    // clang-format off
    const TNumberSeparators Others[] = {
        {QStringLiteral(","), QStringLiteral(".")},
        {QStringLiteral(","), QStringLiteral("\u00A0")},
        {QStringLiteral(","), QStringLiteral("\u202F")},
        {QStringLiteral("."), QString()},
    };
    // clang-format on
    for (const TNumberSeparators& Separators : Others) {
        EXPECT_EQ(Format(Row, Separators), WithSeparators(Row.Text, Separators))
            << "decimal " << Separators.Decimal.toStdString() << ", thousands "
            << Separators.Thousands.toStdString();
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, FormatResultValueTest, testing::ValuesIn(FormatRows),
                         [](const auto& Info) { return std::string(Info.param.Name); });

struct TRangeRow {
    const char* Name;
    long double Value;
    bool IsPercent;
    int RoundDecimal;
    TRoundSelector Selector;
};

// clang-format off
const TRangeRow RangeRows[] = {
    {"HexAbove64Bits", 1E19L, false, -16, rs54},
    {"HexAt2Pow63", 9223372036854775808.0L, false, -16, rs54},
    {"HexBelowLowest", -9223372036854775810.0L, false, -16, rs54},
    {"BinAbove64Bits", -1E19L, false, -2, rs54},
    {"HexPercentOverflows", 1E17L, true, -16, rs54},
    {"CutStepCount", 1E17L, false, 2, rsCut},
    {"UpStepCount", -1E17L, false, 2, rsUp},
    {"UpStepCountJustAboveLimit", 92233720368547758.1L, false, 2, rsUp},
    {"CutNegativeStepCountJustBelowLimit", -9223372036854775810.0L, false, 0, rsCut},
    {"CutWithTooManyDecimalsChecksTwo", 1E17L, false, 20, rsCut},
    {"CutHugeValue", 1E300L, false, 0, rsCut},
    {"PercentOverflowsToInfinity", std::numeric_limits<long double>::max(), true, -1, rs54},
    {"Infinity", std::numeric_limits<long double>::infinity(), false, 2, rs54},
    {"NegativeInfinityHex", -std::numeric_limits<long double>::infinity(), false, -16, rs54},
    {"NaN", std::numeric_limits<long double>::quiet_NaN(), false, -1, rs54},
    {"NaNBin", std::numeric_limits<long double>::quiet_NaN(), false, -2, rs54},
};
// clang-format on

class FormatRangeErrorTest : public testing::TestWithParam<TRangeRow> {};

TEST_P(FormatRangeErrorTest, Throws) {
    const TRangeRow& Row = GetParam();
    EXPECT_THROW(FormatResultValue(Row.IsPercent, Row.RoundDecimal, Row.Value, Row.Selector, false,
                                   MachineNumberSeparators()),
                 EResultRangeError);
}

INSTANTIATE_TEST_SUITE_P(Rows, FormatRangeErrorTest, testing::ValuesIn(RangeRows),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(FormatResultValue, HexReachesBothInt64Limits) {
    const TNumberSeparators Machine = MachineNumberSeparators();
    EXPECT_EQ(FormatResultValue(false, -16, 9223372036854775807.0L, rs54, false, Machine),
              QStringLiteral("0x7FFFFFFFFFFFFFFF"));
    EXPECT_EQ(FormatResultValue(false, -16, -9223372036854775808.0L, rs54, false, Machine),
              QStringLiteral("0x8000000000000000"));
}

struct TGeneralRow {
    const char* Name;
    long double Value;
    int P;
    const char* Text;
};

// clang-format off
const TGeneralRow GeneralRows[] = {
    {"OneThird", 1.0L / 3, 15, "0.333333333333333"},
    {"TwoThirdsRoundsUp", 2.0L / 3, 15, "0.666666666666667"},
    {"PowerOfTenIsScientific", 1E15L, 15, "1E15"},
    {"FifteenDigitsStay", 123456789012345.0L, 15, "123456789012345"},
    {"SixteenDigitsRound", 1234567890123456.0L, 15, "1.23456789012346E15"},
    {"NinesCarryToScientific", 999999999999999.9L, 15, "1E15"},
    {"SmallestFixed", 0.0001L, 15, "0.0001"},
    {"FixedWithDigits", -0.000123L, 15, "-0.000123"},
    {"LargestScientificBelow", 0.00009999L, 15, "9.999E-5"},
    {"ScientificBelow", 0.00001L, 15, "1E-5"},
    {"TinySubnormal", 0x1p-16445L, 15, "3.64519953188247E-4951"},
    {"HugeExponent", -1.5E4000L, 15, "-1.5E4000"},
    {"Zero", 0.0L, 15, "0"},
    {"NegativeZero", -0.0L, 15, "0"},
    {"PointOnePlusPointTwo", 0.1L + 0.2L, 15, "0.3"},
    {"EighteenDigits", 123456789012345678.0L, 18, "123456789012345678"},
    {"PrecisionAbove18IsClamped", 1.0L / 3, 40, "0.333333333333333333"},
    {"PrecisionBelow1IsClamped", 2.5L, 0, "3"},
};
// clang-format on

class GeneralTextTest : public testing::TestWithParam<TGeneralRow> {};

TEST_P(GeneralTextTest, Text) {
    const TGeneralRow& Row = GetParam();
    EXPECT_EQ(GeneralText(Row.Value, Row.P, MachineNumberSeparators()).toStdString(), Row.Text);
}

INSTANTIATE_TEST_SUITE_P(Rows, GeneralTextTest, testing::ValuesIn(GeneralRows),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST(GeneralText, UsesDecimalSeparatorButNeverGroups) {
    const TNumberSeparators Separators{QStringLiteral("\u066B"), QStringLiteral(",")};
    EXPECT_EQ(GeneralText(-1234567.25L, 15, Separators), QStringLiteral("-1234567\u066B25"));
    EXPECT_EQ(GeneralText(1.5E-7L, 15, Separators), QStringLiteral("1\u066B5E-7"));
}

// The 15-digit text must read back to the same value it was made from.
TEST(GeneralText, FifteenDigitRoundTripIsStable) {
    const TNumberSeparators Machine = MachineNumberSeparators();
    for (long double Value : {1.0L / 3, 0.1L, 1E-300L, 123.456L, -9.87654321E100L, 1E15L}) {
        const QString Once = GeneralText(Value, 15, Machine);
        const long double ReadBack = std::strtold(Once.toLatin1().constData(), nullptr);
        EXPECT_EQ(GeneralText(ReadBack, 15, Machine), Once);
    }
}

TEST(FixedText, DecimalsOutsideRange) {
    const TNumberSeparators Machine = MachineNumberSeparators();
    EXPECT_EQ(FixedText(1.005L, 19, false, Machine), QStringLiteral("1.01"));
    EXPECT_EQ(FixedText(0.5L, 18, false, Machine), QStringLiteral("0.500000000000000000"));
    EXPECT_EQ(FixedText(2.5L, -4, false, Machine), QStringLiteral("3"));
}

TEST(TextBuilders, RejectNonFiniteValues) {
    const TNumberSeparators Machine = MachineNumberSeparators();
    const long double Infinity = std::numeric_limits<long double>::infinity();
    const long double NaN = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_THROW(GeneralText(Infinity, 15, Machine), EResultRangeError);
    EXPECT_THROW(GeneralText(NaN, 15, Machine), EResultRangeError);
    EXPECT_THROW(FixedText(-Infinity, 2, true, Machine), EResultRangeError);
    EXPECT_THROW(GroupedText(NaN, Machine), EResultRangeError);
}

TEST(IntToBin, Digits) {
    EXPECT_EQ(IntToBin(0), QStringLiteral("0"));
    EXPECT_EQ(IntToBin(5), QStringLiteral("101"));
    EXPECT_EQ(IntToBin(6), QStringLiteral("110"));
    EXPECT_EQ(IntToBin(std::numeric_limits<std::int64_t>::max()), QString(63, u'1'));
    EXPECT_EQ(IntToBin(-1), QString(64, u'1'));
    EXPECT_EQ(IntToBin(std::numeric_limits<std::int64_t>::min()),
              QStringLiteral("1") + QString(63, u'0'));
}

TEST(NumberSeparators, MachineSeparatorsArePointAndComma) {
    const TNumberSeparators Machine = MachineNumberSeparators();
    EXPECT_EQ(Machine.Decimal, QStringLiteral("."));
    EXPECT_EQ(Machine.Thousands, QStringLiteral(","));
}

TEST(NumberSeparators, SystemSeparatorsFollowQtSystemLocale) {
    const QLocale System = QLocale::system();
    const TNumberSeparators Separators = SystemNumberSeparators();
    EXPECT_EQ(Separators.Decimal, System.decimalPoint());
    EXPECT_EQ(Separators.Thousands, System.groupSeparator());
}

} // namespace

// clang-format on