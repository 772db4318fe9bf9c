#pragma once

#include "engine/CalculatorExpression.h"
#include "model/VariableButtonData.h"

#include <QString>
#include <QStringView>

#include <array>
#include <exception>
#include <optional>
#include <stdexcept>

// The window-independent core of one evaluation, shared by the window and the command line.

// A variable value text that is not a number; it fails the whole evaluation.
class EVariableError : public std::runtime_error {
public:
    EVariableError() : std::runtime_error("Variable Error") {}
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
// that does not read throws EVariableError.
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
    TCalcFailureKind Kind;
    // The caret position for the expression line: the engine's error position clamped to the
    // text, or the end of the text for every other failure.
    int CaretPosition;
};

// Classifies the exception of a failed evaluation of AText; rethrows anything that is none of
// the evaluation's own failures.
TCalcFailure ClassifyCalcFailure(std::exception_ptr AFailure, const QString& AText);

// "syntax", "power", "infinity", "math", "length", "fault", "division", "variable", "range".
const char* CalcFailureName(TCalcFailureKind AKind);
