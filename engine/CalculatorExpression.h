#pragma once

#include "engine/Expression.h"

#include <array>

// The evaluator of the calculator: the formula language plus "ANS" (the previous result) and
// six named variables. Built-in names win over "ANS", and "ANS" over the variables; when
// variable names repeat, the lowest number wins. Names compare exactly, case-sensitively,
// against the normalised formula, so only names already in that form can be found.
class TCalculatorExpression : public TExpression {
public:
    static constexpr int VariableCount = 6;

    void SetPreviousResultValue(long double AValue) { FPreviousResultValue = AValue; }
    // Number runs from 1 to VariableCount; any other number throws std::out_of_range.
    void SetVariableName(int Number, const QString& AValue);
    void SetVariableValue(int Number, long double AValue);

protected:
    TExpType LookupIdentifier() override;
    long double EvalFactor() override;

private:
    long double FPreviousResultValue = 0;
    std::array<QString, VariableCount> FVariableName;
    std::array<long double, VariableCount> FVariableValue{};
};
