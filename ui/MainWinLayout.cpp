#include "ui/MainWin.h"

void TMainForm::ArrangePanels() {}
void TMainForm::SetWindowScale(int) {}
void TMainForm::ApplyOptionButtonData() {}
void TMainForm::ApplyVariableButtonData() {}
void TMainForm::InvBtnClick() {}
void TMainForm::HypBtnClick() {}
void TMainForm::UpdateScientificKeyStyles() {}
void TMainForm::UpdateOptionEditBtnStyle() {}
void TMainForm::UpdateCopyBtnStyles() {}
void TMainForm::ApplyPanelKeyStyles(QWidget*) {}
