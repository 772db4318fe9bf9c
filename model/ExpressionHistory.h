#pragma once

#include <QString>

#include <cstdint>

// One entry of the calculation history: the formula as typed, its result and the display
// format that was in force when it was evaluated.
class TExpressionHistory {
public:
    const QString& Expression() const { return FExpression; }
    long double ResultValue() const { return FResultValue; }
    // -1 "Normal", 0..5 fixed decimals, -16 hexadecimal, -2 binary.
    std::int32_t RoundDecimal() const { return FRoundDecimal; }
    bool IsPercent() const { return FIsPercent; }

    void SetExpression(const QString& Value);
    void SetResultValue(long double Value);
    void SetRoundDecimal(std::int32_t Value);
    void SetIsPercent(bool Value);

private:
    QString FExpression;
    long double FResultValue = 0.0L;
    std::int32_t FRoundDecimal = -1;
    bool FIsPercent = false;
};
