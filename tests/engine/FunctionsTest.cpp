#include "EngineTestSupport.h"
#include "engine/ExtendedMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

struct TExtendedBits {
    std::uint16_t SignAndExponent;
    std::uint64_t Mantissa;
};

TExtendedBits BitsOf(long double value) {
    unsigned char bytes[sizeof(long double)] = {};
    std::memcpy(bytes, &value, 10);
    TExtendedBits bits{};
    std::memcpy(&bits.Mantissa, bytes, 8);
    std::memcpy(&bits.SignAndExponent, bytes + 8, 2);
    return bits;
}

TEST(Constants, HaveTheirExactBitPatterns) {
    struct Case {
        const char* Name;
        long double Value;
        std::uint16_t Exponent;
        std::uint64_t Mantissa;
    };
    using namespace ExtendedMath;
    for (const Case& c : {Case{"pi", kPi, 0x4000, 0xC90FDAA22168C235},
                          Case{"pi/180", kPiOver180, 0x3FF9, 0x8EFA351294E9C8AE},
                          Case{"pi/200", kPiOver200, 0x3FF9, 0x80ADFC90B938CE36},
                          Case{"180/pi", k180OverPi, 0x4004, 0xE52EE0D31E0FBDC3},
                          Case{"200/pi", k200OverPi, 0x4004, 0xFEA5DD5C5A4A6111},
                          Case{"percent", kPercent, 0x3FF8, 0xA3D70A3D70A3D70A}}) {
        const TExtendedBits bits = BitsOf(c.Value);
        EXPECT_EQ(bits.SignAndExponent, c.Exponent) << c.Name;
        EXPECT_EQ(bits.Mantissa, c.Mantissa) << c.Name;
    }
    EXPECT_EQ(Evaluate(u"PI"_qs).Value, kPi);
    EXPECT_EQ(Evaluate(u"%"_qs).Value, kPercent);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Functions, FormulaValue,
    testing::Values(
        TValueCase{"Sin30", u"SIN 30", 0.5L}, TValueCase{"Sin30Parens", u"SIN(30)", 0.5L},
        TValueCase{"Cos60", u"COS 60", 0.5L}, TValueCase{"Sin180", u"SIN 180", 0},
        TValueCase{"Cos90", u"COS 90", 0}, TValueCase{"SinRadSixth", u"SINR(PI/6)", 0.5L},
        TValueCase{"Tan45", u"TAN 45", 1}, TValueCase{"SinSquared", u"SIN 30^2", 0.25L},
        TValueCase{"ImpliedSin", u"2SIN 30", 1}, TValueCase{"SinPlusOne", u"SIN(30)+1", 1.5L},
        TValueCase{"AcosR1", u"ACOSR 1", 0}, TValueCase{"Sqrt16", u"SQRT 16", 4},
        TValueCase{"SqrtAppliesToFactor", u"SQRT 4*4", 8}, TValueCase{"Log2Of8", u"LOG2 8", 3},
        TValueCase{"Ln1", u"LN 1", 0}, TValueCase{"Int", u"INT 2.7", 2},
        TValueCase{"IntNegative", u"INT(-2.7)", -2}, TValueCase{"IntHuge", u"INT 1E30", 1E30L},
        TValueCase{"Fact0", u"FACT 0", 1}, TValueCase{"FactNegative", u"FACT(-5)", 1},
        TValueCase{"Fact5", u"FACT 5", 120}, TValueCase{"FactTruncates", u"FACT 3.9", 6},
        TValueCase{"FactNegativeFraction", u"FACT(-3.9)", 1}, TValueCase{"Not0", u"NOT 0", -1},
        TValueCase{"Not5", u"NOT 5", -6}, TValueCase{"NotTrue", u"NOT TRUE", -2},
        TValueCase{"Acosh1", u"ACOSH 1", 0}, TValueCase{"SinhTiny", u"SINH 1E-17", 0},
        TValueCase{"CoshTiny", u"COSH(-1E-17)", 1}, TValueCase{"TanhSaturates", u"TANH 24", 1},
        TValueCase{"TanhSaturatesNegative", u"TANH(-24)", -1},
        TValueCase{"DegToRad", u"DEGTORAD 180", ExtendedMath::kPi},
        TValueCase{"Exp0", u"EXP 0", 1}, TValueCase{"ExpUnderflow", u"EXP(-20000)", 0},
        TValueCase{"NestedSin", u"SIN SIN 30", 0.008726535498374L}),
    CaseName<TValueCase>);

TEST(Functions, RoundedToFifteenDecimalsOnlyInDegreesAndRadians) {
    const TOutcome sine = Evaluate(u"SIN 180"_qs);
    EXPECT_TRUE(std::signbit(sine.Value)) << "the rounding keeps the sign of the tiny value";

    const long double singular = Evaluate(u"SING 200"_qs).Value;
    EXPECT_NE(singular, 0);
    EXPECT_LT(std::fabs(singular), 1E-18L);
    EXPECT_NE(Evaluate(u"COSG 100"_qs).Value, 0);
    const TOutcome tang = Evaluate(u"TANG 100"_qs);
    ASSERT_EQ(tang.Kind, TOutcome::okValue) << "no cosine test for grads";
    EXPECT_GT(std::fabs(tang.Value), 1E17L);

    EXPECT_EQ(Evaluate(u"TANR 1"_qs).Value, std::nearbyint(std::tan(1.0L) * 1E15L) * 1E-15L);
    EXPECT_TRUE(NearlyEqual(Evaluate(u"TANR 1"_qs).Value, 1.557407724654902L, 1e-15L));
}

