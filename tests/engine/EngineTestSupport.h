#pragma once

#include "engine/Expression.h"

#include <QString>

#include <gtest/gtest.h>

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

// Table rows: a formula with its exact value, or with its error kind and caret position. The
// checks are defined once (ParserTest.cpp); each file instantiates its own rows.
struct TValueCase {
    const char* Name;
    const char16_t* Formula;
    long double Expected;
};

struct TErrorCase {
    const char* Name;
    const char16_t* Formula;
    TExpressionErrorNumber Error;
    int Position;
};

inline void PrintTo(const TValueCase& ACase, std::ostream* AStream) {
    *AStream << QString::fromUtf16(ACase.Formula).toStdString();
}
inline void PrintTo(const TErrorCase& ACase, std::ostream* AStream) {
    *AStream << QString::fromUtf16(ACase.Formula).toStdString();
}

class FormulaValue : public testing::TestWithParam<TValueCase> {};
class FormulaError : public testing::TestWithParam<TErrorCase> {};

template <typename Case> std::string CaseName(const testing::TestParamInfo<Case>& AInfo) {
    return AInfo.param.Name;
}
