#include "model/CalcEvaluation.h"

#include "engine/DecimalText.h"
#include "engine/MojiConvert.h"
#include "model/ResultFormat.h"

#include <algorithm>
#include <cmath>

namespace {

// A separator made of characters that the rule reads otherwise would change what a text means.
bool IsUsableDecimalSeparator(QStringView ASeparator) {
    const auto hasOtherMeaning = [](QChar c) {
        return c.isDigit() || c == u'+' || c == u'-' || c == u'E' || c == u'e' || c.isSpace();
    };
    return !ASeparator.isEmpty() &&
           std::none_of(ASeparator.begin(), ASeparator.end(), hasOtherMeaning);
}

} // namespace

// The user's separator becomes "." before reading, so a text holding both has two separators
// and does not read.
bool TryReadNumber(QStringView AText, long double& AValue, QStringView ADecimalSeparator) {
    if (ADecimalSeparator == u"." || !IsUsableDecimalSeparator(ADecimalSeparator) ||
        !AText.contains(ADecimalSeparator))
        return TryReadDecimal(AText, AValue);
    const QString withPoint =
        AText.toString().replace(ADecimalSeparator.toString(), QStringLiteral("."));
    return TryReadDecimal(withPoint, AValue);
}

TCalcVariables ReadCalcVariables(const TVariableButtonData& AVariables,
                                 QStringView ADecimalSeparator) {
    TCalcVariables variables;
    for (int number = 1; number <= TVariableButtonData::Count; ++number) {
        const std::size_t slot = std::size_t(number - 1);
        variables.Names[slot] = AVariables.GetTitle(number);
        if (!TryReadNumber(ToHalfWidth(AVariables.GetValue(number)), variables.Values[slot],
                           ADecimalSeparator))
            throw EVariableError();
    }
    return variables;
}

void SetCalcVariables(TCalculatorExpression& AExpression, const TCalcVariables& AVariables) {
    for (int number = 1; number <= TVariableButtonData::Count; ++number) {
        AExpression.SetVariableName(number, AVariables.Names[std::size_t(number - 1)]);
        AExpression.SetVariableValue(number, AVariables.Values[std::size_t(number - 1)]);
    }
}

long double RoundToFifteenDigits(long double AValue) {
    if (!std::isfinite(AValue)) throw EResultRangeError("the result is not a finite number");
    long double rounded = 0;
    if (!TryReadNumber(GeneralText(AValue, 15, MachineNumberSeparators()), rounded))
        throw EResultRangeError("the result does not read back");
    return rounded == 0 ? 0.0L : rounded;
}

long double CalculateUnroundedFormula(const QString& AText, const TCalcVariables& AVariables,
                                      std::optional<long double> APreviousResult,
                                      QStringView ADecimalSeparator) {
    TCalculatorExpression expression;
    if (ADecimalSeparator.size() == 1) expression.SetDecimalMark(ADecimalSeparator[0].unicode());
    SetCalcVariables(expression, AVariables);
    if (APreviousResult) expression.SetPreviousResultValue(*APreviousResult);
    return expression.Calc(AText);
}

long double CalculateFormula(const QString& AText, const TVariableButtonData& AVariables,
                             std::optional<long double> APreviousResult,
                             QStringView ADecimalSeparator) {
    const TCalcVariables variables = ReadCalcVariables(AVariables, ADecimalSeparator);
    return RoundToFifteenDigits(
        CalculateUnroundedFormula(AText, variables, APreviousResult, ADecimalSeparator));
}

namespace {

TCalcFailureKind KindOf(TExpressionErrorNumber AError) {
    switch (AError) {
    case enPowerError: return TCalcFailureKind::Power;
    case enInfinityError: return TCalcFailureKind::Infinity;
    case enMathError: return TCalcFailureKind::Math;
    case enExpressionMaxLengthOver: return TCalcFailureKind::Length;
    default: return TCalcFailureKind::Syntax;
    }
}

} // namespace

TCalcFailure ClassifyCalcFailure(std::exception_ptr AFailure, const QString& AText) {
    const int end = int(AText.size());
    try {
        std::rethrow_exception(AFailure);
    } catch (const EExpressionError& e) {
        return {KindOf(e.ErrorNumber()), std::clamp(e.ErrorIndex(), 0, end)};
    } catch (const EArithmeticFault&) {
        return {TCalcFailureKind::Fault, end};
    } catch (const EIntegerDivideByZero&) {
        return {TCalcFailureKind::Division, end};
    } catch (const EVariableError&) {
        return {TCalcFailureKind::Variable, end};
    } catch (const EResultRangeError&) {
        return {TCalcFailureKind::Range, end};
    }
}

const char* CalcFailureName(TCalcFailureKind AKind) {
    switch (AKind) {
    case TCalcFailureKind::Syntax: return "syntax";
    case TCalcFailureKind::Power: return "power";
    case TCalcFailureKind::Infinity: return "infinity";
    case TCalcFailureKind::Math: return "math";
    case TCalcFailureKind::Length: return "length";
    case TCalcFailureKind::Fault: return "fault";
    case TCalcFailureKind::Division: return "division";
    case TCalcFailureKind::Variable: return "variable";
    case TCalcFailureKind::Range: return "range";
    }
    return "unknown";
}
