// The parser and evaluator of TExpression: one left-to-right pass of recursive descent that
// computes while it reads.

#include "engine/Expression.h"

#include "engine/ExtendedMath.h"
#include "engine/MojiConvert.h"

#include <QChar>
#include <QStringView>

#include <algorithm>
#include <cstdint>
#include <limits>

using namespace ExtendedMath;

EExpressionError::EExpressionError(TExpressionErrorNumber AErrorNumber, int AErrorIndex,
                                   TExpressionErrorCause ACause, const QString& AName)
    : std::runtime_error("Error"), FErrorNumber(AErrorNumber), FErrorIndex(AErrorIndex),
      FCause(ACause), FName(AName) {}

EArithmeticFault::EArithmeticFault(TKind AKind)
    : std::runtime_error(AKind == fkOverflow     ? "Floating point overflow"
                         : AKind == fkZeroDivide ? "Floating point division by zero"
                                                 : "Invalid floating point operation"),
      FKind(AKind) {}

TExpressionErrorCause EArithmeticFault::Cause() const {
    switch (FKind) {
    case fkZeroDivide: return ecDivisionByZero;
    case fkOverflow: return ecOverflow;
    case fkInvalidOperation: return ecInvalidOperation;
    }
    return ecInvalidOperation;
}

EIntegerDivideByZero::EIntegerDivideByZero() : std::runtime_error("Division by zero") {}

TExpression::TExpression() = default;

namespace {

bool IsFreeCharacter(char16_t AMark) {
    constexpr QStringView kMeaningful = u" .$%&+-=|*/^()<>";
    return AMark != 0 && !QChar::isSurrogate(AMark) && !QChar::isLetterOrNumber(AMark) &&
           !QChar::isSpace(AMark) && !kMeaningful.contains(QChar(AMark));
}

} // namespace

void TExpression::SetDecimalMark(char16_t AMark) {
    FDecimalMark = IsFreeCharacter(AMark) ? AMark : 0;
}

long double TExpression::Calc(const QString& AFormula) {
    if (AFormula.size() > MaxFormulaLength) RaiseError(enExpressionMaxLengthOver);
    QString working = NormalizeFormula(AFormula);
    // One character for one, so every error position stays that of the typed text.
    if (FDecimalMark != 0) working.replace(QChar(FDecimalMark), QLatin1Char('.'));
    if (working.isEmpty()) return 0;

    FormulaStr = std::move(working);
    FormulaStr.append(QLatin1Char('$'));
    FormulaIndex = 1;
    FErrorNumber = enNotError;
    FErrorIndex = 0;
    C = u' ';
    NextToken();
    const long double result = EvalExpression();
    if (Token != etNewLine) RaiseError(enSyntaxError);
    return result;
}

// The caret position is the number of characters before C, that is, right after the token
// read last; afterwards the scanner is parked at the end. A syntax error while the token at hand
// is a name nobody knows is that name's fault, wherever the grammar noticed it: where a factor
// was due, after a complete formula, or where ")" was due.
void TExpression::RaiseError(TExpressionErrorNumber AErrorNumber, TExpressionErrorCause ACause) {
    const bool isUnknownName =
        AErrorNumber == enSyntaxError && ACause == ecNone && Token == etOthers && FIsNameToken;
    if (isUnknownName) ACause = ecUnknownName;
    FErrorIndex = std::max(FormulaIndex - 2, 1);
    FormulaIndex = int(FormulaStr.size());
    Token = etNewLine;
    C = u' ';
    FErrorNumber = AErrorNumber;
    throw EExpressionError(AErrorNumber, FErrorIndex, ACause,
                           isUnknownName ? IdentBuff : QString());
}

// expression = [ addop ] term { addop term }
long double TExpression::EvalExpression() {
    long double sign = 1;
    if (Token == etAddop) {
        if (Oprt == u'-') sign = -1;
        NextToken();
    }
    long double result = EvalTerm() * sign;
    while (Token == etAddop) {
        const int op = Oprt;
        NextToken();
        const long double right = EvalTerm();
        result = ApplyAddop(op, result, right);
    }
    return result;
}

long double TExpression::ApplyAddop(int AOperator, long double ALeft, long double ARight) {
    switch (AOperator) {
    case u'+': return Add(ALeft, ARight);
    case u'-': return Sub(ALeft, ARight);
    case u'=': return ALeft == ARight ? 1 : 0;
    case u'<': return ALeft < ARight ? 1 : 0;
    case u'>': return ALeft > ARight ? 1 : 0;
    case opLessEqual: return ALeft <= ARight ? 1 : 0;
    case opGreaterEqual: return ALeft >= ARight ? 1 : 0;
    default: break;
    }
    const std::int64_t left = TruncToInt64(ALeft);
    const std::int64_t right = TruncToInt64(ARight);
    constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();
    switch (AOperator) {
    case u'&': return static_cast<long double>(left & right);
    case u'|': return static_cast<long double>(left | right);
    case opXor: return static_cast<long double>(left ^ right);
    case opMod:
        if (right == 0) throw EIntegerDivideByZero();
        return (left == kMin && right == -1) ? 0 : static_cast<long double>(left % right);
    case opDiv:
        if (right == 0) throw EIntegerDivideByZero();
        return (left == kMin && right == -1) ? static_cast<long double>(kMin)
                                             : static_cast<long double>(left / right);
    default: RaiseError(enSyntaxError);
    }
}

// term = power { ( "*" | "/" ) power | implied-factor }
long double TExpression::EvalTerm() {
    long double result = EvalPower();
    for (;;) {
        if (Token == etMulop) {
            const int op = Oprt;
            NextToken();
            const long double right = EvalPower();
            if (op == u'*') {
                result = Mul(result, right);
            } else {
                if (right == 0) RaiseError(enInfinityError, ecDivisionByZero);
                result = Div(result, right);
            }
        } else if (Token > etOmissionMulop) {
            result = Mul(result, EvalPower());
        } else {
            return result;
        }
    }
}

// power = factor { "^" factor }
long double TExpression::EvalPower() {
    long double result = EvalGuardedFactor();
    while (Token == etPower) {
        NextToken();
        const long double right = EvalGuardedFactor();
        if (result == 0 && !(right > 0)) RaiseError(enPowerError);
        result = Power(result, right);
    }
    return result;
}

long double TExpression::EvalGuardedFactor() {
    try {
        return EvalFactor();
    } catch (const EArithmeticFault& fault) {
        RaiseError(enMathError, fault.Cause());
    }
}

// factor = number | "TRUE" | "FALSE" | constant | "(" expression [ ")" ] | function factor
long double TExpression::EvalFactor() {
    long double result = 0;
    switch (Token) {
    case etTrue: result = 1; break;
    case etFalse: result = 0; break;
    case etNumber: result = Value; break;
    case etPi: result = kPi; break;
    case etPercent: result = kPercent; break;
    case etLParen:
        NextToken();
        result = EvalExpression();
        if (Token == etRParen) {
            NextToken();
        } else if (FormulaIndex != FormulaStr.size() + 1) {
            // Missing closing parentheses are supplied only at the real end of the text.
            RaiseError(enSyntaxError);
        }
        return result;
    default:
        if ((Token >= etSin && Token <= etInt) || (Token >= etFactorial && Token <= etNot)) {
            const TExpType kind = Token;
            NextToken();
            const long double argument = EvalGuardedFactor();
            return EvalFunction(kind, argument);
        }
        RaiseError(enSyntaxError);
    }
    NextToken();
    return result;
}
