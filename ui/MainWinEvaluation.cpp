#include "ui/MainWin.h"

#include <QKeyEvent>

bool TMainForm::CalcExpression(bool) { return false; }
void TMainForm::DisplayResult(bool, long double) {}
QString TMainForm::FormatResultValue(bool, int, long double) const { return {}; }
void TMainForm::CollectVariableButtonData() {}
void TMainForm::SelectRoundComboItem() {}
void TMainForm::UpdateRoundSelectorLabel() {}
long double TMainForm::GetCalcResult(const QString&) { return 0; }
void TMainForm::AddExpressionHistory(long double, bool) {}
void TMainForm::ShowEvaluationFailure(std::exception_ptr) {}
void TMainForm::RoundComboChange() {}
bool TMainForm::RoundComboKeyDown(QKeyEvent*) { return false; }
void TMainForm::RoundComboMouseUp(Qt::MouseButton) {}
void TMainForm::RoundOffItemClick() {}
void TMainForm::RoundCutOffItemClick() {}
void TMainForm::RoundUpItemClick() {}
void TMainForm::DigitGroupingSeparatorItemClick() {}
void TMainForm::SetRoundSelector(TRoundSelector) {}
