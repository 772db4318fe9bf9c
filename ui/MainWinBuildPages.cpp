#include "ui/MainWin.h"

void TMainForm::BuildScientificPanel() {}
void TMainForm::BuildOptionPanel() {}
void TMainForm::BuildVariablePanel() {}
