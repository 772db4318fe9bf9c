#pragma once

#include <QStringView>

// Reads a decimal number text of the form
//   [blanks] [sign] digits [ "." digits ] [ ("E" | "e") [sign] digits ] [blanks]
// with "." as the decimal separator (never the locale's) and ASCII digits only. A lone "."
// (with or without exponent) reads as 0. The value is the nearest extended-precision number;
// tiny values quietly become denormal or zero. Returns false, leaving `value` alone, when the
// text has any other form or its magnitude is too large for the extended range.
bool TryReadDecimal(QStringView text, long double& value);
