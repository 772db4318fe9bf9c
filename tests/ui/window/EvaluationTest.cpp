// Evaluation of the expression line, the result line, the history entries and the display
// controls: the decimals list with HEX and BIN, the rounding modes and the separator.
#include "ui/MainWinFixture.h"

#include "ui/window/ResultLine.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QToolTip>

namespace {

class EvaluationTest : public MainWinFixture {
protected:
    void Evaluate(const QString& AFormula) {
        SetLine(AFormula);
        Enter();
    }
    QComboBox* Decimals() { return Find<QComboBox>("RoundCombo"); }
    void RightClickDecimals() { QTest::mouseClick(Decimals(), Qt::RightButton); }
    const auto& History() const { return Form->ExpressionHistory(); }
};

TEST_F(EvaluationTest, UnderAPointLocaleTheCommaIsAnError) {
    Evaluate(u"1,5"_qs);
    EXPECT_EQ(ResultText(), u"Error"_qs);
    EXPECT_EQ(Caret(), 2) << "the caret stands after the comma";
}

TEST_F(EvaluationTest, SuccessShowsRecordsAndSelectsTheLine) {
    Evaluate(u"1+2"_qs);
    EXPECT_EQ(ResultText(), u"3"_qs);
    ASSERT_EQ(History().size(), 1u);
    EXPECT_EQ(History()[0]->Expression(), u"1+2"_qs);
    EXPECT_EQ(History()[0]->ResultValue(), 3);
    EXPECT_EQ(History()[0]->RoundDecimal(), -1);
    EXPECT_FALSE(History()[0]->IsPercent());
    EXPECT_EQ(Edit->selectedText(), u"1+2"_qs);
    EXPECT_TRUE(Form->AfterEvaluation());
    Evaluate(u"2*3"_qs);
    ASSERT_EQ(History().size(), 2u);
    EXPECT_EQ(History()[0]->ResultValue(), 6) << "the newest entry comes first";
}

TEST_F(EvaluationTest, AnsUsesTheRoundedResult) {
    Evaluate(u"1/3"_qs);
    Evaluate(u"ANS*3"_qs);
    EXPECT_EQ(ResultText(), u"0.999999999999999"_qs);
    Evaluate(u"0.1+0.2"_qs);
    EXPECT_EQ(ResultText(), u"0.3"_qs);
}

TEST_F(EvaluationTest, EngineErrorPutsTheCaretAtTheErrorAndRecordsNothing) {
    Evaluate(u"5"_qs);
    struct Case {
        QString Formula;
        int Caret;
    };
    for (const Case& c :
         {Case{u"1+*2"_qs, 3}, Case{u"(2)3"_qs, 4}, Case{u"1/0+5"_qs, 4}, Case{u"0X"_qs, 2},
          Case{u"1E4000*1E4000"_qs, 13}, Case{u"7 MOD 0 + 1"_qs, 11}, Case{u"ATANH 1"_qs, 7}}) {
        Evaluate(c.Formula);
        EXPECT_EQ(ResultText(), u"Error"_qs) << c.Formula.toStdString();
        EXPECT_EQ(Caret(), c.Caret) << c.Formula.toStdString();
        EXPECT_EQ(Line(), c.Formula) << "the line keeps its text";
        EXPECT_FALSE(Edit->hasSelectedText());
        EXPECT_TRUE(Form->AfterEvaluation());
    }
    EXPECT_EQ(History().size(), 1u);
    Evaluate(u"ANS+1"_qs);
    EXPECT_EQ(ResultText(), u"6"_qs) << "ANS survives failures";
}

TEST_F(EvaluationTest, AnUnreadableVariableFailsEveryEvaluation) {
    auto* value3 = Find<QLineEdit>("VariableData3Edit");
    value3->clear();
    Evaluate(u"1+1"_qs);
    EXPECT_EQ(ResultText(), u"Error"_qs);
    EXPECT_EQ(Caret(), 3) << "a failure that is not the engine's puts the caret at the end";
    value3->setText(u"２．５"_qs);
    Evaluate(u"V3*2"_qs);
    EXPECT_EQ(ResultText(), u"5"_qs);
}

// The result line keeps "Error"; its tooltip and its description for screen readers say why,
// with the position as zemtrix-calc counts it, until the next result replaces it.
TEST_F(EvaluationTest, AFailureExplainsItselfUntilTheNextResult) {
    auto* value3 = Find<QLineEdit>("VariableData3Edit");
    const auto expectReason = [this](const QString& AReason, const char* AWhat) {
        EXPECT_EQ(Result->toolTip(), AReason) << AWhat;
        EXPECT_EQ(Result->accessibleDescription(), AReason) << AWhat;
    };
    struct Case {
        QString Formula;
        QString Reason;
    };
    for (const Case& c : {Case{u"1/0+5"_qs, u"Division by zero at position 4"_qs},
                          Case{u"1+*2"_qs, u"Syntax error at position 3"_qs},
                          Case{u"2*sin30"_qs, u"Unknown name sin30 at position 7"_qs}}) {
        Evaluate(c.Formula);
        EXPECT_EQ(ResultText(), u"Error"_qs);
        expectReason(c.Reason, qPrintable(c.Formula));
    }
    value3->setText(u"abc"_qs);
    Evaluate(u"1+1"_qs);
    EXPECT_EQ(ResultText(), u"Error"_qs);
    expectReason(u"V3 has no number"_qs, "a variable is named by its caption");

    value3->setText(u"2"_qs);
    Evaluate(u"1+1"_qs);
    EXPECT_EQ(ResultText(), u"2"_qs);
    expectReason(QString(), "a result drops the reason");
    Evaluate(u"1/0"_qs);
    Key(Qt::Key_F8);
    EXPECT_EQ(ResultText(), u"0"_qs);
    expectReason(QString(), "so does AC");
    Evaluate(u"1/0"_qs);
    QTest::mouseClick(Find<QAbstractButton>("Digit5Btn"), Qt::LeftButton);
    EXPECT_EQ(ResultText(), u"0"_qs);
    expectReason(QString(), "and a key that starts a new formula");
}

TEST_F(EvaluationTest, RenamedVariableIsFoundByItsName) {
    Find<QAbstractButton>("Variable1Btn")->setText(u"R"_qs);
    Find<QLineEdit>("VariableData1Edit")->setText(u"4"_qs);
    Evaluate(u"r^2"_qs);
    EXPECT_EQ(ResultText(), u"16"_qs);
}

TEST_F(EvaluationTest, DecimalsListRedisplaysWithoutANewEntry) {
    Decimals()->setCurrentIndex(3);
    EXPECT_EQ(ResultText(), u"0.00"_qs) << "with an empty history zero is shown";
    Decimals()->setCurrentIndex(0);
    Evaluate(u"1234.5"_qs);
    Decimals()->setCurrentIndex(3);
    EXPECT_EQ(ResultText(), u"1234.50"_qs);
    EXPECT_EQ(History().size(), 1u);
    EXPECT_EQ(History()[0]->RoundDecimal(), -1) << "the entry keeps its own display setting";
    EXPECT_EQ(Form->CurrentRoundDecimal(), 2);
}

TEST_F(EvaluationTest, RoundingModeEntriesReevaluateAndMarkTheLabel) {
    Decimals()->setCurrentIndex(3);
    Evaluate(u"1.239"_qs);
    Find<QAction>("RoundCutOffItem")->trigger();
    EXPECT_EQ(ResultText(), u"1.23"_qs);
    EXPECT_EQ(Find<QLabel>("RoundSelectorLabel")->text(), u"CUT"_qs);
    EXPECT_EQ(Find<QLabel>("RoundSelectorLabel")->width(), 20);
    EXPECT_EQ(History().size(), 2u);
    Find<QAction>("RoundUpItem")->trigger();
    EXPECT_EQ(Find<QLabel>("RoundSelectorLabel")->text(), u"UP"_qs);
    EXPECT_FALSE(Find<QAction>("RoundCutOffItem")->isChecked());
    Decimals()->setCurrentIndex(0);
    EXPECT_EQ(Find<QLabel>("RoundSelectorLabel")->text(), QString())
        << "no mark without fixed decimals";
    EXPECT_EQ(Find<QLabel>("RoundSelectorLabel")->width(), 0);
    Find<QAction>("RoundOffItem")->trigger();
    EXPECT_EQ(Form->CurrentRoundSelector(), rs54);
}

TEST_F(EvaluationTest, SeparatorEntryTogglesAndReevaluates) {
    Evaluate(u"1234.5"_qs);
    QAction* separator = Find<QAction>("DigitGroupingSeparatorItem");
    separator->trigger();
    EXPECT_TRUE(separator->isChecked());
    EXPECT_EQ(ResultText(), u"1,234.5"_qs);
    separator->trigger();
    EXPECT_FALSE(separator->isChecked());
    EXPECT_EQ(ResultText(), u"1234.5"_qs);
    EXPECT_EQ(History().size(), 3u);

    SetLine(QString());
    separator->trigger();
    EXPECT_EQ(ResultText(), u"0"_qs) << "an empty line evaluates to 0";
    EXPECT_EQ(History()[0]->Expression(), QString());
}

TEST_F(EvaluationTest, RightClickAddsHexAndBinThenToggles) {
    Evaluate(u"255"_qs);
    ASSERT_EQ(Decimals()->findText(u"HEX"_qs), -1);
    RightClickDecimals();
    EXPECT_EQ(Decimals()->currentText(), u"HEX"_qs);
    EXPECT_EQ(ResultText(), u"0xFF"_qs);
    EXPECT_EQ(Decimals()->count(), 9);
    RightClickDecimals();
    EXPECT_EQ(Decimals()->currentText(), u"BIN"_qs);
    EXPECT_EQ(ResultText(), u"0b11111111"_qs);
    RightClickDecimals();
    EXPECT_EQ(ResultText(), u"0xFF"_qs);
    Decimals()->setCurrentIndex(2);
    RightClickDecimals();
    EXPECT_EQ(Decimals()->currentText(), u"HEX"_qs)
        << "from anything else a right-click goes to HEX";
    EXPECT_EQ(Decimals()->count(), 9);
}

// A result longer than the line is drawn with "…" in its middle, its leading digits and its end
// readable; its tooltip and what screen readers get hold the whole of it.
TEST_F(EvaluationTest, AResultTooLongForTheLineIsShortenedInItsMiddle) {
    auto* line = qobject_cast<TResultLine*>(Result);
    ASSERT_NE(line, nullptr);
    Evaluate(u"2^40+5"_qs);
    RightClickDecimals();
    RightClickDecimals();
    const QString whole = u"0b1"_qs + QString(37, u'0') + u"101"_qs;
    ASSERT_EQ(ResultText(), whole) << "BIN";
    const QString shown = line->ShownText();
    EXPECT_TRUE(shown.contains(u'…')) << shown.toStdString();
    EXPECT_TRUE(shown.startsWith(u"0b100"_qs)) << shown.toStdString();
    EXPECT_TRUE(shown.endsWith(u"101"_qs)) << shown.toStdString();
    EXPECT_LE(Result->fontMetrics().horizontalAdvance(shown), Result->contentsRect().width());
    EXPECT_EQ(Result->toolTip(), whole);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Result)->text(QAccessible::Name), whole);

    Decimals()->setCurrentIndex(0);
    EXPECT_EQ(ResultText(), u"1099511627781"_qs);
    EXPECT_EQ(line->ShownText(), ResultText());
    EXPECT_EQ(Result->toolTip(), QString()) << "a result that fits needs no tooltip";
}

