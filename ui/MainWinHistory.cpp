// The history panel: the overlay that slides down over the calculator and the docked panel
// beside it, the list of entries, and its eight buttons.

#include "ui/MainWin.h"

#include "model/HistoryFormula.h"
#include "model/ResultFormat.h"
#include "model/WindowLayout.h"
#include "ui/Controls.h"
#include "ui/HistoryList.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>

#include <algorithm>

void TMainForm::UpdateHistoryListBox() {
    HistoryListModel->Refresh();
    if (HistoryListModel->rowCount() > 0) {
        HistoryListBox->selectionModel()->setCurrentIndex(HistoryListModel->index(0),
                                                          QItemSelectionModel::ClearAndSelect);
        HistoryListBox->scrollToTop();
    }
    if (!IsAlwaysDisplayHistoryPanel) HistoryListBox->setFocus();
}

// A visible panel (sliding, open, or left beside a narrowed window) turns round from where it is.
void TMainForm::MemoryButtonClick() {
    if (IsAlwaysDisplayHistoryPanel) {
        HistoryPanelCloseBtnClick();
        return;
    }
    if (MemoryButton->isHidden()) return;
    const bool isOpen = !HistoryPanel->isHidden();
    const int top = HistoryPanel->y();
    PlaceHistoryPanel(0, -1);
    if (isOpen) HistoryPanel->move(0, top);
    IsExpressionAllSelectionAfterEnter = false;
    if (isOpen) {
        UpdateHistoryListBox();
        HistoryPanelAnimation->Close(-HistoryPanel->height());
        return;
    }
    // Shown before the rows are rebuilt, so that the list can take the focus.
    HistoryPanel->setVisible(true);
    UpdateHistoryListBox();
    HistoryPanelAnimation->Open(-HistoryPanel->height());
}

void TMainForm::MemoryButtonMouseDown(Qt::MouseButton AButton) {
    if (AButton == Qt::RightButton) ToggleAlwaysDisplayHistoryPanel();
}

// Undocking leaves the panel visible where it stands, outside the narrowed window.
void TMainForm::ToggleAlwaysDisplayHistoryPanel() {
    if (IsAlwaysDisplayHistoryPanel) {
        IsAlwaysDisplayHistoryPanel = false;
    } else {
        IsAlwaysDisplayHistoryPanel = true;
        HistoryPanelAnimation->Stop(); // a closing slide must not hide the docked panel
        UpdateHistoryListBox();
        HistoryPanel->setVisible(true);
    }
    SetWindowScale(WindowScaleNumber);
}

void TMainForm::F3KeyDown(bool AIsShift) {
    const bool isClose = AIsShift ? IsAlwaysDisplayHistoryPanel : !HistoryPanel->isHidden();
    if (isClose) {
        HistoryPanelCloseBtnClick();
    } else if (AIsShift) {
        ToggleAlwaysDisplayHistoryPanel();
    } else {
        MemoryButtonClick();
    }
}

void TMainForm::HistoryPanelCloseBtnClick() {
    HistoryPanelAnimation->Close(-HistoryPanel->height());
    if (IsAlwaysDisplayHistoryPanel) {
        IsAlwaysDisplayHistoryPanel = false;
        SetWindowScale(WindowScaleNumber);
    }
    FocusExpressionEnd();
}

// Hiding a widget that has the focus would pass the focus on to the next key in the window; the
// expression line takes it instead.
void TMainForm::HistoryPanelAnimationFinish(bool AIsInverse) {
    if (!AIsInverse) return;
    const bool hadFocus = HistoryPanel->isAncestorOf(QApplication::focusWidget());
    if (hadFocus) ExpressionEdit->setFocus();
    HistoryPanel->setVisible(false);
}

void TMainForm::HistoryPanelEditBtnClick() {
    const int row = HistoryListBox->currentIndex().row();
    if (HistoryListModel->rowCount() == 0 || row < 0) return;
    const TExpressionHistory& entry = HistoryListModel->Entry(row);
    ExpressionEdit->setText(entry.Expression());
    RedisplayResult(entry.IsPercent(), entry.ResultValue());
    HistoryListModel->MoveToFirst(row);
    if (IsAlwaysDisplayHistoryPanel) {
        FocusExpressionEnd();
        UpdateHistoryListBox();
    } else {
        HistoryPanelCloseBtnClick();
    }
}

bool TMainForm::HistoryListBoxKeyDown(QKeyEvent* AEvent) {
    if (AEvent->key() != Qt::Key_Return && AEvent->key() != Qt::Key_Enter) return false;
    HistoryPanelEditBtnClick();
    return true;
}

void TMainForm::HistoryPanelCopyBtnClick() {
    QClipboard* clipboard = QApplication::clipboard();
    const std::vector<long double> values = SelectedHistoryValues();
    if (values.empty() || !clipboard) return;
    clipboard->setText(HistoryCopyText(values, SystemNumberSeparators()));
}

void TMainForm::HistoryPanelDelBtnClick() {
    HistoryListModel->RemoveEntries(SelectedHistoryRows());
    HistoryListBox->clearSelection();
}

void TMainForm::HistoryPanelSelectAllBtnClick() { HistoryListBox->selectAll(); }

void TMainForm::HistoryPanelSumBtnClick() {
    EvaluateHistoryFormula(HistorySumFormula(SelectedHistoryValues()));
}

void TMainForm::HistoryPanelAverageBtnClick() {
    EvaluateHistoryFormula(HistoryAverageFormula(SelectedHistoryValues()));
}

void TMainForm::HistoryPanelClearBtnClick() {
    if (HistoryListModel->rowCount() > 0) ClearExpressionHistory();
}

// The formula goes into the expression line and is evaluated like a typed one; an error shows
// "Error" there, and the overlay closes either way.
void TMainForm::EvaluateHistoryFormula(const QString& AFormula) {
    if (AFormula.isEmpty()) return;
    ExpressionEdit->setText(AFormula);
    CalcExpression(false);
    if (!IsAlwaysDisplayHistoryPanel) HistoryPanelCloseBtnClick();
}

// The layout of a panel that is visible but not docked and stood at APosition: an overlay keeps
// covering the calculator from where it is in its slide, a panel left beside the narrowed window
// stays beside it.
void TMainForm::PlaceVisibleHistoryPanel(QPoint APosition) {
    const bool isOverlay = APosition.x() == 0;
    PlaceHistoryPanel(isOverlay ? 0 : float(ScaleFactor()) * WindowLayout::DesignClientWidth, 0);
    HistoryPanel->move(HistoryPanel->x(), std::min(APosition.y(), 0));
    HistoryPanelAnimation->SetStartY(-HistoryPanel->height());
}

void TMainForm::FocusExpressionEnd() {
    ExpressionEdit->setFocus();
    SetExpressionCaret(int(ExpressionEdit->text().size()));
}

std::vector<int> TMainForm::SelectedHistoryRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : HistoryListBox->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

// The selected rows' results, from row 0 down.
std::vector<long double> TMainForm::SelectedHistoryValues() const {
    std::vector<long double> values;
    for (const int row : SelectedHistoryRows())
        values.push_back(HistoryListModel->Entry(row).ResultValue());
    return values;
}
