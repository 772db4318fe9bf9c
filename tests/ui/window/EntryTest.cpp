// Expression entry: keys, the saved caret and selection, DEL, AC, the cursor keys, copy, the
// rule right after an evaluation, and the window shortcuts.
#include "ui/MainWinFixture.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>

#include <functional>
#include <utility>

namespace {

using EntryTest = MainWinFixture;

TEST_F(EntryTest, DigitOnEmptyLine) {
    Click("Digit5Btn");
    EXPECT_EQ(Line(), u"5"_qs);
    EXPECT_EQ(Caret(), 1);
    EXPECT_TRUE(Edit->hasFocus()) << "keys give the focus back to the line";
}

TEST_F(EntryTest, KeysInsertAtTheSavedCaret) {
    SetLine(u"12"_qs, 1);
    Click("PlusBtn");
    EXPECT_EQ(Line(), u"1 ＋ 2"_qs);
    EXPECT_EQ(Caret(), 4);
    Click("Digit7Btn");
    Click("Digit8Btn");
    EXPECT_EQ(Line(), u"1 ＋ 782"_qs) << "each key continues where the previous one left the caret";
}

TEST_F(EntryTest, KeyReplacesTheSavedSelection) {
    SetLine(u"1+2"_qs, 1, 2);
    Click("MultiplyBtn");
    EXPECT_EQ(Line(), u"1 × "_qs);
    EXPECT_EQ(Caret(), 4);
    EXPECT_FALSE(Edit->hasSelectedText());
}

TEST_F(EntryTest, EveryTextKeyInsertsItsText) {
    struct Case {
        const char* Key;
        QString Text;
    };
    for (const Case& c :
         {Case{"DotBtn", u"."_qs}, Case{"AnsBtn", u"ANS"_qs}, Case{"BeginParenthesisBtn", u"("_qs},
          Case{"EndParenthesisBtn", u")"_qs}, Case{"SqrtBtn", u"sqrt("_qs},
          Case{"ExpBtn", u"exp("_qs}, Case{"LogBtn", u"log("_qs}, Case{"LnBtn", u"ln("_qs},
          Case{"FactBtn", u"fact("_qs}, Case{"PowerBtn", u"^"_qs}, Case{"Power2Btn", u"^2"_qs},
          Case{"EBtn", u"E"_qs}, Case{"PiBtn", u"pi"_qs}, Case{"MinusBtn", u" － "_qs},
          Case{"dividBtn", u" ÷ "_qs}, Case{"Variable1Btn", u"V1"_qs}, Case{"Option1Btn", u"00"_qs},
          Case{"Option2Btn", u"000"_qs}}) {
        SetLine(QString());
        Click(c.Key);
        EXPECT_EQ(Line(), c.Text) << c.Key;
    }
}

TEST_F(EntryTest, TrigonometricKeysFollowInvHypAndTheAngleUnit) {
    struct Case {
        bool Inv, Hyp;
        int Unit;
        QString Sin, Cos;
    };
    auto* unit = Find<QComboBox>("DegCombo");
    for (const Case& c : {Case{false, false, 0, u"sin("_qs, u"cos("_qs},
                          Case{false, false, 1, u"sinr("_qs, u"cosr("_qs},
                          Case{false, false, 2, u"sing("_qs, u"cosg("_qs},
                          Case{true, false, 0, u"asin("_qs, u"acos("_qs},
                          Case{true, false, 1, u"asinr("_qs, u"acosr("_qs},
                          Case{true, false, 2, u"asing("_qs, u"acosg("_qs},
                          Case{false, true, 1, u"sinh("_qs, u"cosh("_qs},
                          Case{true, true, 2, u"asinh("_qs, u"acosh("_qs}}) {
        if (Form->findChild<QAbstractButton*>(u"SinBtn"_qs)->text().endsWith(u'h') != c.Hyp)
            Click("HypBtn");
        const bool isInvOn =
            Find<QAbstractButton>("SinBtn")->property("styleName").toString() == u"TrigInvBtnStyle";
        if (isInvOn != c.Inv) Click("InvBtn");
        unit->setCurrentIndex(c.Unit);
        SetLine(QString());
        Click("SinBtn");
        EXPECT_EQ(Line(), c.Sin);
        SetLine(QString());
        Click("CosBtn");
        EXPECT_EQ(Line(), c.Cos);
    }
}

TEST_F(EntryTest, VariableKeyInsertsItsCurrentName) {
    Find<QAbstractButton>("Variable3Btn")->setText(u"rate"_qs);
    Click("Variable3Btn");
    EXPECT_EQ(Line(), u"rate"_qs);
}

TEST_F(EntryTest, AfterEvaluationAKeyStartsANewFormula) {
    Type(u"1+2"_qs);
    Enter();
    ASSERT_EQ(ResultText(), u"3"_qs);
    EXPECT_EQ(Edit->selectedText(), u"1+2"_qs) << "the whole line is selected";
    Click("Digit4Btn");
    EXPECT_EQ(Line(), u"4"_qs);
    EXPECT_EQ(ResultText(), u"0"_qs);
}

TEST_F(EntryTest, AfterEvaluationAnOperatorKeyContinuesWithAns) {
    Type(u"1+2"_qs);
    Enter();
    Click("PlusBtn");
    EXPECT_EQ(Line(), u"ANS ＋ "_qs);
    EXPECT_EQ(ResultText(), u"0"_qs);
    Click("Digit2Btn");
    Enter();
    EXPECT_EQ(ResultText(), u"5"_qs);
}

TEST_F(EntryTest, AfterEvaluationTypedOperatorContinuesAndTypedDigitReplaces) {
    Type(u"1+2"_qs);
    Enter();
    Type(u"+"_qs);
    EXPECT_EQ(Line(), u"ANS +"_qs);

    SetLine(u"1+2"_qs);
    Enter();
    Type(u"7"_qs);
    EXPECT_EQ(Line(), u"7"_qs);
    EXPECT_EQ(ResultText(), u"3"_qs) << "typing does not touch the result line";
    EXPECT_FALSE(Form->AfterEvaluation());
}

TEST_F(EntryTest, AfterEvaluationArrowKeys) {
    Type(u"1+2"_qs);
    Enter();
    Key(Qt::Key_Left);
    EXPECT_EQ(Caret(), 3);
    EXPECT_FALSE(Edit->hasSelectedText());
    Enter();
    Key(Qt::Key_Right);
    EXPECT_EQ(Caret(), 0);
    EXPECT_FALSE(Edit->hasSelectedText());
}

TEST_F(EntryTest, AfterAFailureTypingInsertsButAKeyClears) {
    Type(u"1+*2"_qs);
    Enter();
    ASSERT_EQ(ResultText(), u"Error"_qs);
    ASSERT_EQ(Caret(), 3);
    Type(u"5"_qs);
    EXPECT_EQ(Line(), u"1+*52"_qs);

    SetLine(u"1+*2"_qs);
    Enter();
    Click("Digit9Btn");
    EXPECT_EQ(Line(), u"9"_qs);
}

TEST_F(EntryTest, DeleteKey) {
    SetLine(u"123"_qs);
    Click("DelBtn");
    EXPECT_EQ(Line(), u"12"_qs) << "at the end DEL removes the character before the caret";
    SetLine(u"123"_qs, 1);
    Click("DelBtn");
    EXPECT_EQ(Line(), u"13"_qs) << "elsewhere it removes the one after";
    EXPECT_EQ(Caret(), 1);
    SetLine(u"12345"_qs, 1, 3);
    Click("DelBtn");
    EXPECT_EQ(Line(), u"15"_qs);
    EXPECT_EQ(Caret(), 1);
    SetLine(QString());
    Click("DelBtn");
    EXPECT_EQ(Line(), QString());
}

TEST_F(EntryTest, CursorKeysMoveAndStopAtTheEnds) {
    SetLine(u"123"_qs, 1);
    Click("CurLeftBtn");
    EXPECT_EQ(Caret(), 0);
    Click("CurLeftBtn");
    EXPECT_EQ(Caret(), 0);
    SetLine(u"123"_qs, 2);
    Click("CurRightBtn");
    EXPECT_EQ(Caret(), 3);
    Click("CurRightBtn");
    EXPECT_EQ(Caret(), 3);

    Type(u"+1"_qs);
    Enter();
    Click("CurRightBtn");
    EXPECT_EQ(Caret(), 0) << "right after an evaluation → jumps to the start";
}

TEST_F(EntryTest, AllClearEmptiesTheLineAndShowsZero) {
    Find<QComboBox>("RoundCombo")->setCurrentIndex(3);
    Type(u"2/3"_qs);
    Enter();
    ASSERT_EQ(ResultText(), u"0.67"_qs);
    Click("ACBtn");
    EXPECT_EQ(Line(), QString());
    EXPECT_EQ(ResultText(), u"0"_qs);
    ASSERT_EQ(Form->ExpressionHistory().size(), 1u) << "AC keeps the history";
}

TEST_F(EntryTest, CopyPutsTheResultLineOnTheClipboard) {
    Type(u"1+*2"_qs);
    Enter();
    Click("CopyBtn");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"Error"_qs);
    EXPECT_EQ(Caret(), 4);
}

