#pragma once

// Extended-precision arithmetic with explicit fault checks. Each operation inspects its operands
// and result and throws EArithmeticFault for an invalid operation (a NaN result), a division by
// zero, or an overflow (an infinite result from finite operands). Underflow and rounding are no
// faults. Checks on values rather than floating-point flags cannot be reordered or dropped by
// the optimiser.

#include "engine/Expression.h"

#include <cmath>
#include <cstdint>

namespace ExtendedMath {

// Constants to extended precision, given by their 64-bit mantissas.
inline constexpr long double kPi = 0xC90FDAA22168C235p-62L;
inline constexpr long double kPiOver180 = 0x8EFA351294E9C8AEp-69L;
inline constexpr long double kPiOver200 = 0x80ADFC90B938CE36p-69L;
inline constexpr long double k180OverPi = 0xE52EE0D31E0FBDC3p-58L;
inline constexpr long double k200OverPi =
    0xFEA5DD5C5A4A6111p-58L; // one unit below the rounded quotient
inline constexpr long double kPercent = 0xA3D70A3D70A3D70Ap-70L; // 0.01

[[noreturn]] inline void Fault(EArithmeticFault::TKind AKind) { throw EArithmeticFault(AKind); }

inline long double Checked(long double AResult, long double ALeft, long double ARight = 0) {
    if (std::isnan(AResult)) Fault(EArithmeticFault::fkInvalidOperation);
    if (std::isinf(AResult) && std::isfinite(ALeft) && std::isfinite(ARight))
        Fault(EArithmeticFault::fkOverflow);
    return AResult;
}

inline long double Add(long double a, long double b) { return Checked(a + b, a, b); }
inline long double Sub(long double a, long double b) { return Checked(a - b, a, b); }
inline long double Mul(long double a, long double b) { return Checked(a * b, a, b); }

inline long double Div(long double a, long double b) {
    if (b == 0)
        Fault(a == 0 ? EArithmeticFault::fkInvalidOperation : EArithmeticFault::fkZeroDivide);
    return Checked(a / b, a, b);
}

inline long double Sqrt(long double x) {
    if (x < 0) Fault(EArithmeticFault::fkInvalidOperation);
    return std::sqrt(x);
}

inline long double Ln(long double x) {
    if (x < 0) Fault(EArithmeticFault::fkInvalidOperation);
    if (x == 0) Fault(EArithmeticFault::fkZeroDivide);
    return std::log(x);
}

inline long double Exp(long double x) { return Checked(std::exp(x), x); }

// Truncates toward zero to a signed 64-bit integer; a value outside that range faults.
inline std::int64_t TruncToInt64(long double x) {
    const long double t = std::trunc(x);
    if (!(t >= -0x1p63L && t < 0x1p63L)) Fault(EArithmeticFault::fkInvalidOperation);
    return static_cast<std::int64_t>(t);
}

// base ^ exponent: repeated squaring for whole exponents of magnitude up to 2^31 - 1,
// e^(exponent * ln base) otherwise (a negative base faults there).
long double Power(long double ABase, long double AExponent);

} // namespace ExtendedMath
