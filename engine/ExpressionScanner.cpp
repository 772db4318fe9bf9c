// The scanner half of TExpression: turns the working text into tokens.

#include "engine/DecimalText.h"
#include "engine/Expression.h"
#include "engine/ExtendedMath.h"

#include <QChar>

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

constexpr char16_t kBlank = u' ';
constexpr char16_t kEndMarker = u'$';

bool IsDigit(char16_t c) {
    if (c < 256) return c >= u'0' && c <= u'9';
    return QChar::isDigit(c);
}

bool IsLetter(char16_t c) {
    if (c < 128) return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
    return QChar::isLetter(c);
}

bool IsHexDigit(char16_t c) { return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'); }

struct TKeywordOperator {
    QStringView Name;
    int Code;
};

// Tried in this order; "AND" and "OR" share the codes of "&" and "|".
// clang-format off
constexpr std::array<TKeywordOperator, 5> kKeywordOperators = {{
    {u"MOD", opMod},
    {u"AND", u'&'},
    {u"OR", u'|'},
    {u"XOR", opXor},
    {u"DIV", opDiv},
}};
// clang-format on

struct TBuiltinName {
    QStringView Name;
    TExpType Kind;
};

// clang-format off
constexpr std::array<TBuiltinName, 48> kBuiltinNames = {{
    {u"TRUE", etTrue},           {u"FALSE", etFalse},
    {u"SIN", etSin},             {u"SINR", etSinRad},         {u"SING", etSinGrad},
    {u"COS", etCos},             {u"COSR", etCosRad},         {u"COSG", etCosGrad},
    {u"TAN", etTan},             {u"TANR", etTanRad},         {u"TANG", etTanGrad},
    {u"ASIN", etArcSin},         {u"ASINR", etArcSinRad},     {u"ASING", etArcSinGrad},
    {u"ACOS", etArcCos},         {u"ACOSR", etArcCosRad},     {u"ACOSG", etArcCosGrad},
    {u"ATAN", etArcTan},         {u"ATANR", etArcTanRad},     {u"ATANG", etArcTanGrad},
    {u"SINH", etSinH},           {u"COSH", etCosH},           {u"TANH", etTanH},
    {u"ASINH", etArcSinH},       {u"ACOSH", etArcCosH},       {u"ATANH", etArcTanH},
    {u"EXP", etExp},             {u"SQRT", etSqrt},
    {u"LOG", etLog10},           {u"LOG10", etLog10},         {u"LOG2", etLog2},
    {u"LN", etLn},               {u"INT", etInt},
    {u"PI", etPi},               {u"\u03C0", etPi},           {u"\u03A0", etPi},
    {u"%", etPercent},           {u"FACT", etFactorial},
    {u"DEGTORAD", etDegToRad},   {u"RADTODEG", etRadToDeg},
    {u"DEGTOGRAD", etDegToGrad}, {u"GRADTODEG", etGradToDeg},
    {u"RADTOGRAD", etRadToGrad}, {u"GRADTORAD", etGradToRad},
    {u"NOT", etNot},
}};
// clang-format on

TExpType LookupBuiltinName(QStringView AName) {
    for (const TBuiltinName& entry : kBuiltinNames)
        if (entry.Name == AName) return entry.Kind;
    return etOthers;
}

} // namespace

void TExpression::SetFormula(int AIndex, char16_t AValue) {
    if (AIndex >= 1 && AIndex <= FormulaStr.size()) FormulaStr[AIndex - 1] = QChar(AValue);
}

// Judged for C at position FormulaIndex - 1: a digit or "."; "E" before a digit or before "-"
// and a digit; "-" right after "E".
bool TExpression::IsNumberChar() const {
    if (IsDigit(C) || C == u'.') return true;
    if (C == u'E') {
        const char16_t next = GetFormula(FormulaIndex);
        return IsDigit(next) || (next == u'-' && IsDigit(GetFormula(FormulaIndex + 1)));
    }
    if (C == u'-') return GetFormula(FormulaIndex - 2) == u'E';
    return false;
}

bool TExpression::IsIdentChar() const { return IsNumberChar() || IsLetter(C); }

// The characters from position AStart up to the one before C.
QStringView TExpression::CollectedSince(int AStart) const {
    const qsizetype last = std::min<qsizetype>(FormulaIndex - 2, FormulaStr.size());
    return QStringView(FormulaStr).mid(AStart - 1, std::max<qsizetype>(last - AStart + 1, 0));
}

// token = blanks ( keyword-operator | name | end | operator | "(" | ")" | number )
void TExpression::NextToken() {
    FIsNameToken = false;
    while (C == kBlank && IsWithinText()) Advance();

    if (IsLetter(C) || C == u'%') {
        if (!ScanKeywordOperator()) {
            Token = LookupIdentifier();
            FIsNameToken = true;
        }
        return;
    }
    if (!IsWithinText()) {
        Token = etNewLine;
        C = kBlank;
        return;
    }
    if (C == kEndMarker) {
        Token = etNewLine;
        C = kBlank;
        return;
    }
    if (C == u'.' || (C >= u'0' && C <= u'9')) {
        ScanNumber();
        Token = etNumber;
        return;
    }
    ScanOperatorChar();
    Advance();
}

