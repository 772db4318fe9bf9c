// The window by keyboard: Tab goes through the controls as the window reads, the Menu key and
// Shift+F10 open the expression panel's menu wherever the focus is, Escape closes the history
// overlay or clears the line, and a key area that hides gives the focus back to the line.

#include "ui/window/MainWin.h"

#include "ui/history/HistoryPanel.h"
#include "ui/widgets/Controls.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>

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
    if (ExpressionPanelPopupMenu->isVisible()) return;
    QPoint at = AGlobalPosition;
    if (at.isNull()) {
        const QWidget* focus = focusWidget() ? focusWidget() : ExpressionPanel;
        at = focus->mapToGlobal(QPoint(0, focus->height()));
    }
    ExpressionPanelPopupMenu->popup(at);
    ExpressionPanelPopupMenu->setActiveAction(CopyItem);
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
