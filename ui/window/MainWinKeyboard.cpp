// The window by keyboard: the zoom keys, Tab goes through the controls as the window reads, the
// Menu key and Shift+F10 open the expression panel's menu wherever the focus is, Escape closes the
// history overlay or clears the line, and a key area that hides gives the focus back to the line.

#include "ui/window/MainWin.h"

#include "model/WindowLayout.h"
#include "ui/history/HistoryPanel.h"
#include "ui/pages/NumericKeypad.h"
#include "ui/pages/OptionPage.h"
#include "ui/pages/ScientificPage.h"
#include "ui/pages/VariablePage.h"
#include "ui/widgets/Controls.h"
#include "ui/widgets/EventHook.h"
#include "ui/window/ExpressionPanelMenu.h"
#include "ui/window/RoundCombo.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>

#include <algorithm>
#include <vector>

namespace {

// The keys of every grid are 40 units apart from row to row, and a field beside a key lies
// within its row.
constexpr int kRowPitch = 40;

// The controls of AArea that Tab stops at, in reading order: rows from the top, each row from
// the left; a field over a key (edit modes) right after its key.
std::vector<QWidget*> ReadingOrder(QWidget* AArea) {
    struct TStop {
        QWidget* Control;
        int Row;
        int X;
    };
    std::vector<TStop> stops;
    for (QWidget* control : AArea->findChildren<QWidget*>()) {
        // The lists' open views live in popup windows of their own.
        if (control->window() != AArea->window() || !(control->focusPolicy() & Qt::TabFocus))
            continue;
        const QPoint at = control->mapTo(AArea, QPoint(0, 0));
        stops.push_back({control, (at.y() + control->height() / 2) / kRowPitch, at.x()});
    }
    // Stable: of two controls at one place the one made first comes first.
    std::stable_sort(stops.begin(), stops.end(), [](const TStop& A, const TStop& B) {
        return A.Row != B.Row ? A.Row < B.Row : A.X < B.X;
    });
    std::vector<QWidget*> order;
    for (const TStop& stop : stops) order.push_back(stop.Control);
    return order;
}

} // namespace

// A key pressed on a key or a closed list reaches the line as if typed there, in the state the
// line is in after an evaluation (all of it selected), else as it was when it lost the focus.
bool TMainForm::ForwardKeyToExpressionLine(QKeyEvent* AEvent) {
    QWidget* focus = QApplication::focusWidget();
    const auto* combo = qobject_cast<QComboBox*>(focus);
    if (!qobject_cast<TKeyButton*>(focus) && !(combo && !combo->view()->isVisible())) return false;
    const QChar typed = TypedCharacter(AEvent);
    if (!IsEnterKey(AEvent) && (typed.isNull() || typed == u' ')) return false;
    ExpressionEdit->setFocus(Qt::OtherFocusReason);
    if (IsExpressionAllSelectionAfterEnter) {
        ExpressionEdit->selectAll();
    } else if (ExpressionSelLength > 0) {
        const bool isCaretAtStart = ExpressionCaretPosition == ExpressionSelStart;
        ExpressionEdit->setSelection(isCaretAtStart ? ExpressionSelStart + ExpressionSelLength
                                                    : ExpressionSelStart,
                                     isCaretAtStart ? -ExpressionSelLength : ExpressionSelLength);
    } else {
        SetExpressionCaret(ExpressionCaretPosition);
    }
    QKeyEvent typedHere(AEvent->type(), AEvent->key(), AEvent->modifiers(), AEvent->text(),
                        AEvent->isAutoRepeat(), ushort(AEvent->count()));
    QCoreApplication::sendEvent(ExpressionEdit, &typedHere);
    return true;
}

