#include "model/ResultFormat.h"

#include "engine/DecimalText.h"

#include <QLocale>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace {

constexpr int FormDigits = 18;
constexpr int MaxFixedExponent = 18; // 1E18 and more leave fixed notation
constexpr int MaxStepDigits = 19;    // 2^63 has 19 decimal digits
constexpr int NormalDigits = 15;
constexpr std::uint64_t Int64Limit = std::uint64_t{1} << 63;

// |Value| = 0.d1 d2 ... dCount x 10^Exponent, trailing zero digits dropped.
// Count 0 is zero.
struct TDecimalForm {
    std::array<std::uint8_t, FormDigits> Digits{};
    int Count = 0;
    int Exponent = 0;
    bool Negative = false;

    bool IsZero() const { return Count == 0; }
    int DigitAt(int Position) const {
        return Position >= 0 && Position < Count ? Digits[Position] : 0;
    }
};

void DropTrailingZeros(TDecimalForm& Form) {
    while (Form.Count > 0 && Form.Digits[Form.Count - 1] == 0) --Form.Count;
    if (Form.IsZero()) {
        Form.Negative = false;
        Form.Exponent = 0;
    }
}

void RequireFinite(long double Value) {
    if (!std::isfinite(Value)) throw EResultRangeError(TResultLimit::FiniteNumber);
}

// std::to_chars is exact and ignores the C locale, unlike printf.
TDecimalForm DecimalFormOf(long double Value) {
    RequireFinite(Value);
    TDecimalForm Form;
    Form.Negative = std::signbit(Value);
    std::uint64_t Digits18 = 0;
    int Exponent18 = 0;
    if (TryDecimalDigits18(std::fabs(Value), Digits18, Exponent18)) {
        for (int Position = FormDigits - 1; Position >= 0; --Position, Digits18 /= 10)
            Form.Digits[Position] = static_cast<std::uint8_t>(Digits18 % 10);
        Form.Count = FormDigits;
        Form.Exponent = Exponent18;
        DropTrailingZeros(Form);
        return Form;
    }
    char Buffer[64];
    const auto Written = std::to_chars(Buffer, Buffer + sizeof Buffer, std::fabs(Value),
                                       std::chars_format::scientific, FormDigits - 1);
    const char* Cursor = Buffer;
    for (; Cursor != Written.ptr && *Cursor != 'e'; ++Cursor) {
        if (*Cursor != '.') Form.Digits[Form.Count++] = static_cast<std::uint8_t>(*Cursor - '0');
    }
    int Exponent10 = 0;
    if (Cursor != Written.ptr) {
        ++Cursor;
        if (*Cursor == '+') ++Cursor;
        std::from_chars(Cursor, Written.ptr, Exponent10);
    }
    Form.Exponent = Exponent10 + 1;
    DropTrailingZeros(Form);
    return Form;
}

// Keeps the first Kept digits and adds one unit in the last kept place,
// 10^(Exponent - Kept); Kept <= 0 keeps nothing, so the result is that unit.
void IncrementKept(TDecimalForm& Form, int Kept) {
    if (Kept <= 0) {
        Form.Exponent = Form.Exponent - Kept + 1;
        Form.Digits[0] = 1;
        Form.Count = 1;
        return;
    }
    Form.Count = Kept;
    for (int Position = Kept - 1; Position >= 0; --Position) {
        if (++Form.Digits[Position] < 10) {
            DropTrailingZeros(Form);
            return;
        }
        Form.Digits[Position] = 0;
    }
    // A run of 9s carried out of the first digit.
    Form.Digits[0] = 1;
    Form.Count = 1;
    ++Form.Exponent;
}

void Truncate(TDecimalForm& Form, int Kept) {
    Form.Count = std::max(0, std::min(Form.Count, Kept));
    DropTrailingZeros(Form);
}

// Half away from zero, to Kept significant digits.
TDecimalForm RoundedTo(TDecimalForm Form, int Kept) {
    if (Form.IsZero() || Kept >= Form.Count) return Form;
    if (Kept < 0) {
        Truncate(Form, 0);
        return Form;
    }
    if (Form.Digits[Kept] >= 5)
        IncrementKept(Form, Kept);
    else
        Truncate(Form, Kept);
    return Form;
}

// CUT (toward minus infinity) or UP (toward plus infinity) to a multiple of
// 10^-Decimals, decided on the decimal digits so that 0.53 stays 0.53.
TDecimalForm DirectedTo(TDecimalForm Form, int Decimals, TRoundSelector Selector) {
    const int Kept = Form.Exponent + Decimals;
    if (Form.IsZero() || Kept >= Form.Count) return Form;
    const bool AwayFromZero = (Selector == rsCut) == Form.Negative;
    if (AwayFromZero)
        IncrementKept(Form, Kept);
    else
        Truncate(Form, Kept);
    return Form;
}

