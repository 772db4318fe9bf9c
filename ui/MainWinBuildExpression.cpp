#include "ui/MainWin.h"

void TMainForm::BuildExpressionPanel() {}
void TMainForm::BuildPopupMenu() {}