TEST(Functions, InverseFunctionsAndConversionsWithinTheLastBits) {
    struct Case {
        const char16_t* Formula;
        long double Expected;
    };
    for (const Case& c : {Case{u"ASIN 1", 90}, Case{u"ATANG 1", 50}, Case{u"ACOS 0", 90},
                          Case{u"ATAN 1", 45}, Case{u"LOG 1000", 3}, Case{u"LOG10 1000", 3},
                          Case{u"RADTODEG PI", 180}, Case{u"DEGTOGRAD 90", 100},
                          Case{u"GRADTODEG 100", 90}, Case{u"RADTOGRAD PI", 200},
                          Case{u"GRADTORAD 200", ExtendedMath::kPi}, Case{u"ASINH 0", 0},
                          Case{u"ATANH 0.5", 0.5493061443340548457L}, Case{u"COSH 1", 1.5430806348152437785L},
                          Case{u"SINH 1", 1.1752011936438014569L}, Case{u"EXP 1", 2.7182818284590452354L}}) {
        const TOutcome outcome = Evaluate(QString::fromUtf16(c.Formula));
        ASSERT_EQ(outcome.Kind, TOutcome::okValue) << QString::fromUtf16(c.Formula).toStdString();
        EXPECT_TRUE(NearlyEqual(outcome.Value, c.Expected)) << QString::fromUtf16(c.Formula).toStdString()
                                                            << " = " << static_cast<double>(outcome.Value);
    }
}

TEST(Functions, FactorialLimit) {
    const TOutcome largest = Evaluate(u"FACT 1754"_qs);
    ASSERT_EQ(largest.Kind, TOutcome::okValue);
    EXPECT_TRUE(NearlyEqual(largest.Value, 1.979261890105010059e4930L, 1e-15L));
    for (const char16_t* formula : {u"FACT 1755", u"FACT 100000", u"FACT 9223372036854775807"})
        EXPECT_EQ(Evaluate(QString::fromUtf16(formula)).Error, enMathError)
            << QString::fromUtf16(formula).toStdString();
}

TEST(Functions, ArctanhInfinitiesAreValues) {
    const TOutcome plus = Evaluate(u"ATANH 1"_qs);
    ASSERT_EQ(plus.Kind, TOutcome::okValue);
    EXPECT_TRUE(std::isinf(plus.Value) && plus.Value > 0);
    EXPECT_TRUE(std::isinf(Evaluate(u"ATANH(-1)"_qs).Value));
    EXPECT_TRUE(std::isinf(Evaluate(u"ATANH 1 + 1"_qs).Value));
    EXPECT_EQ(Evaluate(u"ATANH 1 - ATANH 1"_qs).Kind, TOutcome::okFault);
    EXPECT_EQ(Evaluate(u"(ATANH 1 * 0)"_qs).Error, enMathError);
}

INSTANTIATE_TEST_SUITE_P(
    Domains, FormulaError,
    testing::Values(
        TErrorCase{"Tan90", u"TAN 90", enInfinityError, 6},
        TErrorCase{"TanMinus270", u"TAN(-270)", enInfinityError, 9},
        TErrorCase{"TanRadHalfPi", u"TANR(PI/2)", enInfinityError, 10},
        TErrorCase{"Log0", u"LOG 0", enInfinityError, 5},
        TErrorCase{"LnNegative", u"LN(-1)", enInfinityError, 6},
        TErrorCase{"Log2Zero", u"LOG2 0+1", enInfinityError, 7},
        TErrorCase{"SqrtNegative", u"SQRT(-4)", enSyntaxError, 8},
        TErrorCase{"SqrtSign", u"SQRT -4", enSyntaxError, 6},
        TErrorCase{"Asin2", u"ASIN 2", enMathError, 6},
        TErrorCase{"AcosRadOutside", u"ACOSR(-1.5)", enMathError, 11},
        TErrorCase{"Atanh2", u"ATANH 2", enMathError, 7},
        TErrorCase{"AcoshHalf", u"ACOSH 0.5", enMathError, 9},
        TErrorCase{"AcoshMinusOne", u"ACOSH(-1)", enMathError, 9},
        TErrorCase{"AcoshMinusTwo", u"ACOSH(-2)", enMathError, 9},
        TErrorCase{"AsinhCancels", u"ASINH(-1E3000)", enMathError, 14},
        TErrorCase{"ExpOverflow", u"EXP 12000", enMathError, 9},
        TErrorCase{"SinhOverflow", u"SINH(-11400)", enMathError, 12},
        TErrorCase{"CoshOverflow", u"COSH 11400", enMathError, 10},
        TErrorCase{"NotOutOfRange", u"NOT 1E19", enMathError, 8},
        TErrorCase{"SinOfInfinity", u"SIN ATANH 1", enMathError, 11}),
    CaseName<TErrorCase>);

} // namespace

// clang-format on