#include "ui/history/HistoryPanel.h"

#include "model/HistoryFormula.h"
#include "model/ResultFormat.h"
#include "ui/a11y/Accessibility.h"
#include "ui/widgets/EventHook.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QListView>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

THistoryPanel::THistoryPanel(THistoryListModel& AModel, QWidget* AParent)
    : TPanel(AParent), HistoryListModel(AModel) {
    setObjectName(QStringLiteral("HistoryPanel"));
    SetDesignGeometry(this, QRect(0, 80, 344, 65));
    BuildListBox();
    HistoryPanelAnimation = new THistorySlide(this, QStringLiteral("HistoryPanelAnimation"));
    connect(HistoryPanelAnimation, &THistorySlide::Finished, this,
            &THistoryPanel::HistoryPanelAnimationFinish);
    BuildButtonPanel();
    setVisible(false);
}

void THistoryPanel::BuildListBox() {
    HistoryListBox = new QListView(this);
    HistoryListBox->setObjectName(QStringLiteral("HistoryListBox"));
    SetStyleName(HistoryListBox, QStringLiteral("HistoryListBoxStyle1"));
    SetDesignGeometry(HistoryListBox, QRect(0, 0, 344, 40));
    SetDesignFont(HistoryListBox, DesignFont({QStringLiteral("Segoe UI Semibold")}, 12, true));
    HistoryListBox->setSelectionMode(QAbstractItemView::ExtendedSelection);
    HistoryListBox->setEditTriggers(QAbstractItemView::NoEditTriggers);
    HistoryListBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    HistoryListBox->setUniformItemSizes(true);
    HistoryListBox->setItemDelegate(new THistoryRowDelegate(HistoryListBox));
    HistoryListBox->setModel(&HistoryListModel);
    SetAlign(HistoryListBox, TAlign::Client);
    connect(HistoryListBox, &QAbstractItemView::doubleClicked, this,
            &THistoryPanel::HistoryPanelEditBtnClick);
    OnKeyDown(HistoryListBox, [this](QKeyEvent* AEvent) { return HistoryListBoxKeyDown(AEvent); });
    // A reader speaks the row reached; how many rows Shift with the arrows has selected it is
    // told.
    connect(HistoryListBox->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const int count = int(HistoryListBox->selectionModel()->selectedRows().size());
        if (HistoryListBox->hasFocus() && count > 1)
            Announce(this, tr("%n selected", "history rows", count));
    });
}

void THistoryPanel::BuildButtonPanel() {
    HistoryButtonPanel = new TPanel(this);
    HistoryButtonPanel->setObjectName(QStringLiteral("HistoryButtonPanel"));
    SetDesignGeometry(HistoryButtonPanel, QRect(0, 40, 344, 25));
    struct THistoryButton {
        const char* Name;
        const char* Caption;
        int X;
        void (THistoryPanel::*Click)();
    };
    // clang-format off
    static const THistoryButton buttons[] = {
        {"HistoryPanelSelectAllBtn", "All",   35,  &THistoryPanel::HistoryPanelSelectAllBtnClick},
        {"HistoryPanelDelBtn",       "Del",   72,  &THistoryPanel::HistoryPanelDelBtnClick},
        {"HistoryPanelClearBtn",     "Clear", 109, &THistoryPanel::HistoryPanelClearBtnClick},
        {"HistoryPanelSumBtn",       "Sum",   152, &THistoryPanel::HistoryPanelSumBtnClick},
        {"HistoryPanelAverageBtn",   "Ave",   189, &THistoryPanel::HistoryPanelAverageBtnClick},
        {"HistoryPanelCopyBtn",      "Copy",  226, &THistoryPanel::HistoryPanelCopyBtnClick},
        {"HistoryPanelEditBtn",      "Edit",  263, &THistoryPanel::HistoryPanelEditBtnClick},
        {"HistoryPanelCloseBtn",     "Close", 305, &THistoryPanel::HistoryPanelCloseBtnClick},
    };
    // clang-format on
    for (const THistoryButton& design : buttons) {
        auto* button = new QPushButton(QString::fromLatin1(design.Caption), HistoryButtonPanel);
        button->setObjectName(QString::fromLatin1(design.Name));
        SetStyleName(button, QStringLiteral("HistoryPanelBtnStyle"));
        SetDesignGeometry(button, QRect(design.X, 3, 36, 18));
        SetDesignFont(button, DesignFont({}, 10, true));
        connect(button, &QPushButton::clicked, this, design.Click);
    }
    SetAlign(HistoryButtonPanel, TAlign::Bottom);
}

// A screen reader is told of the newest row once the list has the focus (it would speak only the
// list, and the first Down would pass the row by unheard).
void THistoryPanel::ShowNewestEntry(bool AIsFocused) {
    HistoryListModel.Refresh();
    if (HistoryListModel.rowCount() > 0) {
        HistoryListBox->selectionModel()->setCurrentIndex(HistoryListModel.index(0),
                                                          QItemSelectionModel::ClearAndSelect);
        HistoryListBox->scrollToTop();
    }
    if (!AIsFocused) return;
    HistoryListBox->setFocus();
    // After the focus has come in, which tells of the list itself.
    QTimer::singleShot(0, this, &THistoryPanel::TellCurrentRow);
}

// Readers pass over what gets the focus outside the window, as the list does while it slides
// in: the row is told again when the slide has brought it in.
void THistoryPanel::TellCurrentRow() {
    const int row = HistoryListBox->currentIndex().row();
    if (!QAccessible::isActive() || !HistoryListBox->hasFocus() || row < 0) return;
    QAccessibleEvent event(HistoryListBox, QAccessible::Focus);
    event.setChild(row);
    QAccessible::updateAccessibility(&event);
}