// Form x 10^Decimals must be a signed 64-bit count of steps.
void RequireStepCountInRange(const TDecimalForm& Form, int Decimals, TRoundSelector Selector) {
    if (Form.IsZero()) return;
    const TResultLimit Limit = Selector == rsCut ? TResultLimit::Cut : TResultLimit::Up;
    const int IntegerDigits = Form.Exponent + Decimals;
    if (IntegerDigits > MaxStepDigits) throw EResultRangeError(Limit);
    std::uint64_t Steps = 0;
    for (int Position = 0; Position < IntegerDigits; ++Position)
        Steps = Steps * 10 + static_cast<std::uint64_t>(Form.DigitAt(Position));
    const std::uint64_t Largest = Form.Negative ? Int64Limit : Int64Limit - 1;
    if (Steps > Largest) throw EResultRangeError(Limit);
}

// Collects the text in a stack buffer: one QString allocation per result.
class TTextWriter {
public:
    TTextWriter(const TDecimalForm& Form, const TNumberSeparators& Separators)
        : Form(Form), Separators(Separators) {}

    void Sign() {
        if (Form.Negative && !Form.IsZero()) Text.append(u'-');
    }
    void Digits(int From, int To) {
        for (int Position = From; Position < To; ++Position)
            Text.append(static_cast<char16_t>(u'0' + Form.DigitAt(Position)));
    }
    void DecimalSeparator() { Append(Separators.Decimal); }
    // The digits before the decimal point, "0" when there are none.
    void IntegerPart(bool Grouped) {
        const int Count = Form.Exponent;
        if (Count <= 0) {
            Text.append(u'0');
            return;
        }
        for (int Position = 0; Position < Count; ++Position) {
            if (Grouped && Position > 0 && (Count - Position) % 3 == 0)
                Append(Separators.Thousands);
            Digits(Position, Position + 1);
        }
    }
    // The separator and FractionDigits digits after the point; nothing for 0.
    void FractionPart(int FractionDigits) {
        if (FractionDigits <= 0) return;
        DecimalSeparator();
        Digits(Form.Exponent, Form.Exponent + FractionDigits);
    }
    void ExponentPart() {
        Text.append(u'E');
        char Buffer[16];
        const auto Written = std::to_chars(Buffer, Buffer + sizeof Buffer, Form.Exponent - 1);
        for (const char* Cursor = Buffer; Cursor != Written.ptr; ++Cursor)
            Text.append(static_cast<char16_t>(*Cursor));
    }
    QString Result() const {
        return QString(reinterpret_cast<const QChar*>(Text.constData()), Text.size());
    }

private:
    void Append(const QString& Part) {
        Text.append(reinterpret_cast<const char16_t*>(Part.utf16()), Part.size());
    }

    const TDecimalForm& Form;
    const TNumberSeparators& Separators;
    QVarLengthArray<char16_t, 64> Text;
};

QString GeneralFromForm(const TDecimalForm& Source, int Precision,
                        const TNumberSeparators& Separators) {
    const TDecimalForm Form = RoundedTo(Source, Precision);
    if (Form.IsZero()) return QStringLiteral("0");
    TTextWriter Writer(Form, Separators);
    Writer.Sign();
    if (Form.Exponent >= -3 && Form.Exponent <= Precision) {
        Writer.IntegerPart(false);
        Writer.FractionPart(Form.Count - Form.Exponent);
        return Writer.Result();
    }
    Writer.Digits(0, 1);
    if (Form.Count > 1) {
        Writer.DecimalSeparator();
        Writer.Digits(1, Form.Count);
    }
    Writer.ExponentPart();
    return Writer.Result();
}

QString FixedFromForm(const TDecimalForm& Source, int Decimals, bool Grouped,
                      const TNumberSeparators& Separators) {
    if (!Source.IsZero() && Source.Exponent > MaxFixedExponent)
        return GeneralFromForm(Source, FormDigits, Separators);
    const TDecimalForm Form = RoundedTo(Source, Source.Exponent + Decimals);
    TTextWriter Writer(Form, Separators);
    Writer.Sign();
    Writer.IntegerPart(Grouped);
    Writer.FractionPart(Decimals);
    return Writer.Result();
}

QString GroupedFromForm(const TDecimalForm& Source, const TNumberSeparators& Separators) {
    if (!Source.IsZero() && Source.Exponent > MaxFixedExponent)
        return GeneralFromForm(Source, NormalDigits, Separators);
    const TDecimalForm Form = RoundedTo(Source, Source.Exponent + NormalDigits);
    TTextWriter Writer(Form, Separators);
    Writer.Sign();
    Writer.IntegerPart(true);
    Writer.FractionPart(Form.Count - Form.Exponent);
    return Writer.Result();
}

