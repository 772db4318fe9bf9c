#pragma once

// The history panel: the list of past evaluations with its row of eight buttons, and the slide
// that brings it down over the calculator. It owns its controls and its slide; it is handed the
// list's model (the window's entries with a formatter for their results), and it tells the window
// what the user asked for through signals. Where it stands, and when it opens, closes or stands
// docked beside the calculator, is the window's business.

#include "ui/history/HistoryList.h"
#include "ui/widgets/Controls.h"

#include <QString>

#include <vector>

class QKeyEvent;
class QListView;

class THistoryPanel : public TPanel {
    Q_OBJECT

public:
    // AModel stays owned by the caller and must outlive the panel.
    THistoryPanel(THistoryListModel& AModel, QWidget* AParent);

    THistoryListModel& Model() { return HistoryListModel; }
    QListView* ListBox() const { return HistoryListBox; }

    // Slides down over the calculator from above the window's top edge, as an overlay, with the
    // newest row current and the focus in the list. During the closing slide it turns round.
    void Open();
    // Slides up out of the window and hides at the end; during the opening slide it turns round.
    void Close();
    // Docked, the panel stands still and shown beside the calculator, part of the window, its
    // newest row current; undocked, it stays where it stands until it is opened or closed.
    void SetDocked(bool AIsDocked);
    // With reduced motion the panel opens and closes in one step.
    void SetReducedMotion(bool AIsReduced) { HistoryPanelAnimation->SetInstant(AIsReduced); }

    // Rows drawn afresh, the newest one current and selected and scrolled to; the list takes the
    // focus when AIsFocused.
    void ShowNewestEntry(bool AIsFocused);

    // An overlay covers the calculator: Tab and Shift+Tab go round its own controls only, and
    // Escape asks for it to be closed. Docked or closing, the panel is part of the window.
    void SetOverlay(bool AIsOverlay) { IsOverlay = AIsOverlay; }
    bool Overlay() const { return IsOverlay; }
    // Gives the focus to the first control that can take it (the last one when AIsForward is
    // false); false when none can.
    bool FocusEdge(bool AIsForward);

signals:
    // Edit, Enter or a double-click on the list: the user wants entry ARow back in the line.
    void EntryChosen(int ARow);
    // Sum or Ave: a formula over the selected results, to be evaluated like a typed one.
    void FormulaChosen(const QString& AFormula);
    // Close, or Escape in the overlay.
    void CloseRequested();
    // The closing slide ended while one of the panel's controls had the focus; the panel hides
    // right after this, so the focus needs another home first.
    void FocusLeaving();

protected:
    // Tab and Shift+Tab from one of the panel's controls while it is an overlay.
    bool focusNextPrevChild(bool ANext) override;
    // Keys the panel's controls leave alone come here: Escape closes the overlay.
    void keyPressEvent(QKeyEvent* AEvent) override;
    // The slide starts and ends above the top edge by the panel's height.
    void resizeEvent(QResizeEvent* AEvent) override;

private:
    void BuildListBox();
    void BuildButtonPanel();

    void HistoryPanelEditBtnClick();
    bool HistoryListBoxKeyDown(QKeyEvent* AEvent); // true: the key is consumed
    void HistoryPanelCopyBtnClick();
    void HistoryPanelDelBtnClick();
    void HistoryPanelSelectAllBtnClick();
    void HistoryPanelSumBtnClick();
    void HistoryPanelAverageBtnClick();
    void HistoryPanelClearBtnClick();
    void HistoryPanelCloseBtnClick();
    void HistoryPanelAnimationFinish(bool AIsInverse);
    // Tells a screen reader of the current row while the list has the focus.
    void TellCurrentRow();

    // The list and the buttons in Tab order that can take the focus now.
    std::vector<QWidget*> FocusableControls() const;

    // Selected rows from row 0 down, and their results in that order.
    std::vector<int> SelectedHistoryRows() const;
    std::vector<long double> SelectedHistoryValues() const;

    THistoryListModel& HistoryListModel;
    QListView* HistoryListBox = nullptr;
    THistorySlide* HistoryPanelAnimation = nullptr;
    TPanel* HistoryButtonPanel = nullptr;
    bool IsOverlay = false;
};
