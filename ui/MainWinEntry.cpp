#include "ui/MainWin.h"

#include <QKeyEvent>

void TMainForm::InputExpression(const QString&) {}
void TMainForm::SaveExpressionCaret() {}
void TMainForm::SetExpressionCaret(int) {}
void TMainForm::Digit1BtnClick(QPushButton*) {}
void TMainForm::PlusBtnClick(QPushButton*) {}
void TMainForm::SinBtnClick(QPushButton*) {}
void TMainForm::SqrtBtnClick() {}
void TMainForm::ExpBtnClick() {}
void TMainForm::LogBtnClick(QPushButton*) {}
void TMainForm::FactBtnClick() {}
void TMainForm::PowerBtnClick() {}
void TMainForm::Power2BtnClick() {}
void TMainForm::EBtnClick() {}
void TMainForm::PiBtnClick() {}
void TMainForm::DelBtnClick() {}
void TMainForm::ACBtnClick() {}
void TMainForm::CurLeftBtnClick() {}
void TMainForm::CurRightBtnClick() {}
void TMainForm::CopyBtnClick() {}
void TMainForm::EnterBtnMouseDown(Qt::MouseButton, Qt::KeyboardModifiers) {}
void TMainForm::ExpressionEditClick() {}
void TMainForm::ExpressionEditExit() {}
bool TMainForm::ExpressionEditKeyDown(QKeyEvent*) { return false; }
bool TMainForm::FormKeyDown(QKeyEvent*) { return false; }
void TMainForm::ToggleRoundComboDropDown() {}