// Copying the result (F5, the key, the menu) keeps the state after an evaluation: the next
// formula typed replaces the last one instead of joining it.
TEST_F(EntryTest, CopyAfterAResultKeepsTheNextFormulaFresh) {
    const std::pair<const char*, std::function<void()>> copies[] = {
        {"F5", [this] { Key(Qt::Key_F5); }},
        {"CopyBtn", [this] { Click("CopyBtn"); }},
        {"CopyItem", [this] { Find<QAction>("CopyItem")->trigger(); }}};
    for (const auto& [name, copy] : copies) {
        SetLine(u"19.99*4"_qs);
        Enter();
        copy();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), u"79.96"_qs) << name;
        EXPECT_TRUE(Form->AfterEvaluation()) << name;
        Type(u"1234567.891*2"_qs);
        Enter();
        EXPECT_EQ(Line(), u"1234567.891*2"_qs) << name;
        EXPECT_EQ(ResultText(), u"2469135.782"_qs) << name;
    }
}

// Every way of pasting joins the grouped numbers of the pasted text with the locale's
// separators ("," and "." here), so that a result copied with them evaluates; text that is no
// grouped number stays as it is.
TEST_F(EntryTest, PastingJoinsDigitGroups) {
    const std::pair<const char*, std::function<void()>> pastes[] = {
        {"Ctrl+V", [this] { Key(Qt::Key_V, Qt::ControlModifier); }},
        {"Shift+Insert", [this] { Key(Qt::Key_Insert, Qt::ShiftModifier); }},
        {"the line's menu",
         [this] {
             QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                     Edit->mapToGlobal(QPoint(5, 5)));
             QApplication::sendEvent(Edit, &event);
             auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
             ASSERT_NE(menu, nullptr);
             auto* paste = menu->findChild<QAction*>(u"edit-paste"_qs);
             ASSERT_NE(paste, nullptr);
             paste->trigger();
             menu->close();
         }},
    };
    struct Case {
        QString Pasted;
        QString Line;
        QString Result;
    };
    const Case cases[] = {{u"1,234.50*2"_qs, u"1234.50*2"_qs, u"2469"_qs},
                          {u"2,000,000/4"_qs, u"2000000/4"_qs, u"500000"_qs},
                          {u"1,2"_qs, u"1,2"_qs, u"Error"_qs}};
    for (const auto& [name, paste] : pastes) {
        for (const Case& c : cases) {
            SetLine(QString());
            QGuiApplication::clipboard()->setText(c.Pasted);
            paste();
            EXPECT_EQ(Line(), c.Line) << name;
            Enter();
            EXPECT_EQ(ResultText(), c.Result) << name << ": " << c.Pasted.toStdString();
        }
    }
    SetLine(u"3*"_qs);
    QGuiApplication::clipboard()->setText(u"1,000"_qs);
    Key(Qt::Key_V, Qt::ControlModifier);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Line(), u"3*"_qs) << "one step of the undo history";

    if (QGuiApplication::clipboard()->supportsSelection()) {
        SetLine(QString());
        QGuiApplication::clipboard()->setText(u"1,234*2"_qs, QClipboard::Selection);
        QTest::mouseClick(Edit, Qt::MiddleButton);
        EXPECT_EQ(Line(), u"1234*2"_qs) << "the middle-click paste";
    }
}

