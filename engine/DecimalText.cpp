#include "engine/DecimalText.h"

#include <array>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <string>

namespace {

bool isAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The parts of a decimal text, as positions into it.
struct TDecimalParts {
    bool IsNegative = false;
    qsizetype IntegerBegin = 0, IntegerEnd = 0;   // digits before the separator
    qsizetype FractionBegin = 0, FractionEnd = 0; // digits after it
    bool HasSeparator = false;
    bool IsExponentNegative = false;
    std::int64_t Exponent = 0; // saturated far beyond any meaningful size
    qsizetype ExponentBegin = 0, ExponentEnd = 0;
};

void skipBlanks(QStringView text, qsizetype& pos) {
    while (pos < text.size() && text[pos] == u' ') ++pos;
}

bool readSign(QStringView text, qsizetype& pos) {
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) return text[pos++] == u'-';
    return false;
}

void skipDigits(QStringView text, qsizetype& pos) {
    while (pos < text.size() && isAsciiDigit(text[pos].unicode())) ++pos;
}

bool parse(QStringView text, TDecimalParts& parts) {
    qsizetype pos = 0;
    skipBlanks(text, pos);
    parts.IsNegative = readSign(text, pos);
    parts.IntegerBegin = pos;
    skipDigits(text, pos);
    parts.IntegerEnd = parts.FractionBegin = parts.FractionEnd = pos;
    if (pos < text.size() && text[pos] == u'.') {
        parts.HasSeparator = true;
        parts.FractionBegin = ++pos;
        skipDigits(text, pos);
        parts.FractionEnd = pos;
    }
    const bool hasDigits =
        parts.IntegerEnd > parts.IntegerBegin || parts.FractionEnd > parts.FractionBegin;
    if (!hasDigits && !parts.HasSeparator) return false;

    if (pos < text.size() && (text[pos] == u'E' || text[pos] == u'e')) {
        ++pos;
        parts.IsExponentNegative = readSign(text, pos);
        parts.ExponentBegin = pos;
        skipDigits(text, pos);
        parts.ExponentEnd = pos;
        if (parts.ExponentEnd == parts.ExponentBegin) return false;
        for (qsizetype i = parts.ExponentBegin; i < parts.ExponentEnd; ++i)
            parts.Exponent = std::min<std::int64_t>(
                parts.Exponent * 10 + (text[i].unicode() - u'0'), std::int64_t(1) << 40);
    }
    skipBlanks(text, pos);
    return pos == text.size();
}

// 10^0 .. 10^27: all exact in the 64-bit mantissa (5^27 < 2^64).
constexpr std::array<long double, 28> kPowersOfTen = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,
    1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L,
    1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};

// Up to 19 significant digits and a small power of ten: both operands are exact, so one
// multiplication or division gives the correctly rounded value.
bool tryExactConversion(QStringView text, const TDecimalParts& parts, long double& value) {
    std::uint64_t mantissa = 0;
    int digits = 0;
    auto take = [&](qsizetype begin, qsizetype end) {
        for (qsizetype i = begin; i < end; ++i) {
            if (mantissa == 0 && text[i] == u'0') continue;
            mantissa = mantissa * 10 + (text[i].unicode() - u'0');
            ++digits;
        }
    };
    take(parts.IntegerBegin, parts.IntegerEnd);
    const std::int64_t fractionDigits = parts.FractionEnd - parts.FractionBegin;
    take(parts.FractionBegin, parts.FractionEnd);
    if (digits > 19) return false;

    const std::int64_t exponent =
        (parts.IsExponentNegative ? -parts.Exponent : parts.Exponent) - fractionDigits;
    long double magnitude = static_cast<long double>(mantissa);
    if (mantissa != 0) {
        if (exponent > 27 || exponent < -27) return false;
        magnitude = exponent >= 0 ? magnitude * kPowersOfTen[std::size_t(exponent)]
                                  : magnitude / kPowersOfTen[std::size_t(-exponent)];
    }
    value = parts.IsNegative ? -magnitude : magnitude;
    return true;
}

