// The window's side of the history panel: building and wiring it, the Memory button and F3,
// docking beside the calculator, and what the panel's intents do to the expression line.

#include "ui/window/MainWin.h"

#include "model/WindowLayout.h"
#include "ui/history/HistoryPanel.h"
#include "ui/widgets/Controls.h"

#include <QLineEdit>

#include <algorithm>

void TMainForm::BuildHistoryPanel() {
    HistoryPanel = new THistoryPanel(
        ExpressionHistoryList,
        [this](const TExpressionHistory& AEntry) {
            return FormatResultValue(AEntry.IsPercent(), AEntry.RoundDecimal(),
                                     AEntry.ResultValue());
        },
        this);
}

// The memory button belongs to the expression panel, built after the history panel.
void TMainForm::ConnectHistoryPanel() {
    connect(MemoryButton, &QPushButton::clicked, this, &TMainForm::MemoryButtonClick);
    connect(
        MemoryButton, &TKeyButton::MouseDown, this,
        [this](Qt::MouseButton AButton, Qt::KeyboardModifiers) { MemoryButtonMouseDown(AButton); });
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

void TMainForm::ClearExpressionHistory() { HistoryPanel->Model().Clear(); }

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
        HistoryPanel->SetOverlay(false);
        HistoryPanel->Slide().Close(-HistoryPanel->height());
        return;
    }
    // Shown before the rows are rebuilt, so that the list can take the focus.
    HistoryPanel->SetOverlay(true);
    HistoryPanel->setVisible(true);
    UpdateHistoryListBox();
    HistoryPanel->Slide().Open(-HistoryPanel->height());
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
        HistoryPanel->SetOverlay(false);
        HistoryPanel->Slide().Stop(); // a closing slide must not hide the docked panel
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
    HistoryPanel->SetOverlay(false);
    HistoryPanel->Slide().Close(-HistoryPanel->height());
    if (IsAlwaysDisplayHistoryPanel) {
        IsAlwaysDisplayHistoryPanel = false;
        SetWindowScale(WindowScaleNumber);
    }
    FocusExpressionEnd();
}

void TMainForm::HistoryEntryChosen(int ARow) {
    const TExpressionHistory& entry = HistoryPanel->Model().Entry(ARow);
    ExpressionEdit->setText(entry.Expression());
    RedisplayResult(entry.IsPercent(), entry.ResultValue());
    HistoryPanel->Model().MoveToFirst(ARow);
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
    HistoryPanel->Slide().SetStartY(-HistoryPanel->height());
}

void TMainForm::FocusExpressionEnd() {
    ExpressionEdit->setFocus();
    SetExpressionCaret(int(ExpressionEdit->text().size()));
}