// Operators, parentheses and anything unrecognised; the caller advances past the token.
void TExpression::ScanOperatorChar() {
    switch (C) {
    case u'&':
    case u'+':
    case u'-':
    case u'=':
    case u'|':
        Token = etAddop;
        Oprt = C;
        break;
    case u'*':
    case u'/':
        Token = etMulop;
        Oprt = C;
        break;
    case u'^':
        Token = etPower;
        Oprt = C;
        break;
    case u'(': Token = etLParen; break;
    case u')': Token = etRParen; break;
    case u'<': {
        // "<" needs a blank or "=" after it.
        const char16_t next = GetFormula(FormulaIndex);
        Token = etAddop;
        if (next == kBlank) {
            Oprt = u'<';
        } else if (next == u'=') {
            Advance();
            Oprt = opLessEqual;
        } else {
            Token = etOthers;
        }
        break;
    }
    case u'>': {
        // ">" needs a blank before it.
        if (GetFormula(FormulaIndex - 2) != kBlank) {
            Token = etOthers;
        } else if (GetFormula(FormulaIndex) == u'=') {
            Advance();
            Token = etAddop;
            Oprt = opGreaterEqual;
        } else {
            Token = etAddop;
            Oprt = u'>';
        }
        break;
    }
    default: Token = etOthers; break;
    }
}

// A keyword operator stands after a blank (never at the start) and needs nothing after it, so
// "5 MODE" reads as 5 MOD E while "5MOD3" is a number and a name.
bool TExpression::ScanKeywordOperator() {
    const int position = FormulaIndex - 1;
    const int endMarker = FormulaStr.size();
    if (position < 2 || GetFormula(position - 1) != kBlank) return false;
    for (const TKeywordOperator& keyword : kKeywordOperators) {
        const int length = int(keyword.Name.size());
        if (position + length - 1 >= endMarker) continue;
        if (QStringView(FormulaStr).mid(position - 1, length) != keyword.Name) continue;
        Token = etAddop;
        Oprt = keyword.Code;
        FormulaIndex = position + length;
        Advance();
        return true;
    }
    return false;
}

TExpType TExpression::LookupIdentifier() {
    // The first character is taken whatever it is ("%" included); names run on through digits,
    // "." and the "E-" of exponents.
    const int start = FormulaIndex - 1;
    do {
        Advance();
    } while (IsWithinText() && IsIdentChar());
    IdentBuff.resize(0);
    IdentBuff.append(CollectedSince(start));
    return LookupBuiltinName(IdentBuff);
}

// number = hex-literal | binary-literal | decimal-literal
void TExpression::ScanNumber() {
    const char16_t next = GetFormula(FormulaIndex);
    if (C == u'0' && next == u'X') {
        ScanHexNumber();
    } else if (C == u'0' && next == u'B') {
        ScanBinaryNumber();
    } else {
        ScanDecimalNumber();
    }
}

// hex-literal = "0X" any-char { digit | "A".."F" }: at most 8 significant digits, read as a
// signed 32-bit pattern.
void TExpression::ScanHexNumber() {
    Advance();
    Advance();
    const int start = FormulaIndex - 1;
    Advance();
    while (IsWithinText() && (IsDigit(C) || (C >= u'A' && C <= u'F'))) Advance();

    std::uint32_t pattern = 0;
    int significantDigits = 0;
    for (const QChar ch : CollectedSince(start)) {
        const char16_t c = ch.unicode();
        if (!IsHexDigit(c)) RaiseError(enSyntaxError);
        const std::uint32_t digit = c <= u'9' ? c - u'0' : c - u'A' + 10;
        if (significantDigits > 0 || digit != 0) ++significantDigits;
        if (significantDigits > 8) RaiseError(enSyntaxError);
        pattern = (pattern << 4) | digit;
    }
    Value = static_cast<std::int32_t>(pattern);
}

// binary-literal = "0B" any-char { digit }: only "0" and "1"; a "1" at bit 63 or higher faults.
void TExpression::ScanBinaryNumber() {
    Advance();
    Advance();
    const int start = FormulaIndex - 1;
    Advance();
    while (IsWithinText() && IsDigit(C)) Advance();

    const QStringView digits = CollectedSince(start);
    for (const QChar ch : digits)
        if (ch != u'0' && ch != u'1') RaiseError(enSyntaxError);
    std::uint64_t bits = 0;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (digits[i] != u'1') continue;
        const qsizetype bit = digits.size() - 1 - i;
        if (bit >= 63) ExtendedMath::Fault(EArithmeticFault::fkOverflow);
        bits |= std::uint64_t(1) << bit;
    }
    Value = static_cast<long double>(bits);
}

// decimal-literal = number-chars [ blank number-chars ], converted as a whole.
void TExpression::ScanDecimalNumber() {
    const int start = FormulaIndex - 1;
    do {
        Advance();
    } while (IsWithinText() && IsNumberChar());
    if (C == kBlank) {
        Advance();
        while (IsWithinText() && IsNumberChar()) Advance();
    }
    if (!TryReadDecimal(CollectedSince(start), Value)) RaiseError(enSyntaxError);
}
