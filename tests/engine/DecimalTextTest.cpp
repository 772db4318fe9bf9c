#include "engine/DecimalText.h"

#include <gtest/gtest.h>

#include <QString>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

namespace {

TEST(DecimalText, AcceptedForms) {
    struct Case {
        const char16_t* Text;
        long double Expected;
    };
    for (const Case& c :
         {Case{u"-5", -5}, Case{u"+2", 2}, Case{u"1e3", 1000}, Case{u"1E-3", 0.001L},
          Case{u"1e+3", 1000}, Case{u"  12.5  ", 12.5L}, Case{u".", 0}, Case{u"-.5", -0.5L},
          Case{u"5.", 5}, Case{u".E5", 0}, Case{u"0.1", 0.1L}, Case{u"1E-5000", 0},
          Case{u"00000000000000000000000123", 123},
          Case{u"123456789012345678901234567890", 123456789012345678901234567890.0L},
          Case{u"1.18973149535723176502e+4932", 1.18973149535723176502e+4932L},
          Case{u"0E99999999999999999999999999", 0}}) {
        const QString text = QString::fromUtf16(c.Text);
        long double value = -1;
        ASSERT_TRUE(TryReadDecimal(text, value)) << text.toStdString();
        EXPECT_EQ(value, c.Expected) << text.toStdString();
    }
}

TEST(DecimalText, RejectedForms) {
    for (const char16_t* text : {u"",        u" ",    u"+",      u"-",
                                 u"1,000",   u"e5",   u"1e",     u"1e+",
                                 u"1 2",     u"1..2", u"1.2.3",  u"０",
                                 u"1\u0663", u"0x10", u"1E5000", u"1E99999999999999999999",
                                 u"--1",     u"1-",   u"\t1",    u"1_000"}) {
        long double value = 42;
        EXPECT_FALSE(TryReadDecimal(QString::fromUtf16(text), value))
            << QString::fromUtf16(text).toStdString();
        EXPECT_EQ(value, 42) << "a failed read leaves the value alone";
    }
}

TEST(DecimalText, NegativeZeroKeepsItsSign) {
    long double value = 1;
    ASSERT_TRUE(TryReadDecimal(u"-0", value));
    EXPECT_TRUE(std::signbit(value));
}

// The short-cut for up to 19 significant digits must give exactly what a full conversion gives.
TEST(DecimalText, AgreesWithFullConversionOnRandomTexts) {
    std::mt19937_64 rng(7);
    for (int round = 0; round < 200000; ++round) {
        std::string text;
        const int integerDigits = int(rng() % 12);
        const int fractionDigits = int(rng() % 12);
        for (int i = 0; i < integerDigits; ++i) text.push_back(char('0' + rng() % 10));
        text.push_back('.');
        for (int i = 0; i < fractionDigits; ++i) text.push_back(char('0' + rng() % 10));
        if (integerDigits + fractionDigits == 0) continue;
        if (rng() % 2) text += "e" + std::to_string(int(rng() % 61) - 30);

        long double ours = 0;
        ASSERT_TRUE(TryReadDecimal(QString::fromStdString(text), ours)) << text;
        EXPECT_EQ(ours, std::strtold(text.c_str(), nullptr)) << text;
    }
}

} // namespace

namespace {

// The quick 18-digit conversion must agree with the full one wherever it answers.
TEST(DecimalDigits18, AgreesWithToChars) {
    std::mt19937_64 rng(11);
    auto check = [](long double value) {
        std::uint64_t digits = 0;
        int exponent = 0;
        if (!TryDecimalDigits18(value, digits, exponent)) return false;
        char expected[64];
        const auto end = std::to_chars(expected, expected + sizeof expected, value,
                                       std::chars_format::scientific, 17);
        const std::string text(expected, end.ptr);
        const std::string mantissa = text.substr(0, 1) + text.substr(2, 17);
        const int expectedExponent = std::stoi(text.substr(text.find('e') + 1)) + 1;
        EXPECT_EQ(std::to_string(digits), mantissa) << text;
        EXPECT_EQ(exponent, expectedExponent) << text;
        return true;
    };
    int answered = 0;
    for (int round = 0; round < 300000; ++round) {
        const long double scale = std::pow(10.0L, int(rng() % 45) - 3);
        const long double value = scale * (static_cast<long double>(rng()) / 0x1p64L);
        answered += check(value);
    }
    EXPECT_GT(answered, 200000);
    for (long double value :
         {0.01L, 0.1L, 1.0L, 999.995L, 1e17L, 1e18L, 1e19L - 1, 123456789012345678.5L,
          1000000000000000005.0L, 0x1p120L, 0.999999999999999999995L, 9.9999999999999999995L})
        EXPECT_TRUE(check(value)) << static_cast<double>(value);
}

} // namespace
