// Page and key-area transitions: the window's two 3-D stages and the four motions, played by
// TPanelTransition on pictures of the live panels.

#include "ui/window/MainWin.h"

#include "model/WindowLayout.h"
#include "ui/motion/PanelTransition.h"
#include "ui/motion/Viewport3D.h"
#include "ui/pages/KeypadPage.h"
#include "ui/pages/NumericKeypad.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/EventHook.h"

#include <QCloseEvent>
#include <QMouseEvent>

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

// While a transition plays, its stage stands over the panels: a double-click on the stage is one
// on the area it pictures there (the page above the keypad in the key-area stage), and chooses
// that area's next transition style as the area itself would.
void TMainForm::BuildTransitionStages() {
    NumericViewport = CreateStage(this, "NumericViewport", QRect(0, 118, 344, 209));
    ScientificViewport = CreateStage(this, "ScientificViewport", QRect(0, 30, 344, 129));
    OnEvent(ScientificViewport, QEvent::MouseButtonDblClick, [this](QEvent* AEvent) {
        if (static_cast<QMouseEvent*>(AEvent)->button() == Qt::LeftButton)
            ScientificPanelDblClick();
        return false;
    });
    OnEvent(NumericViewport, QEvent::MouseButtonDblClick, [this](QEvent* AEvent) {
        const auto* click = static_cast<QMouseEvent*>(AEvent);
        if (click->button() != Qt::LeftButton) return false;
        const bool isOnPage =
            IsScientificKey && click->position().y() < ScaleFactor() * WindowLayout::PageHeight;
        if (isOnPage) {
            ScientificPanelDblClick();
        } else {
            ButtonPanelDblClick();
        }
        return false;
    });
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
