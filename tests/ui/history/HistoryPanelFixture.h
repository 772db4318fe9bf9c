#pragma once

// A window with a short history and helpers that drive the history panel: its slide, its rows and
// right presses delivered through the window as the platform delivers them.

#include "ui/MainWinFixture.h"

#include "model/WindowLayout.h"
#include "ui/history/HistoryList.h"

#include <QAction>
#include <QClipboard>
#include <QListView>
#include <QMenu>
#include <QPropertyAnimation>

#include <functional>
#include <initializer_list>
#include <vector>

class HistoryPanelFixture : public MainWinFixture {
protected:
    QWidget* Panel() { return Find<QWidget>("HistoryPanel"); }
    QListView* List() { return Find<QListView>("HistoryListBox"); }
    QPropertyAnimation* Slide() { return Find<QPropertyAnimation>("HistoryPanelAnimation"); }
    const auto& History() const { return Form->ExpressionHistory(); }

    void Evaluate(const QString& AFormula) {
        SetLine(AFormula);
        Enter();
    }
    // Rows, newest first: 12 "10+2", -3 "1-4", 4.5 "9/2", 0 "5-5", 1.5E20 "1.5E20".
    void FillHistory() {
        for (const char16_t* formula : {u"1.5E20", u"5-5", u"9/2", u"1-4", u"10+2"})
            Evaluate(QString::fromUtf16(formula));
        ASSERT_EQ(History().size(), 5u);
    }
    // A vector: QList compares long double by its bytes, padding included.
    std::vector<long double> Results() const {
        std::vector<long double> values;
        for (const auto& entry : History()) values.push_back(entry->ResultValue());
        return values;
    }
    QStringList Expressions() const {
        QStringList texts;
        for (const auto& entry : History()) texts << entry->Expression();
        return texts;
    }

    // A key as the keyboard sends it: to the widget that has the focus.
    void KeyOnFocus(Qt::Key AKey, Qt::KeyboardModifiers AModifiers = {}) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : Form.get();
        QTest::keyClick(target, AKey, AModifiers);
    }
    bool IsSliding() { return Slide()->state() == QAbstractAnimation::Running; }
    void WaitForSlide() {
        ASSERT_TRUE(QTest::qWaitFor([this] { return !IsSliding(); }, 3000));
    }
    void OpenOverlay() {
        Click("MemoryButton");
        WaitForSlide();
        ASSERT_TRUE(Panel()->isVisible());
    }

    QRect RowRect(int ARow) { return List()->visualRect(List()->model()->index(ARow, 0)); }
    void ClickRow(int ARow, Qt::KeyboardModifiers AModifiers = {}) {
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, AModifiers, RowRect(ARow).center());
    }
    QList<int> SelectedRows() {
        QList<int> rows;
        for (int row = 0; row < List()->model()->rowCount(); ++row)
            if (List()->selectionModel()->isRowSelected(row, {})) rows << row;
        return rows;
    }
    QString RowResult(int ARow) {
        return List()->model()->index(ARow, 0).data(THistoryListModel::ResultTextRole).toString();
    }

    // A right press through the window, as the platform delivers it (with its context-menu event).
    void RightPressOn(QWidget* AWidget, QPoint AAt = {-1, -1}) {
        const QPoint local = AAt.x() < 0 ? AWidget->rect().center() : AAt;
        const QPoint at = AWidget->mapTo(Form.get(), local);
        QTest::mousePress(Form->windowHandle(), Qt::RightButton, {}, at);
        QTest::mouseRelease(Form->windowHandle(), Qt::RightButton, {}, at);
    }
    QMenu* PopupMenu() { return Find<QMenu>("ExpressionPanelPopupMenu"); }
    void ActivateForm() {
        Form->activateWindow();
        QApplication::setActiveWindow(Form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    }

    int SingleWidth() const {
        return WindowLayout::ClientWidth(WindowLayout::ScaleOf(Form->WindowScale()), false);
    }
};
