#pragma once

#include "engine/Expression.h"

#include <array>

// The evaluator of the calculator: the formula language plus "ANS" (the previous result) and
// six named variables. Built-in names win over "ANS", and "ANS" over the variables. A stored
// name is compared in the working form the formula gets (operator characters, the half-width
// mapping, ASCII upper case), so "x", "Rate" and full-width katakana names are found however
// the formula spells them; when those forms repeat, the lowest number wins. A name whose working
// form does not begin with a letter is never found.
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
    void UpdateKeys();

    long double FPreviousResultValue = 0;
    std::array<QString, VariableCount> FVariableName;
    // Each name in working form; empty for a name that can never be found.
    std::array<QString, VariableCount> FVariableKey;
    bool FIsKeysCurrent = true; // all names are empty, and so are their keys
    std::array<long double, VariableCount> FVariableValue{};
};