// strtold follows LC_NUMERIC, which the application sets from the user's environment; the
// conversion must always see "." as the separator, so it runs under a private "C" locale.
locale_t cNumericLocale() {
    static const locale_t locale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

bool convertWithLibrary(QStringView text, const TDecimalParts& parts, long double& value) {
    std::string ascii;
    ascii.reserve(std::size_t(text.size()) + 4);
    if (parts.IsNegative) ascii.push_back('-');
    auto copy = [&](qsizetype begin, qsizetype end) {
        for (qsizetype i = begin; i < end; ++i) ascii.push_back(char(text[i].unicode()));
    };
    copy(parts.IntegerBegin, parts.IntegerEnd);
    ascii.push_back('.');
    copy(parts.FractionBegin, parts.FractionEnd);
    if (parts.ExponentEnd > parts.ExponentBegin) {
        ascii.append(parts.IsExponentNegative ? "e-" : "e");
        copy(parts.ExponentBegin, parts.ExponentEnd);
    }
    char* end = nullptr;
    const long double result = strtold_l(ascii.c_str(), &end, cNumericLocale());
    if (end != ascii.c_str() + ascii.size() || std::isinf(result)) return false;
    value = result;
    return true;
}

} // namespace

bool TryReadDecimal(QStringView text, long double& value) {
    TDecimalParts parts;
    if (!parse(text, parts)) return false;
    if (parts.IntegerEnd == parts.IntegerBegin && parts.FractionEnd == parts.FractionBegin) {
        value = parts.IsNegative ? -0.0L : 0.0L; // a lone separator
        return true;
    }
    return tryExactConversion(text, parts, value) || convertWithLibrary(text, parts, value);
}

namespace {

__extension__ typedef unsigned __int128 u128;

constexpr std::uint64_t kPow10Limit18 = 1000000000000000000ULL; // 10^18

constexpr std::array<std::uint64_t, 20> kPowersOfTen64 = {1ULL,
                                                          10ULL,
                                                          100ULL,
                                                          1000ULL,
                                                          10000ULL,
                                                          100000ULL,
                                                          1000000ULL,
                                                          10000000ULL,
                                                          100000000ULL,
                                                          1000000000ULL,
                                                          10000000000ULL,
                                                          100000000000ULL,
                                                          1000000000000ULL,
                                                          10000000000000ULL,
                                                          100000000000000ULL,
                                                          1000000000000000ULL,
                                                          10000000000000000ULL,
                                                          100000000000000000ULL,
                                                          1000000000000000000ULL,
                                                          10000000000000000000ULL};

// round(ANumerator / ADenominator), ties to even.
u128 DivideRounded(u128 ANumerator, u128 ADenominator) {
    const u128 quotient = ANumerator / ADenominator;
    const u128 remainder = ANumerator % ADenominator;
    const u128 half = ADenominator - remainder; // remainder vs. half: compare 2r with d safely
    if (remainder > half || (remainder == half && (quotient & 1))) return quotient + 1;
    return quotient;
}

// round(m * 2^e * 10^(17 - k)) for the decimal exponent k; false where 128 bits do not hold it.
bool ScaledDigits(std::uint64_t m, int e, int k, u128& digits) {
    const int up = 17 - k;
    if (e >= 0) {
        if (e > 63) return false;
        const u128 value = u128(m) << e;
        if (up >= 0) {
            if (up > 19 || k < 0) return false;
            digits = value * kPowersOfTen64[std::size_t(up)];
            return true;
        }
        if (-up > 19) return false;
        digits = DivideRounded(value, kPowersOfTen64[std::size_t(-up)]);
        return true;
    }
    const int shift = -e;
    if (up >= 0) {
        if (up > 19 || shift > 127) return false;
        digits = DivideRounded(u128(m) * kPowersOfTen64[std::size_t(up)], u128(1) << shift);
        return true;
    }
    if (-up > 2 || shift > 60) return false;
    digits = DivideRounded(m, u128(kPowersOfTen64[std::size_t(-up)]) << shift);
    return true;
}

} // namespace

bool TryDecimalDigits18(long double AMagnitude, std::uint64_t& ADigits, int& AExponent) {
    if (!(AMagnitude >= 0.01L && AMagnitude < 0x1p127L)) return false;
    int binaryExponent = 0;
    const long double fraction = std::frexp(AMagnitude, &binaryExponent); // in [0.5, 1)
    const std::uint64_t m = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
    const int e = binaryExponent - 64;
    int k = static_cast<int>(std::floor(std::log10(AMagnitude)));
    for (int attempt = 0; attempt < 3; ++attempt) {
        u128 digits = 0;
        if (!ScaledDigits(m, e, k, digits)) return false;
        if (digits >= kPow10Limit18) {
            if (digits == kPow10Limit18) { // rounded up to the next power of ten
                ADigits = kPow10Limit18 / 10;
                AExponent = k + 2;
                return true;
            }
            ++k;
        } else if (digits < kPow10Limit18 / 10) {
            --k;
        } else {
            ADigits = std::uint64_t(digits);
            AExponent = k + 1;
            return true;
        }
    }
    return false;
}
