// The history panel: the overlay's slide, docking beside the calculator, its eight buttons on a
// short history, F3 and Shift+F3, transparency mode, and right presses on the header buttons.
#include "MainWinFixture.h"

#include "model/WindowLayout.h"
#include "ui/HistoryList.h"

#include <QAction>
#include <QClipboard>
#include <QListView>
#include <QMenu>
#include <QPropertyAnimation>

#include <functional>
#include <initializer_list>
#include <vector>

namespace {

class HistoryPanelTest : public MainWinFixture {
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
        for (const char16_t* formula : {u"1.5E20", u"5-5", u"9/2", u"1-4", u"10+2"}) Evaluate(QString::fromUtf16(formula));
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
    void WaitForSlide() { ASSERT_TRUE(QTest::qWaitFor([this] { return !IsSliding(); }, 3000)); }
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

    int SingleWidth() const { return WindowLayout::ClientWidth(WindowLayout::ScaleOf(Form->WindowScale()), false); }
};

TEST_F(HistoryPanelTest, OverlaySlidesDownOverTheCalculatorAndBackUp) {
    FillHistory();
    Click("MemoryButton");
    EXPECT_TRUE(Panel()->isVisible());
    EXPECT_TRUE(IsSliding());
    EXPECT_EQ(Slide()->duration(), 300);
    EXPECT_EQ(Slide()->easingCurve().type(), QEasingCurve::InQuad);
    EXPECT_EQ(Slide()->startValue().toReal(), -448);
    EXPECT_EQ(Slide()->endValue().toReal(), 0);
    EXPECT_EQ(Slide()->direction(), QAbstractAnimation::Forward);
    EXPECT_LT(Panel()->y(), -400) << "it starts above the window's top edge";
    EXPECT_TRUE(List()->hasFocus());
    EXPECT_EQ(SelectedRows(), QList<int>{0});
    EXPECT_EQ(List()->currentIndex().row(), 0);
    EXPECT_FALSE(Form->AfterEvaluation()) << "opening ends the after-evaluation state";

    WaitForSlide();
    EXPECT_EQ(Panel()->geometry(), QRect(0, 0, 344, 448)) << "over the expression panel and both keypads";
    EXPECT_EQ(Form->width(), 344);
    EXPECT_EQ(List()->model()->rowCount(), 5);
    EXPECT_EQ(List()->model()->index(0, 0).data().toString(), u"10+2"_qs);
    EXPECT_EQ(RowResult(4), u"1.5E20"_qs);
    EXPECT_EQ(RowRect(0).height(), 34);

    SetLine(u"1+2"_qs, 1); // where a closing panel leaves the caret: at the end, no selection
    List()->setFocus();
    Click("HistoryPanelCloseBtn");
    EXPECT_EQ(Slide()->direction(), QAbstractAnimation::Backward);
    EXPECT_TRUE(Panel()->isVisible()) << "visible until the slide ends";
    EXPECT_TRUE(Edit->hasFocus());
    EXPECT_EQ(Caret(), 3);
    WaitForSlide();
    EXPECT_FALSE(Panel()->isVisible());
    EXPECT_EQ(Panel()->y(), -448);
    EXPECT_FALSE(Form->AlwaysDisplayHistoryPanel());
}

TEST_F(HistoryPanelTest, PressDuringTheSlideTurnsItRoundFromWhereItIs) {
    FillHistory();
    for (const char* press : {"F3", "Memory"}) {
        Click("MemoryButton");
        ASSERT_TRUE(QTest::qWaitFor([this] { return Panel()->y() > -300; }, 3000)) << press;
        ASSERT_TRUE(IsSliding()) << press;
        const int turnedAt = Panel()->y();
        if (QByteArrayView(press) == "F3")
            KeyOnFocus(Qt::Key_F3);
        else
            Click("MemoryButton");
        EXPECT_EQ(Panel()->y(), turnedAt) << press << ": no jump";
        EXPECT_EQ(Slide()->direction(), QAbstractAnimation::Backward) << press;
        int last = Panel()->y();
        bool isMonotonic = true;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                isMonotonic = isMonotonic && Panel()->y() <= last;
                last = Panel()->y();
                return !IsSliding();
            },
            3000));
        EXPECT_TRUE(isMonotonic) << press << ": it goes straight back up";
        EXPECT_FALSE(Panel()->isVisible()) << press;
    }
}

