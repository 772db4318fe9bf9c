#include "engine/ExtendedMath.h"

namespace ExtendedMath {

namespace {

constexpr long double kMaxWholeExponent = 2147483647.0L;

long double WholePower(long double ABase, std::int64_t AExponent) {
    std::uint64_t n = AExponent < 0 ? std::uint64_t(-AExponent) : std::uint64_t(AExponent);
    long double result = 1;
    long double square = ABase;
    while (n != 0) {
        if (n & 1) result *= square;
        n >>= 1;
        if (n != 0) square *= square;
    }
    if (AExponent < 0) {
        // The reciprocal of a power that overflowed is a value that underflows, not a fault;
        // the reciprocal of one that underflowed to zero is beyond the range.
        if (std::isinf(result)) return std::signbit(result) ? -0.0L : 0.0L;
        return Div(1, result);
    }
    return Checked(result, ABase);
}

} // namespace

long double Power(long double ABase, long double AExponent) {
    if (AExponent == std::trunc(AExponent) && std::fabs(AExponent) <= kMaxWholeExponent)
        return WholePower(ABase, static_cast<std::int64_t>(AExponent));
    if (ABase == 0) return 0;
    // e^(exponent * ln base) decides which operations fault; powl gives the better value.
    Mul(AExponent, Ln(ABase));
    return Checked(std::pow(ABase, AExponent), ABase, AExponent);
}

} // namespace ExtendedMath