// Pasted text of any kind and length gives a defined answer at once.
TEST_F(EntryTest, PastingOddOrHugeTextGivesADefinedAnswer) {
    QString digits;
    while (digits.size() < 100'000) digits += u"1,234,567.5,"_qs;
    for (const QString& pasted :
         {QString(3, QChar(0)) + u"1,234"_qs, u"1,2"_qs + QChar(0) + u",345"_qs, digits,
          QString(100'000, u',')}) {
        SetLine(QString());
        QGuiApplication::clipboard()->setText(pasted);
        Key(Qt::Key_V, Qt::ControlModifier);
        EXPECT_LE(Line().size(), Edit->maxLength());
        Enter();
        EXPECT_EQ(ResultText(), u"Error"_qs);
    }
}

// Up and Down in the line step through the history's formulas, newest first; past the newest
// the draft comes back. Typing edits a recalled formula, and an evaluation starts the next walk
// from the newest again.
TEST_F(EntryTest, UpAndDownRecallEarlierFormulas) {
    for (const QString& formula : {u"1+1"_qs, u"2+2"_qs, u"3+3"_qs}) {
        SetLine(formula);
        Enter();
    }
    Type(u"9"_qs);
    ASSERT_EQ(Line(), u"9"_qs);
    const struct {
        Qt::Key Key;
        QString Line;
    } steps[] = {{Qt::Key_Up, u"3+3"_qs}, {Qt::Key_Up, u"2+2"_qs},   {Qt::Key_Up, u"1+1"_qs},
                 {Qt::Key_Up, u"1+1"_qs}, {Qt::Key_Down, u"2+2"_qs}, {Qt::Key_Down, u"3+3"_qs},
                 {Qt::Key_Down, u"9"_qs}, {Qt::Key_Down, u"9"_qs}};
    int step = 0;
    for (const auto& s : steps) {
        Key(s.Key);
        EXPECT_EQ(Line(), s.Line) << "step " << step;
        EXPECT_EQ(Caret(), Line().size()) << "step " << step++;
    }

    Key(Qt::Key_Up);
    Type(u"*2"_qs);
    EXPECT_EQ(Line(), u"3+3*2"_qs) << "typing edits the recalled formula";
    Enter();
    EXPECT_EQ(ResultText(), u"9"_qs);
    Key(Qt::Key_Up);
    EXPECT_EQ(Line(), u"3+3"_qs) << "a new walk, passing over the line's own formula";
    Key(Qt::Key_Down);
    EXPECT_EQ(Line(), u"3+3*2"_qs) << "back to the newest";

    Key(Qt::Key_Up, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(Line(), u"3+3*2"_qs) << "Shift+Alt+Up zooms";
    EXPECT_EQ(Form->WindowScale(), 1);
}

TEST_F(EntryTest, EqualsKeyEvaluatesOnPressWithShiftForPercent) {
    Type(u"0.125"_qs);
    QTest::mousePress(Find<QAbstractButton>("EnterBtn"), Qt::LeftButton);
    EXPECT_EQ(ResultText(), u"0.125"_qs) << "the key reacts on press, before release";
    QTest::mouseRelease(Find<QAbstractButton>("EnterBtn"), Qt::LeftButton);
    Click("EnterBtn", Qt::ShiftModifier);
    EXPECT_EQ(ResultText(), u"12.5%"_qs);
    ASSERT_EQ(Form->ExpressionHistory().size(), 2u);
    EXPECT_TRUE(Form->ExpressionHistory()[0]->IsPercent());
    EXPECT_EQ(Form->ExpressionHistory()[0]->ResultValue(), 0.125L);
}

TEST_F(EntryTest, ShiftEnterShowsAPercentage) {
    Type(u"0.125"_qs);
    Enter(Qt::ShiftModifier);
    EXPECT_EQ(ResultText(), u"12.5%"_qs);
    Type(u"ANS*2"_qs);
    Enter();
    EXPECT_EQ(ResultText(), u"0.25"_qs) << "ANS is the value, not the percentage";
}

TEST_F(EntryTest, FunctionKeyShortcuts) {
    Type(u"6*7"_qs);
    Enter();
    Key(Qt::Key_F5);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"42"_qs);
    Key(Qt::Key_F8);
    EXPECT_EQ(Line(), QString());
    EXPECT_EQ(ResultText(), u"0"_qs);

    auto* combo = Find<QComboBox>("RoundCombo");
    Key(Qt::Key_F4);
    EXPECT_TRUE(combo->view()->isVisible());
    QTest::keyClick(combo->view(), Qt::Key_F4);
    EXPECT_FALSE(combo->view()->isVisible());
}

TEST_F(EntryTest, ScaleKeysChangeTheWindowWidth) {
    ASSERT_EQ(Form->width(), 344);
    ASSERT_EQ(Form->height(), 448);
    for (int i = 0; i < 3; ++i) Key(Qt::Key_Up, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(Form->width(), 396) << "1.15 * 344 = 395.6";
    Key(Qt::Key_F12, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(Form->width(), 344);
    for (int i = 0; i < 14; ++i) Key(Qt::Key_Down, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(Form->width(), 138) << "the smallest step is -12";
}

} // namespace

namespace {

// A key that takes no focus leaves the line focused, so the line never reports losing it; the
// key still works from the caret where the user left it.
TEST_F(EntryTest, KeysThatTakeNoFocusUseTheCurrentCaret) {
    for (const char* key : {"Digit9Btn", "Digit0Btn"})
        Find<QWidget>(key)->setFocusPolicy(Qt::NoFocus);
    SetLine(u"1234"_qs, 2);
    Click("Digit9Btn");
    EXPECT_EQ(Line(), u"12934"_qs);
    Edit->setCursorPosition(1);
    Click("Digit0Btn");
    EXPECT_EQ(Line(), u"102934"_qs);
    EXPECT_TRUE(Edit->hasFocus());
}

} // namespace