TEST_F(HistoryPanelTest, ClosingTheWindowDuringASlideIsHarmless) {
    FillHistory();
    Click("MemoryButton");
    QTest::qWait(50);
    Form.reset();
    QTest::qWait(100);
    StartForm();
    EXPECT_FALSE(Find<QWidget>("HistoryPanel")->isVisible());
}

TEST_F(HistoryPanelTest, RowsShowTheDisplayFormatTheyWereComputedWith) {
    auto* decimals = Find<QComboBox>("RoundCombo");
    decimals->setCurrentIndex(decimals->findText(u"0.00"_qs));
    Evaluate(u"9/2"_qs);
    decimals->setCurrentIndex(decimals->findText(u"Normal"_qs));
    SetLine(u"0.125"_qs);
    Enter(Qt::ShiftModifier);
    Evaluate(u"-1/4"_qs);
    OpenOverlay();
    EXPECT_EQ(RowResult(0), u"-0.25"_qs);
    EXPECT_EQ(RowResult(1), u"12.5%"_qs);
    EXPECT_EQ(RowResult(2), u"4.50"_qs);
    EXPECT_EQ(List()->model()->index(2, 0).data().toString(), u"9/2"_qs);
}

struct TFormulaCase {
    const char* Name;
    std::initializer_list<int> Rows; // clicked in order, the first plainly, the others with AModifier
    Qt::KeyboardModifier Modifier;
    const char* Button;
    const char16_t* Line;
    const char16_t* Result;
};

TEST_F(HistoryPanelTest, SumAndAveEvaluateTheSelectedResults) {
    const TFormulaCase cases[] = {
        {"SumOfARange", {0, 2}, Qt::ShiftModifier, "HistoryPanelSumBtn", u"12 + (-3) + 4.5", u"13.5"},
        {"AveOfARange", {0, 2}, Qt::ShiftModifier, "HistoryPanelAverageBtn", u"(12 + (-3) + 4.5) \u00F7 3", u"4.5"},
        {"ZeroAndLarge", {3, 4}, Qt::ControlModifier, "HistoryPanelSumBtn", u"0 + 1.5E20", u"1.5E20"},
        {"OneNegative", {1}, Qt::ControlModifier, "HistoryPanelSumBtn", u"(-3)", u"-3"},
        {"AveOfOneNegative", {1}, Qt::ControlModifier, "HistoryPanelAverageBtn", u"((-3)) \u00F7 1", u"-3"},
        {"PickedWithCtrl", {4, 0}, Qt::ControlModifier, "HistoryPanelAverageBtn", u"(12 + 1.5E20) \u00F7 2",
         u"7.5E19"},
    };
    for (const TFormulaCase& c : cases) {
        StartForm();
        FillHistory();
        OpenOverlay();
        bool isFirst = true;
        for (const int row : c.Rows) {
            ClickRow(row, isFirst ? Qt::NoModifier : c.Modifier);
            isFirst = false;
        }
        Click(c.Button);
        EXPECT_EQ(Line(), QString::fromUtf16(c.Line)) << c.Name;
        EXPECT_EQ(ResultText(), QString::fromUtf16(c.Result)) << c.Name;
        ASSERT_EQ(History().size(), 6u) << c.Name << ": the result is a new entry";
        EXPECT_EQ(History()[0]->Expression(), QString::fromUtf16(c.Line)) << c.Name;
        EXPECT_EQ(Slide()->direction(), QAbstractAnimation::Backward) << c.Name << ": the overlay closes";
        EXPECT_TRUE(Form->AfterEvaluation()) << c.Name;
    }
}

TEST_F(HistoryPanelTest, SumAndAveWithNothingSelectedDoNothing) {
    FillHistory();
    OpenOverlay();
    ClickRow(0, Qt::ControlModifier); // row 0 was selected: now none is
    ASSERT_TRUE(SelectedRows().isEmpty());
    SetLine(u"7"_qs);
    for (const char* button : {"HistoryPanelSumBtn", "HistoryPanelAverageBtn"}) {
        Click(button);
        EXPECT_EQ(Line(), u"7"_qs) << button;
        EXPECT_EQ(History().size(), 5u) << button;
        EXPECT_FALSE(IsSliding()) << button << ": the overlay stays";
    }
}

