#include "model/CalcEvaluation.h"

#include "engine/DecimalText.h"
#include "engine/MojiConvert.h"
#include "model/ResultFormat.h"

#include <algorithm>
#include <cmath>

bool TryReadNumber(QStringView AText, long double& AValue) { return TryReadDecimal(AText, AValue); }

TCalcVariables ReadCalcVariables(const TVariableButtonData& AVariables) {
    TCalcVariables variables;
    for (int number = 1; number <= TVariableButtonData::Count; ++number) {
        const std::size_t slot = std::size_t(number - 1);
        variables.Names[slot] = AVariables.GetTitle(number);
        if (!TryReadNumber(ToHalfWidth(AVariables.GetValue(number)), variables.Values[slot]))
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
                                      std::optional<long double> APreviousResult) {
    TCalculatorExpression expression;
    SetCalcVariables(expression, AVariables);
    if (APreviousResult) expression.SetPreviousResultValue(*APreviousResult);
    return expression.Calc(AText);
}

long double CalculateFormula(const QString& AText, const TVariableButtonData& AVariables,
                             std::optional<long double> APreviousResult) {
    return RoundToFifteenDigits(CalculateUnroundedFormula(AText, ReadCalcVariables(AVariables), APreviousResult));
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
