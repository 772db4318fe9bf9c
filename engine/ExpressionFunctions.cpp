// The built-in functions of the formula language. The angle unit is part of a function's name:
// degrees without suffix, "R" radians, "G" grads. Degree and radian results of sin, cos and tan
// are rounded to 15 decimals so that sin 30 is exactly 0.5; the grad variants are not.

#include "engine/Expression.h"
#include "engine/ExtendedMath.h"

#include <cmath>
#include <cstdint>

using namespace ExtendedMath;

namespace {

constexpr long double kTolerance = 1E-16L;
constexpr long double kRoundingScale = 1E15L;
constexpr long double kRoundingStep = 1E-15L;
constexpr std::int64_t kFirstFactorialOverflow = 1755;
constexpr long double kTanhSaturation = 23;

// Rounds to the nearest whole number, ties to even, keeping the sign of a zero. llrint works in
// the default rounding mode (to nearest, ties to even) and is much cheaper than nearbyint;
// magnitudes of 2^62 and more are whole numbers already.
long double RoundHalfEven(long double x) {
    if (!(std::fabs(x) < 0x1p62L)) return x;
    return std::copysign(static_cast<long double>(std::llrint(x)), x);
}

// round(v * 10^15) * 10^-15, ties to even.
long double Round15(long double v) { return RoundHalfEven(Mul(v, kRoundingScale)) * kRoundingStep; }

long double Sine(long double a) { return Checked(std::sin(a), a); }
long double Cosine(long double a) { return Checked(std::cos(a), a); }
long double Tangent(long double a) { return Checked(std::tan(a), a); }

long double ArcSine(long double x) { return std::atan2(x, Sqrt(Sub(1, Mul(x, x)))); }
long double ArcCosine(long double x) { return std::atan2(Sqrt(Mul(Add(1, x), Sub(1, x))), x); }

long double HyperbolicSine(long double x) {
    if (std::fabs(x) <= kTolerance) return 0;
    return Div(Sub(Exp(x), Exp(-x)), 2);
}

long double HyperbolicCosine(long double x) {
    if (std::fabs(x) <= kTolerance) return 1;
    return Div(Add(Exp(x), Exp(-x)), 2);
}

long double HyperbolicTangent(long double x) {
    if (std::fabs(x) > kTanhSaturation) return x > 0 ? 1 : -1;
    return std::tanh(x);
}

long double InverseHyperbolicSine(long double x) { return Ln(Add(x, Sqrt(Add(Mul(x, x), 1)))); }

long double InverseHyperbolicCosine(long double x) {
    return Ln(Add(x, Mul(Add(x, 1), Sqrt(Div(Sub(x, 1), Add(x, 1))))));
}

// The infinities near 1 and -1 are values, not errors.
long double InverseHyperbolicTangent(long double x) {
    if (std::fabs(x - 1) <= kTolerance) return HUGE_VALL;
    if (std::fabs(x + 1) <= kTolerance) return -HUGE_VALL;
    return Div(Ln(Div(Add(1, x), Sub(1, x))), 2);
}

// The product 1 * 1 * 2 * ... * n, formed upward; from 1755 on it leaves the extended range,
// which is known without computing it.
long double Factorial(long double x) {
    const std::int64_t n = TruncToInt64(x);
    if (n >= kFirstFactorialOverflow) Fault(EArithmeticFault::fkOverflow);
    long double product = 1;
    for (std::int64_t i = 1; i <= n; ++i) product *= static_cast<long double>(i);
    return product;
}

} // namespace

long double TExpression::EvalFunction(TExpType AKind, long double x) {
    switch (AKind) {
    case etSin: return Round15(Sine(Mul(x, kPiOver180)));
    case etCos: return Round15(Cosine(Mul(x, kPiOver180)));
    case etSinRad: return Round15(Sine(x));
    case etCosRad: return Round15(Cosine(x));
    case etTan:
    case etTanRad: {
        const long double a = AKind == etTan ? Mul(x, kPiOver180) : x;
        if (Round15(Cosine(a)) == 0) RaiseError(enInfinityError);
        return Round15(Tangent(a));
    }
    case etSinGrad: return Sine(Mul(x, kPiOver200));
    case etCosGrad: return Cosine(Mul(x, kPiOver200));
    case etTanGrad: return Tangent(Mul(x, kPiOver200));
    case etArcSin: return Mul(ArcSine(x), k180OverPi);
    case etArcCos: return Mul(ArcCosine(x), k180OverPi);
    case etArcTan: return Mul(std::atan(x), k180OverPi);
    case etArcSinRad: return ArcSine(x);
    case etArcCosRad: return ArcCosine(x);
    case etArcTanRad: return std::atan(x);
    case etArcSinGrad: return Mul(ArcSine(x), k200OverPi);
    case etArcCosGrad: return Mul(ArcCosine(x), k200OverPi);
    case etArcTanGrad: return Mul(std::atan(x), k200OverPi);
    case etSinH: return HyperbolicSine(x);
    case etCosH: return HyperbolicCosine(x);
    case etTanH: return HyperbolicTangent(x);
    case etArcSinH: return InverseHyperbolicSine(x);
    case etArcCosH: return InverseHyperbolicCosine(x);
    case etArcTanH: return InverseHyperbolicTangent(x);
    case etExp: return Exp(x);
    case etSqrt:
        if (x < 0) RaiseError(enSyntaxError, ecNegativeSquareRoot);
        return std::sqrt(x);
    case etLog10:
    case etLog2:
    case etLn:
        if (!(x > 0)) RaiseError(enInfinityError);
        return AKind == etLog10 ? std::log10(x) : AKind == etLog2 ? std::log2(x) : std::log(x);
    case etInt: return std::trunc(x);
    case etFactorial: return Factorial(x);
    case etDegToRad: return Mul(x, kPiOver180);
    case etRadToDeg: return Mul(x, k180OverPi);
    case etDegToGrad: return Mul(Mul(x, kPiOver180), k200OverPi);
    case etGradToDeg: return Mul(Mul(x, kPiOver200), k180OverPi);
    case etRadToGrad: return Mul(x, k200OverPi);
    case etGradToRad: return Mul(x, kPiOver200);
    case etNot: return static_cast<long double>(~TruncToInt64(x));
    default: RaiseError(enSyntaxError);
    }
}
