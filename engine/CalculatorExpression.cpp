#include "engine/CalculatorExpression.h"

#include "engine/MojiConvert.h"

#include <QChar>

#include <stdexcept>

namespace {

std::size_t VariableSlot(int Number) {
    if (Number < 1 || Number > TCalculatorExpression::VariableCount)
        throw std::out_of_range("variable number out of range");
    return static_cast<std::size_t>(Number - 1);
}

// The scanner reads a name only from a letter on (or from "%", which is the built-in constant),
// and its text never holds a blank or an operator character, so a key that starts otherwise
// could only match by accident.
QString LookupKey(const QString& AName) {
    QString key = NormalizeFormula(AName);
    if (key.isEmpty() || !QChar::isLetter(key.front().unicode())) key.clear();
    return key;
}

} // namespace

void TCalculatorExpression::SetVariableName(int Number, const QString& AValue) {
    FVariableName[VariableSlot(Number)] = AValue;
    FIsKeysCurrent = false;
}

void TCalculatorExpression::SetVariableValue(int Number, long double AValue) {
    FVariableValue[VariableSlot(Number)] = AValue;
}

// Made when a name first needs them: most formulas name no variable.
void TCalculatorExpression::UpdateKeys() {
    if (FIsKeysCurrent) return;
    for (std::size_t slot = 0; slot < FVariableName.size(); ++slot)
        FVariableKey[slot] = LookupKey(FVariableName[slot]);
    FIsKeysCurrent = true;
}

TExpType TCalculatorExpression::LookupIdentifier() {
    const TExpType kind = TExpression::LookupIdentifier();
    if (kind != etOthers) return kind;
    if (IdentBuff == u"ANS") return etVar1;
    UpdateKeys();
    for (int number = 1; number <= VariableCount; ++number)
        if (IdentBuff == FVariableKey[VariableSlot(number)]) return TExpType(etVar1 + number);
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
