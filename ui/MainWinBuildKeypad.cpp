#include "ui/MainWin.h"

void TMainForm::BuildButtonPanel() {}
