// Page and key-area transitions: the window's two 3-D stages and the four motions, played by
// TPanelTransition on pictures of the live panels.

#include "ui/window/MainWin.h"

#include "model/WindowLayout.h"
#include "ui/motion/PanelTransition.h"
#include "ui/motion/Viewport3D.h"
#include "ui/pages/KeypadPage.h"
#include "ui/pages/NumericKeypad.h"
#include "ui/widgets/Controls.h"

#include <QCloseEvent>

#include <utility>

namespace {

TViewport3D* CreateStage(QWidget* AWindow, const char* AName, const QRect& ADesignRect) {
    auto* stage = new TViewport3D(AWindow);
    stage->setObjectName(QString::fromLatin1(AName));
    SetDesignGeometry(stage, ADesignRect);
    stage->hide();
    return stage;
}

} // namespace

void TMainForm::BuildTransitionStages() {
    NumericViewport = CreateStage(this, "NumericViewport", QRect(0, 118, 344, 209));
    ScientificViewport = CreateStage(this, "ScientificViewport", QRect(0, 30, 344, 129));
    PanelTransition = new TPanelTransition(
        {ScientificViewport, NumericViewport, ButtonPanel, [this] { return ScaleFactor(); },
         [this](int AHeight) { SetClientSize(width(), AHeight); }},
        this);
}

QWidget* TMainForm::PicturedPage() const {
    QWidget* page = ScientificPanelList.ActivePanel();
    return page ? page : ScientificPanelList.value(ScientificPanelNumber);
}

bool TMainForm::IsTransitionRunning() const {
    return PanelTransition && PanelTransition->IsRunning();
}

void TMainForm::RunPendingLayout() {
    if (std::exchange(IsLayoutPending, false)) SetWindowScale(WindowScaleNumber);
}

// A transition still running when the window closes ends at once, so that the window is
// collected and saved as it stands; input kept for after it is dropped.
void TMainForm::closeEvent(QCloseEvent* AEvent) {
    DeferredInput.Clear();
    PanelTransition->Finish();
    QWidget::closeEvent(AEvent);
}
