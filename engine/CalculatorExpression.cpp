#include "engine/CalculatorExpression.h"

#include <stdexcept>

namespace {

std::size_t VariableSlot(int Number) {
    if (Number < 1 || Number > TCalculatorExpression::VariableCount)
        throw std::out_of_range("variable number out of range");
    return static_cast<std::size_t>(Number - 1);
}

} // namespace

void TCalculatorExpression::SetVariableName(int Number, const QString& AValue) {
    FVariableName[VariableSlot(Number)] = AValue;
}

void TCalculatorExpression::SetVariableValue(int Number, long double AValue) {
    FVariableValue[VariableSlot(Number)] = AValue;
}

TExpType TCalculatorExpression::LookupIdentifier() {
    const TExpType kind = TExpression::LookupIdentifier();
    if (kind != etOthers) return kind;
    if (IdentBuff == u"ANS") return etVar1;
    for (int number = 1; number <= VariableCount; ++number)
        if (IdentBuff == FVariableName[VariableSlot(number)]) return TExpType(etVar1 + number);
    return etOthers;
}

long double TCalculatorExpression::EvalFactor() {
    if (Token == etVar1) {
        const long double result = FPreviousResultValue;
        NextToken();
        return result;
    }
    if (Token >= etVar2 && Token <= etVar7) {
        const long double result = FVariableValue[VariableSlot(Token - etVar1)];
        NextToken();
        return result;
    }
    return TExpression::EvalFactor();
}
