#pragma once

#include <QStringView>

#include <cstdint>

// Reads a decimal number text of the form
//   [blanks] [sign] digits [ "." digits ] [ ("E" | "e") [sign] digits ] [blanks]
// with "." as the decimal separator (never the locale's) and ASCII digits only. A lone "."
// (with or without exponent) reads as 0. The value is the nearest extended-precision number;
// tiny values quietly become denormal or zero. Returns false, leaving `value` alone, when the
// text has any other form or its magnitude is too large for the extended range.
bool TryReadDecimal(QStringView text, long double& value);

// The finite, positive AMagnitude rounded to 18 significant decimal digits (ties to even):
// ADigits x 10^(AExponent - 18) with 10^17 <= ADigits < 10^18. Exact integer arithmetic, for
// magnitudes from 0.01 to below 2^127; returns false outside them, where a full conversion
// (std::to_chars) is needed.
bool TryDecimalDigits18(long double AMagnitude, std::uint64_t& ADigits, int& AExponent);
