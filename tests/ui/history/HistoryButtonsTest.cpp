// The history panel's rows and its eight buttons on a short history with a negative, a zero and a
// large result; Edit also by Enter and double-click.
#include "HistoryPanelFixture.h"

namespace {

using HistoryButtonsTest = HistoryPanelFixture;

TEST_F(HistoryButtonsTest, RowsShowTheDisplayFormatTheyWereComputedWith) {
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
    std::initializer_list<int>
        Rows; // clicked in order, the first plainly, the others with AModifier
    Qt::KeyboardModifier Modifier;
    const char* Button;
    const char16_t* Line;
    const char16_t* Result;
};

TEST_F(HistoryButtonsTest, SumAndAveEvaluateTheSelectedResults) {
    // clang-format off
    const TFormulaCase cases[] = {
        {"SumOfARange",
         {0, 2},
         Qt::ShiftModifier,
         "HistoryPanelSumBtn",
         u"12 + (-3) + 4.5",
         u"13.5"},
        {"AveOfARange",
         {0, 2},
         Qt::ShiftModifier,
         "HistoryPanelAverageBtn",
         u"(12 + (-3) + 4.5) \u00F7 3",
         u"4.5"},
        {"ZeroAndLarge",
         {3, 4},
         Qt::ControlModifier,
         "HistoryPanelSumBtn",
         u"0 + 1.5E20",
         u"1.5E20"},
        {"OneNegative", {1}, Qt::ControlModifier, "HistoryPanelSumBtn", u"(-3)", u"-3"},
        {"AveOfOneNegative",
         {1},
         Qt::ControlModifier,
         "HistoryPanelAverageBtn",
         u"((-3)) \u00F7 1",
         u"-3"},
        {"PickedWithCtrl",
         {4, 0},
         Qt::ControlModifier,
         "HistoryPanelAverageBtn",
         u"(12 + 1.5E20) \u00F7 2",
         u"7.5E19"},
    };
    // clang-format on
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
        EXPECT_EQ(Slide()->direction(), QAbstractAnimation::Backward)
            << c.Name << ": the overlay closes";
        EXPECT_TRUE(Form->AfterEvaluation()) << c.Name;
    }
}

TEST_F(HistoryButtonsTest, SumAndAveWithNothingSelectedDoNothing) {
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

TEST_F(HistoryButtonsTest, CopyPutsTheSelectedResultsOnTheClipboard) {
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
    EXPECT_EQ(clipboard->text(), u"12\n-3\n4.5\n0\n1.5E20"_qs);
    ClickRow(2);
    ClickRow(1, Qt::ControlModifier);
    Click("HistoryPanelCopyBtn");
    EXPECT_EQ(clipboard->text(), u"-3\n4.5"_qs)
        << "in list order, whatever the order of the clicks";
    EXPECT_FALSE(IsSliding()) << "the overlay stays open";
    EXPECT_EQ(History().size(), 5u);
}

TEST_F(HistoryButtonsTest, DelRemovesExactlyTheSelectedEntriesAndClearAll) {
    FillHistory();
    OpenOverlay();
    const QString shown = ResultText();
    ClickRow(1);
    ClickRow(3, Qt::ControlModifier);
    Click("HistoryPanelDelBtn");
    EXPECT_EQ(Results(), (std::vector<long double>{12, 4.5L, 1.5E20L}));
    EXPECT_EQ(Expressions(), (QStringList{u"10+2"_qs, u"9/2"_qs, u"1.5E20"_qs}));
    EXPECT_EQ(List()->model()->rowCount(), 3);
    EXPECT_EQ(List()->model()->index(1, 0).data().toString(), u"9/2"_qs)
        << "rows follow the entries";
    EXPECT_TRUE(SelectedRows().isEmpty());
    EXPECT_EQ(ResultText(), shown);

    ClickRow(0);
    Click("HistoryPanelDelBtn");
    Click("HistoryPanelSelectAllBtn");
    Click("HistoryPanelDelBtn");
    EXPECT_TRUE(History().empty());
    for (const char* button :
         {"HistoryPanelDelBtn", "HistoryPanelCopyBtn", "HistoryPanelSumBtn", "HistoryPanelEditBtn",
          "HistoryPanelSelectAllBtn", "HistoryPanelClearBtn"})
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

TEST_F(HistoryButtonsTest, EditMovesTheEntryToTheTopAndMakesItAns) {
    struct TTrigger {
        const char* Name;
        std::function<void()> Run;
    };
    const TTrigger triggers[] = {
        {"EditButton", [this] { Click("HistoryPanelEditBtn"); }},
        {"EnterKey", [this] { QTest::keyClick(List(), Qt::Key_Return); }},
        {"DoubleClick",
         [this] {
             QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, RowRect(2).center());
         }},
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

} // namespace
