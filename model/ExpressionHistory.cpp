#include "model/ExpressionHistory.h"

void TExpressionHistory::SetExpression(const QString& Value) { FExpression = Value; }

void TExpressionHistory::SetResultValue(long double Value) { FResultValue = Value; }

void TExpressionHistory::SetRoundDecimal(std::int32_t Value) { FRoundDecimal = Value; }

void TExpressionHistory::SetIsPercent(bool Value) { FIsPercent = Value; }
