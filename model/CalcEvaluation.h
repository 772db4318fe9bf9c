#pragma once

#include "engine/CalculatorExpression.h"
#include "model/ResultFormat.h"
#include "model/VariableButtonData.h"

#include <QString>
#include <QStringView>

#include <array>
#include <exception>
#include <optional>
#include <stdexcept>

// The window-independent core of one evaluation, shared by the window and the command line.

// A variable value text that is not a number; it fails the whole evaluation. It names the
// variable by its number (1..6) and its caption. The message is "Variable Error".
class EVariableError : public std::runtime_error {
public:
    EVariableError(int ANumber, const QString& ACaption)
        : std::runtime_error("Variable Error"), FNumber(ANumber), FCaption(ACaption) {}
    int Number() const { return FNumber; }
    const QString& Caption() const { return FCaption; }

private:
    int FNumber;
    QString FCaption;
};

// The reading rule for numbers (results read back and variable values): optional blanks, an
// optional sign, digits with at most one decimal separator and an optional exponent with "E" or
// "e", optional blanks; nothing else. "." is always a decimal separator, and so is
// ADecimalSeparator unless it is empty or holds a digit, sign, "E", "e" or blank. Returns false
// when the text does not read.
bool TryReadNumber(QStringView AText, long double& AValue, QStringView ADecimalSeparator = u".");

// The six variables' names with their values read: a value text is half-width mapped and read by
// the reading rule.
struct TCalcVariables {
    std::array<QString, TVariableButtonData::Count> Names;
    std::array<long double, TVariableButtonData::Count> Values{};
};

// Reads the six value texts in order with the user's ADecimalSeparator (besides "."); the first
// that does not read throws EVariableError naming that variable.
TCalcVariables ReadCalcVariables(const TVariableButtonData& AVariables,
                                 QStringView ADecimalSeparator);

// Gives AExpression the six variables' names and values.
void SetCalcVariables(TCalculatorExpression& AExpression, const TCalcVariables& AVariables);

// A result rounded to 15 significant digits by writing it as GeneralText(value, 15) and reading
// it back; negative zero becomes 0. Throws EResultRangeError for an infinite or NaN value.
long double RoundToFifteenDigits(long double AValue);

// Evaluates AText as the calculator does on Enter: a fresh evaluator, the six variables read with
// ADecimalSeparator, "ANS" from APreviousResult (0 without one), Calc, then the 15-digit rounding.
// The formula reads the user's ADecimalSeparator as a decimal point besides "." when it is one
// character that means nothing else in a formula (the "," of many locales).
// Throws what Calc throws, EVariableError, or EResultRangeError.
long double CalculateFormula(const QString& AText, const TVariableButtonData& AVariables,
                             std::optional<long double> APreviousResult,
                             QStringView ADecimalSeparator);

// The same without the final rounding, with variables read before: the engine's own result.
long double CalculateUnroundedFormula(const QString& AText, const TCalcVariables& AVariables,
                                      std::optional<long double> APreviousResult,
                                      QStringView ADecimalSeparator);

// What a failed evaluation (or display) ended with, for callers that name it.
enum class TCalcFailureKind {
    Syntax,
    Power,
    Infinity,
    Math,
    Length,
    Fault,
    Division,
    Variable,
    Range
};

struct TCalcFailure {
    TCalcFailureKind Kind = TCalcFailureKind::Syntax;
    // The caret position for the expression line: the engine's error position clamped to the
    // text, or the end of the text for every other failure.
    int CaretPosition = 0;
    // Finer than the kind where known: ecUnknownName and ecNegativeSquareRoot for Syntax;
    // ecDivisionByZero for Infinity; ecDivisionByZero, ecOverflow or ecInvalidOperation for Math
    // and Fault; ecNone otherwise.
    TExpressionErrorCause Cause = ecNone;
    // The unknown name as the formula spells it (ecUnknownName), or the failing variable's caption
    // (Variable); empty otherwise.
    QString Subject;
    int VariableNumber = 0;                          // Variable: 1..6
    TResultLimit Limit = TResultLimit::FiniteNumber; // Range: what the result did not fit
};

// Classifies the exception of a failed evaluation of AText; rethrows anything that is none of
// the evaluation's own failures.
TCalcFailure ClassifyCalcFailure(std::exception_ptr AFailure, const QString& AText);

// Why the evaluation failed, as one short sentence for the user (translatable, context
// "CalcFailure"): the failure in words and, for failures found in the formula, the caret position
// ("Division by zero at position 4"); a variable by its caption ("V3 has no number"); a result
// that cannot be shown by what it did not fit ("Result too large for HEX"). Long names and
// captions are shortened with "…".
QString CalcFailureReason(const TCalcFailure& AFailure);

// "syntax", "power", "infinity", "math", "length", "fault", "division", "variable", "range".
const char* CalcFailureName(TCalcFailureKind AKind);
