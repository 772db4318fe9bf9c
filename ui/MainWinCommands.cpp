#include "ui/MainWin.h"

void TMainForm::Option1BtnClick(TKeyButton*) {}
void TMainForm::ExecuteOptionExpression(const QString&) {}
void TMainForm::ReplaceOptionPlaceholder(const QString&, const QString&) {}
void TMainForm::ApplyOptionCommands(const QStringList&) {}
