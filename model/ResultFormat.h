#pragma once

#include "model/RoundSelector.h"

#include <QString>

#include <cstdint>
#include <stdexcept>

// Display settings of RoundDecimal other than a fixed count of decimals.
inline constexpr int RoundDecimalNormal = -1;
inline constexpr int RoundDecimalHex = -16;
inline constexpr int RoundDecimalBin = -2;

// Decimal and thousands separators written into number texts. An empty
// Thousands means no grouping character is written even when grouping is on.
struct TNumberSeparators {
    QString Decimal = QStringLiteral(".");
    QString Thousands = QStringLiteral(",");
};

// The user's number locale (QLocale::system()).
TNumberSeparators SystemNumberSeparators();
// "." and ",": for texts that are read back by the program, never shown.
TNumberSeparators MachineNumberSeparators();

// What a value did not fit when it could not be shown: a finite number at all, or the signed
// 64-bit integer that HEX and BIN show and that counts the steps of CUT and UP.
enum class TResultLimit { FiniteNumber, Hex, Bin, Cut, Up };

// A value that cannot be converted for display: a HEX/BIN integer or a CUT/UP
// step count outside the signed 64-bit range, or an infinite / NaN value.
class EResultRangeError : public std::runtime_error {
public:
    explicit EResultRangeError(TResultLimit ALimit);
    TResultLimit Limit() const { return FLimit; }

private:
    TResultLimit FLimit;
};

// How results are shown: RoundDecimal (-1 Normal, 0 or more fixed decimals, -16 HEX, -2 BIN), the
// rounding mode of fixed decimals and the digit grouping. The window keeps the one in force, the
// command line builds one from its options, and a history entry is shown in the one in force
// with the entry's own RoundDecimal.
struct TDisplayFormat {
    int RoundDecimal = RoundDecimalNormal;
    TRoundSelector RoundSelector = rs54;
    bool IsDigitGroupingSeparator = false;

    TDisplayFormat WithRoundDecimal(int ARoundDecimal) const {
        TDisplayFormat format = *this;
        format.RoundDecimal = ARoundDecimal;
        return format;
    }
    bool operator==(const TDisplayFormat&) const = default;
};

// The display text of a result. RoundDecimal: -1 Normal, 0 or more fixed
// decimals (more than 18 means 2, for CUT and UP too), -16 HEX, -2 BIN, any
// other negative value the empty text. RoundSelector applies to fixed decimals
// only, on the 18-digit decimal form; grouping to fixed and Normal. HEX and BIN
// round to an integer with ties to even; a negative one shows its 64-bit two's
// complement. IsPercent multiplies by 100 and appends "%" (not for HEX and BIN).
// Throws EResultRangeError as described on the class.
QString FormatResultValue(bool IsPercent, int RoundDecimal, long double Value,
                          TRoundSelector RoundSelector, bool IsDigitGroupingSeparator,
                          const TNumberSeparators& Separators);

// The same under AFormat.
QString FormatResultValue(bool IsPercent, long double Value, const TDisplayFormat& AFormat,
                          const TNumberSeparators& Separators);

// Value with exactly d decimals, rounded half away from zero on its 18-digit
// decimal form; d > 18 means 2, a negative d means 0. Magnitudes of 1E18 and
// more are written as GeneralText(Value, 18). Throws EResultRangeError for inf/NaN.
QString FixedText(long double Value, int d, bool Grouped, const TNumberSeparators& Separators);

// Shortest text with at most P significant digits (P is clamped to 1..18):
// fixed notation from 0.0001 up to below 10^P, else "1.5E-7" style.
// Throws EResultRangeError for inf/NaN.
QString GeneralText(long double Value, int P, const TNumberSeparators& Separators);

// Normal display with thousands separators and up to 15 decimals; magnitudes
// of 1E18 and more fall back to GeneralText(Value, 15). Throws for inf/NaN.
QString GroupedText(long double Value, const TNumberSeparators& Separators);

// Binary digits of N without leading zeros ("0" for zero); a negative N gives
// the 64 digits of its two's complement.
QString IntToBin(std::int64_t N);
