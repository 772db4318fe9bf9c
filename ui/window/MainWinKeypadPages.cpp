// The keypad pages and the two key areas: making the pages and the numeric keypad and wiring what
// they ask for, turning pages with the arrows and F9/F10, showing and hiding the scientific area
// and the numeric keypad with their buttons and F1/F2, choosing the transition styles by
// double-clicking an area, and stacking the areas under the expression panel.

#include "ui/window/MainWin.h"

#include "model/WindowLayout.h"
#include "ui/a11y/Accessibility.h"
#include "ui/history/HistoryPanel.h"
#include "ui/motion/PanelTransition.h"
#include "ui/pages/NumericKeypad.h"
#include "ui/pages/OptionPage.h"
#include "ui/pages/ScientificPage.h"
#include "ui/pages/VariablePage.h"
#include "ui/window/DeferredInput.h"
#include "ui/window/ResultLine.h"

#include <QLineEdit>

namespace {

constexpr int kLeft = TKeypadPage::TurnLeft;
constexpr int kRight = TKeypadPage::TurnRight;
constexpr int kSlideStyle = 1;
constexpr int kTurnStyle = 2; // the cube for pages, the flip for key areas

// Where the arrows of pages 0, 1 and 2 lead, left then right: right runs 0 → 1 → 2 → 0, left
// the other way round.
constexpr int kArrowTargets[3][2] = {{2, 1}, {0, 2}, {1, 0}};

// 0 → 1 → 2 → 0; a stored style outside 0 to 2 (no transition) starts the cycle at 0.
int NextTransitionStyle(int AStyle) { return AStyle >= 0 && AStyle < kTurnStyle ? AStyle + 1 : 0; }

} // namespace

// In drawing order: the keypad first, the pages over it.
void TMainForm::BuildKeypadPages() {
    ButtonPanel = new TNumericKeypad(this);
    ScientificPanel = new TScientificPage(this);
    Option1Panel = new TOptionPage(
        OptionButtonData, [this] { return ScaleFactor(); }, this);
    VariablePanel = new TVariablePage(VariableButtonData, this);
}

void TMainForm::ConnectPages() {
    using TKeypad = TNumericKeypad;
    connect(ButtonPanel, &TKeypad::TextChosen, this, &TMainForm::InputExpression);
    connect(ButtonPanel, &TKeypad::OperatorChosen, this, &TMainForm::PlusBtnClick);
    connect(ButtonPanel, &TKeypad::CopyRequested, this, &TMainForm::CopyBtnClick);
    connect(ButtonPanel, &TKeypad::CaretLeftRequested, this, &TMainForm::CurLeftBtnClick);
    connect(ButtonPanel, &TKeypad::CaretRightRequested, this, &TMainForm::CurRightBtnClick);
    connect(ButtonPanel, &TKeypad::DeleteRequested, this, &TMainForm::DelBtnClick);
    connect(ButtonPanel, &TKeypad::ClearRequested, this, &TMainForm::ACBtnClick);
    connect(ButtonPanel, &TKeypad::EvaluateRequested, this, &TMainForm::CalcExpression);
    connect(ScientificPanel, &TScientificPage::TextChosen, this, &TMainForm::InputExpression);
    connect(Option1Panel, &TOptionPage::TextChosen, this, &TMainForm::InputExpression);
    connect(VariablePanel, &TVariablePage::TextChosen, this, &TMainForm::InputExpression);
    connect(VariablePanel, &TVariablePage::ValueEntered, this, &TMainForm::VariableValueEntered);

    const TKeypadPage* pages[] = {ScientificPanel, Option1Panel, VariablePanel}; // in page order
    for (int page = 0; page < int(std::size(pages)); ++page) {
        connect(pages[page], &TKeypadPage::TurnRequested, this,
                [this, page](int ADirection) { RunPageArrow(page, ADirection); });
        // A panel reports only double-clicks on its own background: keys and fields take theirs.
        connect(pages[page], &TPanel::DoubleClicked, this, &TMainForm::ScientificPanelDblClick);
    }
    connect(ButtonPanel, &TPanel::DoubleClicked, this, &TMainForm::ButtonPanelDblClick);
    connect(ScientificKeyBtn, &QPushButton::clicked, this, &TMainForm::ScientificKeyBtnClick);
    connect(NumericKeyBtn, &QPushButton::clicked, this, &TMainForm::NumericKeyBtnClick);
}

// Stacks the visible areas under the expression panel, each overlapping the one above by one
// pixel, and fits the window's height to them.
void TMainForm::ArrangePanels() {
    const WindowLayout::TAreaStack stack =
        WindowLayout::StackAreas(ScaleFactor(), IsScientificKey, IsNumericKey);
    if (IsScientificKey) {
        ScientificPanelList.SetPositionY(WindowLayout::RoundHalfEven(stack.PageTop));
        ScientificPanelList.SetActivePanel(ScientificPanelNumber);
        if (TKeypadPage* page = ScientificPanelList.ActivePanel()) page->ApplyKeyStyles();
    } else {
        ScientificPanelList.HidePanels();
    }
    if (IsNumericKey) {
        ButtonPanel->move(ButtonPanel->x(), WindowLayout::RoundHalfEven(stack.KeypadTop));
        ButtonPanel->show();
    } else {
        ButtonPanel->hide();
    }
    SetClientSize(width(), stack.ClientHeight);
}

