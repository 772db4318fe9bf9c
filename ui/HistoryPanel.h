#pragma once

// The history panel: the list of past evaluations with its row of eight buttons, and the slide
// that brings it down over the calculator. It owns its controls and the list's model; it is handed
// the entries it shows and a formatter for their results, and it tells the window what the user
// asked for through signals. Where it stands, and whether it is docked, is the window's business.

#include "ui/Controls.h"
#include "ui/HistoryList.h"

#include <QString>

#include <vector>

class QKeyEvent;
class QListView;

class THistoryPanel : public TPanel {
    Q_OBJECT

public:
    // AEntries stays owned by the caller and must outlive the panel; from now on it is changed
    // only through Model(), so that row i is always entry i.
    THistoryPanel(THistoryEntries& AEntries, THistoryListModel::TFormatter AFormatter,
                  QWidget* AParent);

    THistoryListModel& Model() { return *HistoryListModel; }
    QListView* ListBox() const { return HistoryListBox; }
    THistorySlide& Slide() { return *HistoryPanelAnimation; }

    // Rows drawn afresh, the newest one current and selected and scrolled to; the list takes the
    // focus when AIsFocused.
    void ShowNewestEntry(bool AIsFocused);

signals:
    // Edit, Enter or a double-click on the list: the user wants entry ARow back in the line.
    void EntryChosen(int ARow);
    // Sum or Ave: a formula over the selected results, to be evaluated like a typed one.
    void FormulaChosen(const QString& AFormula);
    void CloseRequested();
    // The closing slide ended while one of the panel's controls had the focus; the panel hides
    // right after this, so the focus needs another home first.
    void FocusLeaving();

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

    // Selected rows from row 0 down, and their results in that order.
    std::vector<int> SelectedHistoryRows() const;
    std::vector<long double> SelectedHistoryValues() const;

    THistoryListModel* HistoryListModel = nullptr;
    QListView* HistoryListBox = nullptr;
    THistorySlide* HistoryPanelAnimation = nullptr;
    TPanel* HistoryButtonPanel = nullptr;
};
