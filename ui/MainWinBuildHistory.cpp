#include "ui/MainWin.h"

void TMainForm::BuildHistoryPanel() {}