// Fixed decimals beyond what the decimal form holds are shown as 2.
int EffectiveDecimals(int Decimals) {
    if (Decimals > FormDigits) return 2;
    return std::max(Decimals, 0);
}

// Ties go to the even integer; floor and the subtraction are exact here. Display is the display
// that needs the integer.
std::int64_t RoundedToInt64(long double Value, TResultLimit Display) {
    const long double Floor = std::floor(Value);
    const long double Fraction = Value - Floor;
    long double Rounded = Floor;
    if (Fraction > 0.5L || (Fraction == 0.5L && std::fmod(Floor, 2.0L) != 0)) Rounded = Floor + 1;
    constexpr long double Limit = 0x1p63L;
    if (!(Rounded >= -Limit && Rounded < Limit)) throw EResultRangeError(Display);
    return static_cast<std::int64_t>(Rounded);
}

QString IntToHex(std::int64_t N) {
    char Buffer[16];
    const auto Written =
        std::to_chars(Buffer, Buffer + sizeof Buffer, static_cast<std::uint64_t>(N), 16);
    std::transform(Buffer, Written.ptr, Buffer, [](char Digit) {
        return Digit >= 'a' ? static_cast<char>(Digit - 'a' + 'A') : Digit;
    });
    return QString::fromLatin1(Buffer, Written.ptr - Buffer);
}

QString FixedDecimalsText(int Decimals, long double Value, TRoundSelector Selector, bool Grouped,
                          const TNumberSeparators& Separators) {
    const int Used = EffectiveDecimals(Decimals);
    TDecimalForm Form = DecimalFormOf(Value);
    if (Selector == rsCut || Selector == rsUp) {
        Form = DirectedTo(Form, Used, Selector);
        RequireStepCountInRange(Form, Used, Selector);
    }
    return FixedFromForm(Form, Used, Grouped, Separators);
}

QString NormalText(long double Value, bool Grouped, const TNumberSeparators& Separators) {
    return Grouped ? GroupedText(Value, Separators) : GeneralText(Value, NormalDigits, Separators);
}

} // namespace

namespace {

const char* LimitText(TResultLimit Limit) {
    switch (Limit) {
    case TResultLimit::FiniteNumber: return "The result is not a finite number";
    case TResultLimit::Hex:
    case TResultLimit::Bin: return "The integer is out of the 64-bit range";
    case TResultLimit::Cut:
    case TResultLimit::Up: return "The step count is out of the 64-bit range";
    }
    return "The result is out of range";
}

} // namespace

EResultRangeError::EResultRangeError(TResultLimit ALimit)
    : std::runtime_error(LimitText(ALimit)), FLimit(ALimit) {}

TNumberSeparators SystemNumberSeparators() {
    const QLocale Locale = QLocale::system();
    return {Locale.decimalPoint(), Locale.groupSeparator()};
}

TNumberSeparators MachineNumberSeparators() { return {}; }

QString FormatResultValue(bool IsPercent, int RoundDecimal, long double Value,
                          TRoundSelector RoundSelector, bool IsDigitGroupingSeparator,
                          const TNumberSeparators& Separators) {
    RequireFinite(Value);
    if (IsPercent) Value *= 100;
    RequireFinite(Value);
    const QString Percent = IsPercent ? QStringLiteral("%") : QString();
    if (RoundDecimal >= 0)
        return FixedDecimalsText(RoundDecimal, Value, RoundSelector, IsDigitGroupingSeparator,
                                 Separators) +
               Percent;
    switch (RoundDecimal) {
    case RoundDecimalNormal:
        return NormalText(Value, IsDigitGroupingSeparator, Separators) + Percent;
    case RoundDecimalHex:
        return QStringLiteral("0x") + IntToHex(RoundedToInt64(Value, TResultLimit::Hex));
    case RoundDecimalBin:
        return QStringLiteral("0b") + IntToBin(RoundedToInt64(Value, TResultLimit::Bin));
    default: return {};
    }
}

QString FormatResultValue(bool IsPercent, long double Value, const TDisplayFormat& AFormat,
                          const TNumberSeparators& Separators) {
    return FormatResultValue(IsPercent, AFormat.RoundDecimal, Value, AFormat.RoundSelector,
                             AFormat.IsDigitGroupingSeparator, Separators);
}

QString FixedText(long double Value, int d, bool Grouped, const TNumberSeparators& Separators) {
    return FixedFromForm(DecimalFormOf(Value), EffectiveDecimals(d), Grouped, Separators);
}

QString GeneralText(long double Value, int P, const TNumberSeparators& Separators) {
    return GeneralFromForm(DecimalFormOf(Value), std::clamp(P, 1, FormDigits), Separators);
}

QString GroupedText(long double Value, const TNumberSeparators& Separators) {
    return GroupedFromForm(DecimalFormOf(Value), Separators);
}

QString IntToBin(std::int64_t N) { return QString::number(static_cast<std::uint64_t>(N), 2); }