TEST_F(EvaluationTest, RedisplayThatCannotConvertLeavesTheResultLineAndTellsWhy) {
    Evaluate(u"1E19"_qs);
    RightClickDecimals();
    EXPECT_EQ(Decimals()->currentText(), u"HEX"_qs);
    EXPECT_EQ(ResultText(), u"1E19"_qs) << "the result line keeps what it showed";
    EXPECT_TRUE(QTest::qWaitFor([] { return QToolTip::text() == u"too large for HEX"_qs; }, 2000))
        << QToolTip::text().toStdString();
    ASSERT_EQ(History().size(), 1u);
    EXPECT_EQ(History()[0]->ResultValue(), 1E19L);
    EXPECT_EQ(History()[0]->RoundDecimal(), -1) << "the stored entry keeps its own display";
    Evaluate(u"1E19"_qs);
    EXPECT_EQ(ResultText(), u"Error"_qs) << "an evaluation that cannot be shown fails";
    EXPECT_EQ(Caret(), 4);
    EXPECT_EQ(History().size(), 1u) << "and is not recorded";
}

TEST_F(EvaluationTest, EnterInTheDecimalsListAppliesAndReturnsToTheLine) {
    Evaluate(u"1/8"_qs);
    Decimals()->setFocus();
    Decimals()->setCurrentIndex(2);
    QTest::keyClick(Decimals(), Qt::Key_Return);
    EXPECT_EQ(ResultText(), u"0.1"_qs);
    EXPECT_TRUE(Edit->hasFocus());
}