// The target page is restyled first so that the transition pictures it as it will look; the page
// number changes only when the transition is over.
void TMainForm::SwitchPage(int ASource, int ATarget, int ADirection) {
    if (IsTransitionRunning()) return;
    TKeypadPage* source = ScientificPanelList.value(ASource);
    TKeypadPage* target = ScientificPanelList.value(ATarget);
    if (!source || !target) return;
    target->ApplyKeyStyles();
    KeepFocusOutOf(source);
    if (AnimateScientificPanelStyle == kSlideStyle) {
        PanelTransition->AnimatePanelSlide(source, target, ADirection);
    } else if (AnimateScientificPanelStyle == kTurnStyle) {
        PanelTransition->AnimatePanelCube(source, target, ADirection);
    }
    RunPendingLayout();
    ScientificPanelList.HidePanels();
    target->show();
    ScientificPanelNumber = ATarget;
    AnnounceResultText(ResultLabel, target->accessibleName());
    DeferredInput.RunKept();
}

// An arrow that comes during a transition turns from the page shown once it is over.
void TMainForm::RunPageArrow(int APage, int ADirection) {
    if (DeferredInput.Defer(*PanelTransition, [this, ADirection] {
            RunPageArrow(ScientificPanelNumber, ADirection);
        }))
        return;
    if (APage < 0 || APage >= int(std::size(kArrowTargets))) return;
    if (ADirection != kLeft && ADirection != kRight) return;
    SwitchPage(APage, kArrowTargets[APage][ADirection], ADirection);
}

void TMainForm::TurnPageByKey(int ADirection) {
    if (DeferredInput.Defer(*PanelTransition, [this, ADirection] { TurnPageByKey(ADirection); }))
        return;
    if (IsScientificKey) RunPageArrow(ScientificPanelNumber, ADirection);
}

// Transparent mode hides both buttons, and F1/F2 then do nothing either.
// A screen reader is told what the key did, as a sighted user sees the area come or go.
void TMainForm::ScientificKeyBtnClick() {
    if (DeferredInput.Defer(*PanelTransition, [this] { ScientificKeyBtnClick(); })) return;
    if (ScientificKeyBtn->isHidden()) return;
    AnnounceResultText(ResultLabel, IsScientificKey ? tr("scientific keys hidden")
                                                    : tr("scientific keys shown"));
    ToggleKeyArea(nullptr, IsScientificKey);
}

void TMainForm::NumericKeyBtnClick() {
    if (DeferredInput.Defer(*PanelTransition, [this] { NumericKeyBtnClick(); })) return;
    if (NumericKeyBtn->isHidden()) return;
    AnnounceResultText(ResultLabel,
                       IsNumericKey ? tr("numeric keys hidden") : tr("numeric keys shown"));
    ToggleKeyArea(ButtonPanel, IsNumericKey);
}

// One style serves both areas. A history panel standing beside the calculator or open over it is
// laid out again so that it takes the new height, its buttons inside the window.
void TMainForm::ToggleKeyArea(QWidget* AArea, bool& AIsShown) {
    if (IsTransitionRunning()) return;
    const int kind = AIsShown ? TPanelTransition::KindHide : TPanelTransition::KindShow;
    if (AIsShown) KeepFocusOutOf(AArea ? AArea : ScientificPanelList.ActivePanel());
    if (AnimateNumericPanelStyle == kSlideStyle) {
        PanelTransition->AnimateKeyAreaSlide(AArea, kind, PicturedPage());
    } else if (AnimateNumericPanelStyle == kTurnStyle) {
        PanelTransition->AnimateKeyAreaFlip(AArea, kind, PicturedPage());
    }
    RunPendingLayout();
    AIsShown = !AIsShown;
    ArrangePanels();
    if (IsAlwaysDisplayHistoryPanel || !HistoryPanel->isHidden()) SetWindowScale(WindowScaleNumber);
    DeferredInput.RunKept();
}

void TMainForm::ButtonPanelDblClick() {
    AnimateNumericPanelStyle = NextTransitionStyle(AnimateNumericPanelStyle);
}

void TMainForm::ScientificPanelDblClick() {
    AnimateScientificPanelStyle = NextTransitionStyle(AnimateScientificPanelStyle);
}

void TMainForm::VariableValueEntered(int ANumber) {
    ExpressionCaretPosition = ExpressionEdit->cursorPosition();
    if (CalcExpression(false)) VariablePanel->SelectValue(ANumber);
}