// Shown before the rows are rebuilt, so that the list can take the focus.
void THistoryPanel::Open() {
    SetOverlay(true);
    setVisible(true);
    ShowNewestEntry(true);
    HistoryPanelAnimation->Open(-height());
}

void THistoryPanel::Close() {
    SetOverlay(false);
    HistoryPanelAnimation->Close(-height());
}

// A closing slide must not hide the docked panel.
void THistoryPanel::SetDocked(bool AIsDocked) {
    if (!AIsDocked) return;
    SetOverlay(false);
    HistoryPanelAnimation->Stop();
    ShowNewestEntry(false);
    setVisible(true);
}

void THistoryPanel::resizeEvent(QResizeEvent* AEvent) {
    TPanel::resizeEvent(AEvent);
    if (HistoryPanelAnimation) HistoryPanelAnimation->SetStartY(-height());
}

std::vector<QWidget*> THistoryPanel::FocusableControls() const {
    std::vector<QWidget*> controls;
    auto add = [&controls](QWidget* AControl) {
        if (AControl->isVisible() && AControl->isEnabled() &&
            (AControl->focusPolicy() & Qt::TabFocus))
            controls.push_back(AControl);
    };
    add(HistoryListBox);
    for (QPushButton* button :
         HistoryButtonPanel->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
        add(button);
    return controls;
}

bool THistoryPanel::FocusEdge(bool AIsForward) {
    const std::vector<QWidget*> controls = FocusableControls();
    if (controls.empty()) return false;
    QWidget* edge = AIsForward ? controls.front() : controls.back();
    edge->setFocus(AIsForward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

// The overlay covers the keys that would come next in the window, so the focus goes round.
bool THistoryPanel::focusNextPrevChild(bool ANext) {
    if (!IsOverlay) return TPanel::focusNextPrevChild(ANext);
    const std::vector<QWidget*> controls = FocusableControls();
    if (controls.empty()) return false;
    const auto current = std::find(controls.begin(), controls.end(), QApplication::focusWidget());
    if (current == controls.end()) return FocusEdge(ANext);
    const std::ptrdiff_t count = std::ssize(controls);
    const std::ptrdiff_t step = ANext ? 1 : count - 1;
    controls[std::size_t((current - controls.begin() + step) % count)]->setFocus(
        ANext ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void THistoryPanel::keyPressEvent(QKeyEvent* AEvent) {
    if (IsOverlay && AEvent->key() == Qt::Key_Escape) {
        emit CloseRequested();
        return;
    }
    TPanel::keyPressEvent(AEvent);
}

void THistoryPanel::HistoryPanelEditBtnClick() {
    const int row = HistoryListBox->currentIndex().row();
    if (HistoryListModel.rowCount() == 0 || row < 0) return;
    const QString formula = HistoryListModel.Entry(row).Expression();
    emit EntryChosen(row);
    Announce(this, tr("in the line: %1", "a history entry taken back").arg(formula));
}

bool THistoryPanel::HistoryListBoxKeyDown(QKeyEvent* AEvent) {
    if (AEvent->key() != Qt::Key_Return && AEvent->key() != Qt::Key_Enter) return false;
    HistoryPanelEditBtnClick();
    return true;
}

void THistoryPanel::HistoryPanelCopyBtnClick() {
    QClipboard* clipboard = QApplication::clipboard();
    const std::vector<long double> values = SelectedHistoryValues();
    if (values.empty() || !clipboard) return;
    clipboard->setText(HistoryCopyText(values, SystemNumberSeparators()));
    Announce(this, values.size() == 1 ? tr("copied")
                                      : tr("%n rows copied", "history rows", int(values.size())));
}

void THistoryPanel::HistoryPanelDelBtnClick() {
    HistoryListModel.RemoveEntries(SelectedHistoryRows());
    HistoryListBox->clearSelection();
}

void THistoryPanel::HistoryPanelSelectAllBtnClick() { HistoryListBox->selectAll(); }

void THistoryPanel::HistoryPanelSumBtnClick() {
    const QString formula = HistorySumFormula(SelectedHistoryValues());
    if (!formula.isEmpty()) emit FormulaChosen(formula);
}

void THistoryPanel::HistoryPanelAverageBtnClick() {
    const QString formula = HistoryAverageFormula(SelectedHistoryValues());
    if (!formula.isEmpty()) emit FormulaChosen(formula);
}

void THistoryPanel::HistoryPanelClearBtnClick() {
    if (HistoryListModel.rowCount() > 0) HistoryListModel.Clear();
}

void THistoryPanel::HistoryPanelCloseBtnClick() { emit CloseRequested(); }

// Hiding a widget that has the focus would pass the focus on to whatever comes next in the
// window; the window is asked to take it first.
void THistoryPanel::HistoryPanelAnimationFinish(bool AIsInverse) {
    if (!AIsInverse) {
        TellCurrentRow();
        return;
    }
    if (isAncestorOf(QApplication::focusWidget())) emit FocusLeaving();
    setVisible(false);
}

std::vector<int> THistoryPanel::SelectedHistoryRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : HistoryListBox->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::vector<long double> THistoryPanel::SelectedHistoryValues() const {
    std::vector<long double> values;
    for (const int row : SelectedHistoryRows())
        values.push_back(HistoryListModel.Entry(row).ResultValue());
    return values;
}