TEST_F(EvaluationTest, EnterInTheOpenListAppliesTheEntryAndReturnsToTheLine) {
    Evaluate(u"1234.5"_qs);
    QAbstractItemView* list = Decimals()->view();
    Key(Qt::Key_F4);
    ASSERT_TRUE(list->isVisible());
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(Form->CurrentRoundDecimal(), 0);
    EXPECT_EQ(ResultText(), u"1235"_qs);
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(Edit->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_7);
    EXPECT_EQ(Line(), u"7"_qs) << "typing goes on in the expression line, with a new formula";

    Key(Qt::Key_F8);
    EXPECT_EQ(ResultText(), u"0"_qs);
    Key(Qt::Key_F4);
    ASSERT_TRUE(list->isVisible());
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(ResultText(), u"1235"_qs) << "Enter on the chosen entry shows the result again";
    EXPECT_FALSE(list->isVisible());
    EXPECT_TRUE(Edit->hasFocus());
    EXPECT_EQ(Form->CurrentRoundDecimal(), 0);
}

// Showing another number of decimals evaluates nothing: the next key after an evaluation still
// starts a new formula, the first time after start as every later time.
TEST_F(EvaluationTest, ChangingTheDecimalsKeepsTheNewFormulaState) {
    for (const int time : {1, 2}) {
        Evaluate(u"2*3"_qs);
        Key(Qt::Key_F4);
        ASSERT_TRUE(Decimals()->view()->isVisible()) << time;
        QTest::keyClick(Decimals()->view(), Qt::Key_Down);
        QTest::keyClick(Decimals()->view(), Qt::Key_Return);
        ASSERT_TRUE(Edit->hasFocus()) << time;
        QTest::keyClick(Edit, Qt::Key_7);
        EXPECT_EQ(Line(), u"7"_qs) << "time " << time;
        EXPECT_FALSE(Form->AfterEvaluation()) << time;
    }
}

// A line left with its whole text selected by Enter gets it back with the focus, while the
// evaluation's state lasts; a line left otherwise keeps its caret.
TEST_F(EvaluationTest, TheLineGetsItsSelectionBackWithTheFocus) {
    Evaluate(u"2*3"_qs);
    Decimals()->setFocus();
    Edit->setFocus();
    EXPECT_EQ(Edit->selectedText(), u"2*3"_qs);
    Type(u"7"_qs);
    EXPECT_EQ(Line(), u"7"_qs);

    Evaluate(u"1+*2"_qs); // fails: the caret stands at the error, nothing selected
    const int caret = Caret();
    Decimals()->setFocus();
    Edit->setFocus();
    EXPECT_FALSE(Edit->hasSelectedText());
    EXPECT_EQ(Caret(), caret);
}

} // namespace
