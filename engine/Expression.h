#pragma once

#include <QString>

#include <cstdint>
#include <limits>
#include <stdexcept>

static_assert(std::numeric_limits<long double>::digits == 64 &&
                  std::numeric_limits<long double>::max_exponent == 16384,
              "the engine needs 80-bit extended precision for long double");

// Token kinds. Every kind after etOmissionMulop begins a factor, which is what lets a factor
// follow another one without "*" (implied multiplication).
// clang-format off
enum TExpType : std::uint8_t {
    etNewLine, etOthers, etTrue, etFalse, etNumber, etAddop, etMulop, etPower, etRParen,
    etOmissionMulop,
    etLParen,
    etSin, etCos, etTan, etSinRad, etCosRad, etTanRad, etSinGrad, etCosGrad, etTanGrad,
    etArcSin, etArcCos, etArcTan, etArcSinRad, etArcCosRad, etArcTanRad,
    etArcSinGrad, etArcCosGrad, etArcTanGrad,
    etSinH, etCosH, etTanH, etArcSinH, etArcCosH, etArcTanH,
    etLog10, etLn, etLog2, etSqrt, etExp, etInt,
    etPi, etPercent,
    etFactorial,
    etDegToRad, etRadToDeg, etDegToGrad, etGradToDeg, etRadToGrad, etGradToRad,
    etNot,
    etVar1, etVar2, etVar3, etVar4, etVar5, etVar6, etVar7, etVar8, etVar9, etVar10,
};
// clang-format on
static_assert(etOmissionMulop == 9 && etNot == 50 && etVar10 == 60);

enum TExpressionErrorNumber : std::uint8_t {
    enNotError,
    enSyntaxError,
    enPowerError,
    enInfinityError,
    enMathError,
    enExpressionMaxLengthOver,
};

// What an error is known to come from beyond its kind, for a message in words. The kind and the
// position stay those of the formula language.
enum TExpressionErrorCause : std::uint8_t {
    ecNone,
    ecUnknownName,        // enSyntaxError at a name that is neither built in nor given a value
    ecNegativeSquareRoot, // enSyntaxError: "SQRT" of a negative number
    ecDivisionByZero,     // enInfinityError by "/"; enMathError inside a computation
    ecOverflow,           // enMathError: a result beyond the extended range
    ecInvalidOperation,   // enMathError: an operation that has no value
};

// Operator codes beyond single characters (which use their own character code in `Oprt`).
// They lie outside UTF-16, so they never collide with a character code.
enum TOperatorCode : int {
    opLessEqual = 0x10000,
    opGreaterEqual,
    opMod,
    opDiv,
    opXor,
};

// An evaluation error of the formula language: its kind, the caret position after which it
// was found, and its cause where known (for ecUnknownName, the name as the working text spells
// it). The message is always "Error".
class EExpressionError : public std::runtime_error {
public:
    EExpressionError(TExpressionErrorNumber AErrorNumber, int AErrorIndex,
                     TExpressionErrorCause ACause = ecNone, const QString& AName = {});
    TExpressionErrorNumber ErrorNumber() const { return FErrorNumber; }
    int ErrorIndex() const { return FErrorIndex; }
    TExpressionErrorCause Cause() const { return FCause; }
    const QString& Name() const { return FName; }

private:
    TExpressionErrorNumber FErrorNumber;
    int FErrorIndex;
    TExpressionErrorCause FCause;
    QString FName;
};

// A floating-point fault (invalid operation, division by zero inside a computation, overflow
// past the extended range). Inside a factor it becomes enMathError; raised where no factor is
// being evaluated it leaves Calc as it is.
class EArithmeticFault : public std::runtime_error {
public:
    enum TKind { fkInvalidOperation, fkZeroDivide, fkOverflow };
    explicit EArithmeticFault(TKind AKind);
    TKind Kind() const { return FKind; }
    // ecDivisionByZero, ecOverflow or ecInvalidOperation.
    TExpressionErrorCause Cause() const;

private:
    TKind FKind;
};

// "MOD" or "DIV" with a right operand that truncates to 0; passes every guard.
class EIntegerDivideByZero : public std::runtime_error {
public:
    EIntegerDivideByZero();
};

// The formula evaluator: scanner, recursive-descent parser and evaluator in one pass, with
// the built-in functions. One object may run any number of Calc calls one after another.
class TExpression {
public:
    static constexpr int MaxFormulaLength = 1024;

    TExpression();
    virtual ~TExpression() = default;
    TExpression(const TExpression&) = delete;
    TExpression& operator=(const TExpression&) = delete;

    // Evaluates AFormula. Throws EExpressionError, EArithmeticFault (outside every factor) or
    // EIntegerDivideByZero; an empty normalised formula is 0.
    virtual long double Calc(const QString& AFormula);

    int ErrorIndex() const { return FErrorIndex; }
    TExpressionErrorNumber ErrorNumber() const { return FErrorNumber; }

    // A second decimal point besides ".", such as the "," of the user's locale; 0 (the default)
    // for none. A character that already means something in a formula (a letter, digit, blank,
    // operator, parenthesis, "$", "%" or ".") is not taken. The working text reads it exactly as
    // ".", after the half-width mapping (so "，" counts as ","): a number holding both has two
    // decimal points and fails.
    void SetDecimalMark(char16_t AMark);

    // The character at 1-based position AIndex of the working text; 0 outside it.
    char16_t GetFormula(int AIndex) const {
        return (AIndex >= 1 && AIndex <= FormulaStr.size()) ? FormulaStr[AIndex - 1].unicode() : 0;
    }
    void SetFormula(int AIndex, char16_t Value);

protected:
    // Reads a name starting at C into IdentBuff and returns its kind.
    virtual TExpType LookupIdentifier();
    // Evaluates one factor starting at the current token.
    virtual long double EvalFactor();

    void NextToken();
    void ScanNumber();
    long double EvalExpression();
    long double EvalTerm();
    long double EvalPower();
    // Runs EvalFactor under the guard that turns an arithmetic fault into enMathError.
    long double EvalGuardedFactor();
    // Raises the error at the current position and parks the scanner at the end. A syntax error
    // met at a name that LookupIdentifier did not know gets the cause ecUnknownName.
    [[noreturn]] void RaiseError(TExpressionErrorNumber AErrorNumber,
                                 TExpressionErrorCause ACause = ecNone);

    char16_t C = u' ';
    int Oprt = 0;
    long double Value = 0;
    QString FormulaStr;
    int FormulaIndex = 0;
    TExpressionErrorNumber FErrorNumber = enNotError;
    int FErrorIndex = 0;
    TExpType Token = etNewLine;
    QString IdentBuff;

private:
    char16_t FDecimalMark = 0;
    bool FIsNameToken = false; // Token came from LookupIdentifier

    void Advance() { C = GetFormula(FormulaIndex++); }
    bool IsWithinText() const { return FormulaIndex <= FormulaStr.size() + 1; }
    bool IsNumberChar() const;
    bool IsIdentChar() const;
    bool ScanKeywordOperator();
    void ScanOperatorChar();
    void ScanHexNumber();
    void ScanBinaryNumber();
    void ScanDecimalNumber();
    QStringView CollectedSince(int AStart) const;
    long double ApplyAddop(int AOperator, long double ALeft, long double ARight);
    long double EvalFunction(TExpType AKind, long double AArgument);
};
