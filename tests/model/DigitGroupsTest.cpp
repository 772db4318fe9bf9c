// Grouped numbers in pasted text are joined; anything that is not wholly a grouped number stays as
// typed.
#include "model/DigitGroups.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

const TNumberSeparators English{QStringLiteral("."), QStringLiteral(",")};
const TNumberSeparators German{QStringLiteral(","), QStringLiteral(".")};
const TNumberSeparators French{QStringLiteral(","), QStringLiteral("\u202F")};

struct TJoinCase {
    const char* Name;
    const TNumberSeparators* Separators;
    QString Pasted;
    QString Joined;
};

void PrintTo(const TJoinCase& ACase, std::ostream* AStream) {
    *AStream << ACase.Pasted.toStdString();
}

class DigitGroupsTest : public testing::TestWithParam<TJoinCase> {};

TEST_P(DigitGroupsTest, JoinsOnlyWholeGroupedNumbers) {
    const TJoinCase& c = GetParam();
    EXPECT_EQ(JoinDigitGroups(c.Pasted, *c.Separators), c.Joined);
}

const char16_t LoneHigh[] = {0xD800, u'1', u',', u'2', u'3', u'4', 0};
const char16_t MathBoldA[] = {0xD835, 0xDC00, u'1', u',', u'2', u'3', u'4', 0};   // a letter
const char16_t MathBoldOne[] = {u'1', u',', u'2', u'3', u'4', 0xD835, 0xDFCF, 0}; // a digit

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, DigitGroupsTest,
    testing::Values(
        TJoinCase{"OneGroup", &English, u"1,234.50*2"_qs, u"1234.50*2"_qs},
        TJoinCase{"CopiedResult", &English, u"2,469,135.782"_qs, u"2469135.782"_qs},
        TJoinCase{"SeveralNumbers", &English, u"(1,234+-5,678)/999,000"_qs, u"(1234+-5678)/999000"_qs},
        TJoinCase{"BeforeAnExponent", &English, u"1,234E3"_qs, u"1234E3"_qs},
        TJoinCase{"GermanGroups", &German, u"1.234,5"_qs, u"1234,5"_qs},
        TJoinCase{"GermanSeveralGroups", &German, u"1.234.567,89*2"_qs, u"1234567,89*2"_qs},
        TJoinCase{"NarrowNoBreakSpace", &French, u"1\u202F234,5"_qs, u"1234,5"_qs},
        TJoinCase{"ShortGroupStays", &English, u"1,2"_qs, u"1,2"_qs},
        TJoinCase{"TwoDigitGroupStays", &English, u"12,34"_qs, u"12,34"_qs},
        TJoinCase{"FourDigitGroupStays", &English, u"1,2345"_qs, u"1,2345"_qs},
        TJoinCase{"BadLastGroupKeepsTheWholeNumber", &English, u"1,234,56"_qs, u"1,234,56"_qs},
        TJoinCase{"TrailingSeparatorKeepsTheNumber", &English, u"1,234,+1"_qs, u"1,234,+1"_qs},
        TJoinCase{"LongLeadingGroupStays", &English, u"1234,567"_qs, u"1234,567"_qs},
        TJoinCase{"LeadingZeroStays", &English, u"0,125"_qs, u"0,125"_qs},
        TJoinCase{"GermanDecimalPointStays", &German, u"0.125+10.5"_qs, u"0.125+10.5"_qs},
        TJoinCase{"AfterAName", &English, u"A1,234"_qs, u"A1,234"_qs},
        TJoinCase{"InAHexNumber", &English, u"0x1,234"_qs, u"0x1,234"_qs},
        TJoinCase{"AfterAnExponent", &English, u"2E1,234"_qs, u"2E1,234"_qs},
        TJoinCase{"AfterADecimalSeparator", &English, u"1.5,234"_qs, u"1.5,234"_qs},
        TJoinCase{"AfterAPointUnderGermanGroups", &German, u"1,5.234"_qs, u"1,5.234"_qs},
        TJoinCase{"AfterAnotherScriptsDigit", &English, u"٣1,234"_qs, u"٣1,234"_qs},
        TJoinCase{"BeforeAnotherScriptsDigit", &English, u"1,234٣"_qs, u"1,234٣"_qs},
        TJoinCase{"AfterALetterOutsideTheBmp", &English, QString::fromUtf16(MathBoldA), QString::fromUtf16(MathBoldA)},
        TJoinCase{"BeforeADigitOutsideTheBmp", &English, QString::fromUtf16(MathBoldOne), QString::fromUtf16(MathBoldOne)},
        TJoinCase{"AfterALoneSurrogate", &English, QString::fromUtf16(LoneHigh), QString(QChar(0xD800)) + u"1234"_qs},
        TJoinCase{"AroundNuls", &English, QString(1, QChar(0)) + u"1,234"_qs + QChar(0), QString(1, QChar(0)) + u"1234"_qs + QChar(0)},
        TJoinCase{"SeparatorsOnly", &English, u",,,.,"_qs, u",,,.,"_qs},
        TJoinCase{"Empty", &English, u""_qs, u""_qs}),
    [](const testing::TestParamInfo<TJoinCase>& AInfo) { return std::string(AInfo.param.Name); });
// clang-format on

TEST(DigitGroups, SeparatorsThatCannotGroupJoinNothing) {
    for (const TNumberSeparators& separators :
         {TNumberSeparators{QStringLiteral("."), QString()},
          TNumberSeparators{QStringLiteral(","), QStringLiteral(",")},
          TNumberSeparators{QStringLiteral("."), QStringLiteral("0")}})
        EXPECT_EQ(JoinDigitGroups(u"1,234+1.234+10234"_qs, separators), u"1,234+1.234+10234"_qs)
            << separators.Thousands.toStdString();
}

// 100 kB of digits and separators: a long grouped number joins whole, one spoilt at its end stays
// whole, and runs of short groups stay.
TEST(DigitGroups, LongPastesOfDigitsAndSeparators) {
    const QString groups = u",234"_qs.repeated(25000);
    EXPECT_EQ(JoinDigitGroups(u"1"_qs + groups, English), u"1"_qs + u"234"_qs.repeated(25000));
    const QString spoilt = u"1"_qs + groups + u",23"_qs;
    EXPECT_EQ(JoinDigitGroups(spoilt, English), spoilt);
    const QString shortGroups = u"1,2"_qs.repeated(33000);
    EXPECT_EQ(JoinDigitGroups(shortGroups, English), shortGroups);
    const QString digits(100000, u'9');
    EXPECT_EQ(JoinDigitGroups(digits, English), digits);
}

} // namespace
