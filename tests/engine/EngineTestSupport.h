#pragma once

#include "engine/Expression.h"

#include <QString>

#include <cmath>
#include <ostream>
#include <string>

// What one Calc ended with: a value, an engine error with its position, or one of the two
// failures that are not engine errors.
struct TOutcome {
    enum TKind { okValue, okError, okFault, okIntegerDivide } Kind = okValue;
    long double Value = 0;
    TExpressionErrorNumber Error = enNotError;
    int Position = 0;
};

inline TOutcome Evaluate(TExpression& AExpression, const QString& AFormula) {
    TOutcome outcome;
    try {
        outcome.Value = AExpression.Calc(AFormula);
    } catch (const EExpressionError& e) {
        outcome.Kind = TOutcome::okError;
        outcome.Error = e.ErrorNumber();
        outcome.Position = e.ErrorIndex();
    } catch (const EArithmeticFault&) {
        outcome.Kind = TOutcome::okFault;
    } catch (const EIntegerDivideByZero&) {
        outcome.Kind = TOutcome::okIntegerDivide;
    }
    return outcome;
}

inline TOutcome Evaluate(const QString& AFormula) {
    TExpression expression;
    return Evaluate(expression, AFormula);
}

inline std::ostream& operator<<(std::ostream& os, const TOutcome& o) {
    switch (o.Kind) {
    case TOutcome::okValue: return os << "value " << static_cast<double>(o.Value);
    case TOutcome::okError: return os << "error " << int(o.Error) << " at " << o.Position;
    case TOutcome::okFault: return os << "arithmetic fault";
    case TOutcome::okIntegerDivide: return os << "integer division by zero";
    }
    return os;
}

// Relative closeness for values computed through transcendental functions.
inline bool NearlyEqual(long double a, long double b, long double relative = 1e-17L) {
    if (a == b) return true;
    return std::fabs(a - b) <= relative * std::fmax(std::fabs(a), std::fabs(b));
}
