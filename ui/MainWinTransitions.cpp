// Page and key-area transitions. Until they are animated, every change happens at once: each
// transition returns immediately and none is ever running.

#include "ui/MainWin.h"

void TMainForm::AnimatePanelSlide(QWidget*, QWidget*, int) {}

void TMainForm::AnimatePanelCube(QWidget*, QWidget*, int) {}

void TMainForm::AnimateKeyAreaSlide(QWidget*, int) {}

void TMainForm::AnimateKeyAreaFlip(QWidget*, int) {}

bool TMainForm::IsTransitionRunning() const {
    return false;
}