TEST_F(HistoryPanelTest, CopyPutsTheSelectedResultsOnTheClipboard) {
    FillHistory();
    OpenOverlay();
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(u"before"_qs);
    ClickRow(0, Qt::ControlModifier);
    Click("HistoryPanelCopyBtn");
    EXPECT_EQ(clipboard->text(), u"before"_qs) << "nothing selected: the clipboard keeps its text";

    Click("HistoryPanelSelectAllBtn");
    EXPECT_EQ(SelectedRows(), (QList<int>{0, 1, 2, 3, 4}));
    Click("HistoryPanelCopyBtn");
    EXPECT_EQ(clipboard->text(), u"12\r\n-3\r\n4.5\r\n0\r\n1.5E20"_qs);
    ClickRow(2);
    ClickRow(1, Qt::ControlModifier);
    Click("HistoryPanelCopyBtn");
    EXPECT_EQ(clipboard->text(), u"-3\r\n4.5"_qs) << "in list order, whatever the order of the clicks";
    EXPECT_FALSE(IsSliding()) << "the overlay stays open";
    EXPECT_EQ(History().size(), 5u);
}

TEST_F(HistoryPanelTest, DelRemovesExactlyTheSelectedEntriesAndClearAll) {
    FillHistory();
    OpenOverlay();
    const QString shown = ResultText();
    ClickRow(1);
    ClickRow(3, Qt::ControlModifier);
    Click("HistoryPanelDelBtn");
    EXPECT_EQ(Results(), (std::vector<long double>{12, 4.5L, 1.5E20L}));
    EXPECT_EQ(Expressions(), (QStringList{u"10+2"_qs, u"9/2"_qs, u"1.5E20"_qs}));
    EXPECT_EQ(List()->model()->rowCount(), 3);
    EXPECT_EQ(List()->model()->index(1, 0).data().toString(), u"9/2"_qs) << "rows follow the entries";
    EXPECT_TRUE(SelectedRows().isEmpty());
    EXPECT_EQ(ResultText(), shown);

    ClickRow(0);
    Click("HistoryPanelDelBtn");
    Click("HistoryPanelSelectAllBtn");
    Click("HistoryPanelDelBtn");
    EXPECT_TRUE(History().empty());
    for (const char* button : {"HistoryPanelDelBtn", "HistoryPanelCopyBtn", "HistoryPanelSumBtn",
                               "HistoryPanelEditBtn", "HistoryPanelSelectAllBtn", "HistoryPanelClearBtn"})
        Click(button); // on an empty list: nothing happens

    Click("HistoryPanelCloseBtn");
    WaitForSlide();
    Evaluate(u"5"_qs);
    Evaluate(u"6"_qs);
    OpenOverlay();
    Click("HistoryPanelClearBtn");
    EXPECT_TRUE(History().empty());
    EXPECT_EQ(List()->model()->rowCount(), 0);
    Evaluate(u"ANS+1"_qs);
    EXPECT_EQ(ResultText(), u"1"_qs) << "ANS lost its source";
}

TEST_F(HistoryPanelTest, EditMovesTheEntryToTheTopAndMakesItAns) {
    struct TTrigger {
        const char* Name;
        std::function<void()> Run;
    };
    const TTrigger triggers[] = {
        {"EditButton", [this] { Click("HistoryPanelEditBtn"); }},
        {"EnterKey", [this] { QTest::keyClick(List(), Qt::Key_Return); }},
        {"DoubleClick", [this] { QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, RowRect(2).center()); }},
    };
    for (const TTrigger& trigger : triggers) {
        StartForm();
        FillHistory();
        OpenOverlay();
        ClickRow(2);
        trigger.Run();
        EXPECT_EQ(Line(), u"9/2"_qs) << trigger.Name;
        EXPECT_EQ(ResultText(), u"4.5"_qs) << trigger.Name;
        EXPECT_EQ(Results(), (std::vector<long double>{4.5L, 12, -3, 0, 1.5E20L})) << trigger.Name;
        EXPECT_EQ(Slide()->direction(), QAbstractAnimation::Backward) << trigger.Name;
        EXPECT_TRUE(Edit->hasFocus()) << trigger.Name;
        EXPECT_EQ(Caret(), 3) << trigger.Name;
        WaitForSlide();
        Evaluate(u"ANS*2"_qs);
        EXPECT_EQ(ResultText(), u"9"_qs) << trigger.Name << ": ANS is the edited entry's result";
    }
}