bool TMainForm::FormKeyDown(QKeyEvent* AEvent) {
    const Qt::KeyboardModifiers modifiers = AEvent->modifiers();
    const bool isShiftAlt = (modifiers & Qt::ShiftModifier) && (modifiers & Qt::AltModifier);
    const bool isShift = modifiers & Qt::ShiftModifier;
    // Ctrl with the plus, minus and zero keys, main or keypad; Shift may be needed to type "+".
    const bool isCtrl = (modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier);
    // A step that would make the window larger than its screen's available area is not taken.
    const auto zoomTo = [this](int AStep) {
        const WindowLayout::TWindowShape shape{
            IsAlwaysDisplayHistoryPanel, IsScientificKey, IsNumericKey,
            WindowLayout::FrameMargins(frameGeometry(), geometry())};
        const QRect area = screen() ? screen()->availableGeometry() : QRect();
        if (WindowLayout::CanTakeScaleStep(WindowScaleNumber, AStep, shape, area))
            SetWindowScale(AStep);
    };
    switch (AEvent->key()) {
    case Qt::Key_Up:
        if (!isShiftAlt) return false;
        zoomTo(WindowScaleNumber + 1);
        return true;
    case Qt::Key_Down:
        if (!isShiftAlt) return false;
        zoomTo(WindowScaleNumber - 1);
        return true;
    case Qt::Key_F12:
        if (!isShiftAlt) return false;
        zoomTo(0);
        return true;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        if (!isCtrl) return false;
        zoomTo(WindowScaleNumber + 1);
        return true;
    case Qt::Key_Minus:
        if (!isCtrl) return false;
        zoomTo(WindowScaleNumber - 1);
        return true;
    case Qt::Key_0:
        if (!isCtrl) return false;
        zoomTo(0);
        return true;
    case Qt::Key_F1: ScientificKeyBtnClick(); return true;
    case Qt::Key_F2: NumericKeyBtnClick(); return true;
    case Qt::Key_F3: F3KeyDown(modifiers & Qt::ShiftModifier); return true;
    case Qt::Key_F4:
        // Shift+F4 is the right-click of the decimals list: HEX and BIN.
        if (isShift) {
            RoundCombo->SwitchRoundComboHexBin();
        } else {
            RoundCombo->ToggleDropDown();
        }
        return true;
    case Qt::Key_F5: CopyBtnClick(); return true;
    case Qt::Key_F8: ACBtnClick(); return true;
    case Qt::Key_F9: TurnPageByKey(0); return true;
    case Qt::Key_F10:
        // Shift+F10 is the desktop's key for a control's menu.
        if (isShift) {
            OpenPopupMenuByKey();
        } else {
            TurnPageByKey(1);
        }
        return true;
    case Qt::Key_Menu: OpenPopupMenuByKey(); return true;
    case Qt::Key_Escape: return EscapeKeyDown();
    default: return false;
    }
}

// Taken from the design places, once: zooming scales every place alike, and hidden controls (the
// pages not shown, the fields of the edit modes, the history) are passed over by Tab.
void TMainForm::SetTabOrder() {
    std::vector<QWidget*> chain;
    for (QWidget* area :
         {static_cast<QWidget*>(ExpressionPanel), static_cast<QWidget*>(ScientificPanel),
          static_cast<QWidget*>(Option1Panel), static_cast<QWidget*>(VariablePanel),
          static_cast<QWidget*>(ButtonPanel), static_cast<QWidget*>(HistoryPanel)}) {
        const std::vector<QWidget*> order = ReadingOrder(area);
        chain.insert(chain.end(), order.begin(), order.end());
    }
    for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

// An open overlay covers every other control: Tab from anywhere else goes into it.
bool TMainForm::focusNextPrevChild(bool ANext) {
    if (HistoryPanel->Overlay() && !HistoryPanel->isAncestorOf(QApplication::focusWidget()) &&
        HistoryPanel->FocusEdge(ANext))
        return true;
    return QWidget::focusNextPrevChild(ANext);
}

void TMainForm::OpenPopupMenuByKey(QPoint AGlobalPosition) {
    QPoint at = AGlobalPosition;
    if (at.isNull()) {
        const QWidget* focus = focusWidget() ? focusWidget() : ExpressionPanel;
        at = focus->mapToGlobal(QPoint(0, focus->height()));
    }
    ExpressionPanelPopupMenu->OpenByKey(at);
}

// Inside the overlay the panel closes itself (Escape reaches it as a key its controls leave).
bool TMainForm::EscapeKeyDown() {
    if (!HistoryPanel->Overlay()) {
        ACBtnClick();
        return true;
    }
    if (HistoryPanel->isAncestorOf(QApplication::focusWidget())) return false;
    HistoryPanelCloseBtnClick();
    return true;
}

// Hiding the control with the focus would pass the focus on to the next one in Tab order,
// somewhere else in the window; the line is where typing goes.
void TMainForm::KeepFocusOutOf(QWidget* AArea) {
    if (AArea && AArea->isAncestorOf(QApplication::focusWidget())) ExpressionEdit->setFocus();
}
