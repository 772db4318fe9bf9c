// The keypad pages and the two key areas: turning pages with the arrows and F9/F10, showing and
// hiding the scientific area and the numeric keypad with their buttons and F1/F2, and choosing
// the transition styles by double-clicking an area.

#include "ui/window/MainWin.h"

#include "ui/history/HistoryPanel.h"
#include "ui/motion/PanelTransition.h"
#include "ui/widgets/Controls.h"

#include <QToolButton>

namespace {

constexpr int kLeft = 0;
constexpr int kRight = 1;
constexpr int kSlideStyle = 1;
constexpr int kTurnStyle = 2; // the cube for pages, the flip for key areas

// Where the arrows of pages 0, 1 and 2 lead, left then right: right runs 0 → 1 → 2 → 0, left
// the other way round.
constexpr int kArrowTargets[3][2] = {{2, 1}, {0, 2}, {1, 0}};

// 0 → 1 → 2 → 0; a stored style outside 0 to 2 (no transition) starts the cycle at 0.
int NextTransitionStyle(int AStyle) { return AStyle >= 0 && AStyle < kTurnStyle ? AStyle + 1 : 0; }

} // namespace

void TMainForm::ConnectPages() {
    struct TPageArrow {
        const char* Name;
        void (TMainForm::*Click)();
    };
    // The arrows of pages 0, 1 and 2, left then right.
    // clang-format off
    static const TPageArrow arrows[3][2] = {
        {{"ScientificPanelLeftBtn", &TMainForm::ScientificPanelLeftBtnClick},
         {"ScientificPanelRightBtn", &TMainForm::ScientificPanelRightBtnClick}},
        {{"Option1PanelLeftBtn", &TMainForm::Option1PanelLeftBtnClick},
         {"Option1PanelRightBtn", &TMainForm::Option1PanelRightBtnClick}},
        {{"VariablePanelLeftBtn", &TMainForm::VariablePanelLeftBtnClick},
         {"VariablePanelRightBtn", &TMainForm::VariablePanelRightBtnClick}},
    };
    // clang-format on
    const TPanel* pages[] = {ScientificPanel, Option1Panel, VariablePanel}; // in page order
    for (int page = 0; page < int(std::size(pages)); ++page)
        for (const TPageArrow& arrow : arrows[page]) {
            const QString name = QString::fromLatin1(arrow.Name);
            auto* button = pages[page]->findChild<QToolButton*>(name, Qt::FindDirectChildrenOnly);
            connect(button, &QToolButton::clicked, this, arrow.Click);
        }
    connect(ScientificKeyBtn, &QPushButton::clicked, this, &TMainForm::ScientificKeyBtnClick);
    connect(NumericKeyBtn, &QPushButton::clicked, this, &TMainForm::NumericKeyBtnClick);
    // A panel reports only double-clicks on its own background: keys and fields take theirs.
    connect(ButtonPanel, &TPanel::DoubleClicked, this, &TMainForm::ButtonPanelDblClick);
    for (TPanel* page : {ScientificPanel, Option1Panel, VariablePanel})
        connect(page, &TPanel::DoubleClicked, this, &TMainForm::ScientificPanelDblClick);
    ConnectOptionPage();
    ConnectVariablePage();
}

void TMainForm::ScientificPanelLeftBtnClick() { RunPageArrow(0, kLeft); }
void TMainForm::ScientificPanelRightBtnClick() { RunPageArrow(0, kRight); }
void TMainForm::Option1PanelLeftBtnClick() { RunPageArrow(1, kLeft); }
void TMainForm::Option1PanelRightBtnClick() { RunPageArrow(1, kRight); }
void TMainForm::VariablePanelLeftBtnClick() { RunPageArrow(2, kLeft); }
void TMainForm::VariablePanelRightBtnClick() { RunPageArrow(2, kRight); }

// The target page is restyled first so that the transition pictures it as it will look; the page
// number changes only when the transition is over.
void TMainForm::SwitchPage(int ASource, int ATarget, int ADirection) {
    if (IsTransitionRunning()) return;
    QWidget* source = ScientificPanelList.value(ASource);
    QWidget* target = ScientificPanelList.value(ATarget);
    if (!source || !target) return;
    ApplyPanelKeyStyles(target);
    KeepFocusOutOf(source);
    if (AnimateScientificPanelStyle == kSlideStyle) {
        AnimatePanelSlide(source, target, ADirection);
    } else if (AnimateScientificPanelStyle == kTurnStyle) {
        AnimatePanelCube(source, target, ADirection);
    }
    ScientificPanelList.HidePanels();
    target->show();
    ScientificPanelNumber = ATarget;
}

void TMainForm::RunPageArrow(int APage, int ADirection) {
    if (APage < 0 || APage >= int(std::size(kArrowTargets))) return;
    if (ADirection != kLeft && ADirection != kRight) return;
    SwitchPage(APage, kArrowTargets[APage][ADirection], ADirection);
}

void TMainForm::TurnPageByKey(int ADirection) {
    if (IsScientificKey) RunPageArrow(ScientificPanelNumber, ADirection);
}

// Transparent mode hides both buttons, and F1/F2 then do nothing either.
void TMainForm::ScientificKeyBtnClick() {
    if (!ScientificKeyBtn->isHidden()) ToggleKeyArea(nullptr, IsScientificKey);
}

void TMainForm::NumericKeyBtnClick() {
    if (!NumericKeyBtn->isHidden()) ToggleKeyArea(ButtonPanel, IsNumericKey);
}

// One style serves both areas. A history panel standing beside the calculator or open over it is
// laid out again so that it takes the new height, its buttons inside the window.
void TMainForm::ToggleKeyArea(QWidget* AArea, bool& AIsShown) {
    if (IsTransitionRunning()) return;
    const int kind = AIsShown ? TPanelTransition::KindHide : TPanelTransition::KindShow;
    if (AIsShown) KeepFocusOutOf(AArea ? AArea : ScientificPanelList.ActivePanel());
    if (AnimateNumericPanelStyle == kSlideStyle) {
        AnimateKeyAreaSlide(AArea, kind);
    } else if (AnimateNumericPanelStyle == kTurnStyle) {
        AnimateKeyAreaFlip(AArea, kind);
    }
    AIsShown = !AIsShown;
    ArrangePanels();
    if (IsAlwaysDisplayHistoryPanel || !HistoryPanel->isHidden()) SetWindowScale(WindowScaleNumber);
}

void TMainForm::ButtonPanelDblClick() {
    AnimateNumericPanelStyle = NextTransitionStyle(AnimateNumericPanelStyle);
}

void TMainForm::ScientificPanelDblClick() {
    AnimateScientificPanelStyle = NextTransitionStyle(AnimateScientificPanelStyle);
}