TEST_F(HistoryPanelTest, DockedPanelStandsBesideTheCalculatorAndIsSaved) {
    FillHistory();
    KeyOnFocus(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_TRUE(Form->AlwaysDisplayHistoryPanel());
    EXPECT_EQ(Form->width(), 688);
    EXPECT_EQ(Panel()->geometry(), QRect(344, 0, 344, 448));
    EXPECT_TRUE(Panel()->isVisible());
    EXPECT_FALSE(IsSliding());
    EXPECT_EQ(SelectedRows(), QList<int>{0});
    EXPECT_TRUE(Edit->hasFocus()) << "docking leaves the focus where it was";

    Evaluate(u"2+5"_qs);
    EXPECT_EQ(List()->model()->index(0, 0).data().toString(), u"2+5"_qs) << "rebuilt after each evaluation";
    EXPECT_EQ(SelectedRows(), QList<int>{0});

    ClickRow(3); // 4.5 "9/2"
    Click("HistoryPanelEditBtn");
    EXPECT_EQ(Line(), u"9/2"_qs);
    EXPECT_EQ(List()->model()->index(0, 0).data().toString(), u"9/2"_qs);
    EXPECT_TRUE(Form->AlwaysDisplayHistoryPanel()) << "Edit keeps the docked panel";
    EXPECT_TRUE(Edit->hasFocus());
    ClickRow(0);
    ClickRow(1, Qt::ControlModifier);
    Click("HistoryPanelSumBtn");
    EXPECT_EQ(ResultText(), u"11.5"_qs);
    EXPECT_EQ(List()->model()->index(0, 0).data().toString(), u"4.5 + 7"_qs) << "Sum keeps it too";
    EXPECT_FALSE(IsSliding());

    StartForm(); // written at the end, read at the start
    EXPECT_TRUE(ReadSettings().contains("AlwaysDisplayHistoryPanel=1"));
    EXPECT_TRUE(Form->AlwaysDisplayHistoryPanel());
    EXPECT_EQ(Form->width(), 688);
    EXPECT_TRUE(Find<QWidget>("HistoryPanel")->isVisible());

    KeyOnFocus(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_FALSE(Form->AlwaysDisplayHistoryPanel());
    EXPECT_EQ(Form->width(), 344) << "back to single width at once";
    WaitForSlide();
    EXPECT_FALSE(Panel()->isVisible());
    StartForm();
    EXPECT_TRUE(ReadSettings().contains("AlwaysDisplayHistoryPanel=0"));
    EXPECT_EQ(Form->width(), 344);
    EXPECT_FALSE(Find<QWidget>("HistoryPanel")->isVisible());
}

TEST_F(HistoryPanelTest, RightPressOnMemoryDocksAndUndocksWithoutAMenu) {
    FillHistory();
    auto* memory = Find<QWidget>("MemoryButton");
    RightPressOn(memory);
    EXPECT_TRUE(Form->AlwaysDisplayHistoryPanel());
    EXPECT_EQ(Form->width(), 688);
    EXPECT_FALSE(PopupMenu()->isVisible());

    RightPressOn(memory);
    EXPECT_FALSE(Form->AlwaysDisplayHistoryPanel());
    EXPECT_EQ(Form->width(), 344);
    EXPECT_FALSE(IsSliding()) << "undocking by a right press has no slide";
    EXPECT_TRUE(Panel()->isVisible()) << "it is left outside the narrowed window";
    EXPECT_GE(Panel()->x(), 344);
    EXPECT_FALSE(PopupMenu()->isVisible());

    Click("MemoryButton"); // takes the hide path of an open overlay, over the calculator
    EXPECT_EQ(Panel()->geometry(), QRect(0, 0, 344, 448));
    EXPECT_EQ(Slide()->direction(), QAbstractAnimation::Backward);
    WaitForSlide();
    EXPECT_FALSE(Panel()->isVisible());
    EXPECT_FALSE(Form->AlwaysDisplayHistoryPanel());
}

TEST_F(HistoryPanelTest, HeaderButtonsDoNotOpenThePanelMenu) {
    RightPressOn(Find<QWidget>("ExpressionPanel"), {4, 4});
    ASSERT_TRUE(PopupMenu()->isVisible()) << "the panel's own background opens it";
    PopupMenu()->close();
    ActivateForm();
    for (const char* name : {"ScientificKeyBtn", "NumericKeyBtn", "MemoryButton"}) {
        RightPressOn(Find<QWidget>(name));
        EXPECT_FALSE(PopupMenu()->isVisible()) << name;
        PopupMenu()->close();
    }
}

TEST_F(HistoryPanelTest, F3OpensAndClosesTheOverlayAndDocksWithShift) {
    FillHistory();
    KeyOnFocus(Qt::Key_F3);
    EXPECT_TRUE(Panel()->isVisible());
    EXPECT_EQ(Slide()->direction(), QAbstractAnimation::Forward);
    WaitForSlide();
    KeyOnFocus(Qt::Key_F3);
    EXPECT_EQ(Slide()->direction(), QAbstractAnimation::Backward);
    WaitForSlide();
    EXPECT_FALSE(Panel()->isVisible());

    KeyOnFocus(Qt::Key_F3);
    WaitForSlide();
    KeyOnFocus(Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_TRUE(Form->AlwaysDisplayHistoryPanel()) << "an open overlay docks";
    EXPECT_EQ(Panel()->geometry(), QRect(344, 0, 344, 448));
    KeyOnFocus(Qt::Key_F3);
    EXPECT_FALSE(Form->AlwaysDisplayHistoryPanel()) << "F3 closes the docked panel";
    EXPECT_EQ(Form->width(), 344);
    WaitForSlide();
    EXPECT_FALSE(Panel()->isVisible());
}

TEST_F(HistoryPanelTest, TransparencyModeOpensNothingButStillCloses) {
    FillHistory();
    OpenOverlay();
    Find<QAction>("TransparencyMenuItem")->trigger();
    ActivateForm();
    EXPECT_TRUE(Find<QWidget>("MemoryButton")->isHidden());
    KeyOnFocus(Qt::Key_F3);
    EXPECT_EQ(Slide()->direction(), QAbstractAnimation::Backward) << "F3 still closes a visible panel";
    WaitForSlide();
    EXPECT_FALSE(Panel()->isVisible());

    KeyOnFocus(Qt::Key_F3);
    EXPECT_FALSE(Panel()->isVisible()) << "and opens nothing";
    EXPECT_FALSE(IsSliding());
    QMetaObject::invokeMethod(Find<QAbstractButton>("MemoryButton"), "click");
    EXPECT_FALSE(Panel()->isVisible());
}

// At every scale step the overlay covers the single-width window and the docked panel the added
// half, rows included.
TEST_F(HistoryPanelTest, PanelCoversItsAreaAtEveryScaleStep) {
    FillHistory();
    const auto scaleTo = [this](int AStep) {
        while (Form->WindowScale() < AStep) KeyOnFocus(Qt::Key_Up, Qt::ShiftModifier | Qt::AltModifier);
        while (Form->WindowScale() > AStep) KeyOnFocus(Qt::Key_Down, Qt::ShiftModifier | Qt::AltModifier);
        ASSERT_EQ(Form->WindowScale(), AStep);
    };
    OpenOverlay();
    for (const int step : {1, 2, 3, 7, 20, 0, -1, -7, -12}) {
        scaleTo(step);
        EXPECT_EQ(Panel()->geometry(), QRect(0, 0, Form->width(), Form->height())) << step;
        EXPECT_EQ(Form->width(), SingleWidth()) << step;
    }
    scaleTo(20);
    EXPECT_EQ(RowRect(0).height(), 68) << "rows scale with the panel";
    KeyOnFocus(Qt::Key_F3, Qt::ShiftModifier);
    for (const int step : {20, 1, 2, 3, 7, 0, -1, -7, -12}) {
        scaleTo(step);
        const int single = SingleWidth();
        EXPECT_EQ(Panel()->geometry(), QRect(single, 0, Form->width() - single, Form->height())) << step;
        EXPECT_EQ(Form->width(), WindowLayout::ClientWidth(WindowLayout::ScaleOf(step), true)) << step;
    }
}

} // namespace
