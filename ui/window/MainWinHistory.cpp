// The window's side of the history panel: making the list's model and the panel and wiring them,
// the Memory button and F3, docking beside the calculator, and what the panel's intents do to the
// expression line.

#include "ui/window/MainWin.h"

#include "model/WindowLayout.h"
#include "ui/history/HistoryPanel.h"
#include "ui/widgets/Controls.h"

#include <QLineEdit>

#include <algorithm>

void TMainForm::BuildHistoryPanel() {
    HistoryListModel = new THistoryListModel(
        ExpressionHistoryList,
        [this](const TExpressionHistory& AEntry) {
            return FormatResultValue(AEntry.IsPercent(), AEntry.RoundDecimal(),
                                     AEntry.ResultValue());
        },
        this);
    HistoryPanel = new THistoryPanel(*HistoryListModel, this);
}

// The memory button belongs to the expression panel, built after the history panel. Its right
// press docks the panel beside the calculator or undocks it.
void TMainForm::ConnectHistoryPanel() {
    connect(MemoryButton, &QPushButton::clicked, this, &TMainForm::MemoryButtonClick);
    connect(MemoryButton, &TKeyButton::MouseDown, this,
            [this](Qt::MouseButton AButton, Qt::KeyboardModifiers) {
                if (AButton == Qt::RightButton) ToggleAlwaysDisplayHistoryPanel();
            });
    connect(HistoryPanel, &THistoryPanel::EntryChosen, this, &TMainForm::HistoryEntryChosen);
    connect(HistoryPanel, &THistoryPanel::FormulaChosen, this, &TMainForm::EvaluateHistoryFormula);
    connect(HistoryPanel, &THistoryPanel::CloseRequested, this,
            &TMainForm::HistoryPanelCloseBtnClick);
    connect(HistoryPanel, &THistoryPanel::FocusLeaving, this,
            [this] { ExpressionEdit->setFocus(); });
}

void TMainForm::UpdateHistoryListBox() {
    HistoryPanel->ShowNewestEntry(!IsAlwaysDisplayHistoryPanel);
}

void TMainForm::ClearExpressionHistory() { HistoryListModel->Clear(); }

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
        HistoryPanel->Close();
    } else {
        HistoryPanel->Open();
    }
}

// Undocking leaves the panel visible where it stands, outside the narrowed window.
void TMainForm::ToggleAlwaysDisplayHistoryPanel() {
    IsAlwaysDisplayHistoryPanel = !IsAlwaysDisplayHistoryPanel;
    HistoryPanel->SetDocked(IsAlwaysDisplayHistoryPanel);
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
    HistoryPanel->Close();
    if (IsAlwaysDisplayHistoryPanel) {
        IsAlwaysDisplayHistoryPanel = false;
        SetWindowScale(WindowScaleNumber);
    }
    FocusExpressionEnd();
}

void TMainForm::HistoryEntryChosen(int ARow) {
    const TExpressionHistory& entry = HistoryListModel->Entry(ARow);
    ExpressionEdit->setText(entry.Expression());
    RedisplayResult(entry.IsPercent(), entry.ResultValue());
    HistoryListModel->MoveToFirst(ARow);
    if (IsAlwaysDisplayHistoryPanel) {
        FocusExpressionEnd();
        UpdateHistoryListBox();
    } else {
        HistoryPanelCloseBtnClick();
    }
}

// The formula goes into the expression line and is evaluated like a typed one; an error shows
// "Error" there, and the overlay closes either way.
void TMainForm::EvaluateHistoryFormula(const QString& AFormula) {
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
}

void TMainForm::FocusExpressionEnd() {
    ExpressionEdit->setFocus();
    SetExpressionCaret(int(ExpressionEdit->text().size()));
}
