// The variables page: renaming variables in place, and Enter in a value field re-evaluating; in
// the window, and on its own over a working set of its own.
#include "ui/KeyboardSupport.h"
#include "ui/MainWinFixture.h"
#include "ui/pages/PageAloneFixture.h"

#include "model/VariableButtonData.h"
#include "ui/pages/VariablePage.h"

namespace {

class VariablePageTest : public MainWinFixture {
protected:
    void SetUp() override {
        MainWinFixture::SetUp();
        PressKey(Qt::Key_F9);
    }
    QLineEdit* Value(int N) const {
        return Find<QLineEdit>(("VariableData" + QByteArray::number(N) + "Edit").constData());
    }
    QLineEdit* Title(int N) const {
        return Find<QLineEdit>(("VariableBtn" + QByteArray::number(N) + "Edit").constData());
    }
    QString Caption(int N) const {
        return Find<QAbstractButton>(("Variable" + QByteArray::number(N) + "Btn").constData())
            ->text();
    }
    void ToggleRename(int AField = 1) { QTest::mouseDClick(Value(AField), Qt::LeftButton); }
    // Replaces the value field's text by typing, as the user would.
    void TypeValue(int N, const QString& AText) {
        Value(N)->setFocus();
        Value(N)->selectAll();
        QTest::keyClick(Value(N), Qt::Key_Backspace);
        TypeText(Value(N), AText);
    }
    void EnterInValue(int N) { QTest::keyClick(Value(N), Qt::Key_Return); }
};

TEST_F(VariablePageTest, RenamedVariableIsInsertedAndEvaluatedByItsNewName) {
    ASSERT_FALSE(Find<QWidget>("VariablePanel")->isHidden());
    ToggleRename();
    for (int n = 1; n <= 6; ++n) {
        EXPECT_FALSE(Title(n)->isHidden());
        EXPECT_EQ(Title(n)->text(), u"V"_qs + QString::number(n));
    }
    Title(1)->setText(u"R"_qs);
    Click("Variable1Btn");
    EXPECT_EQ(Line(), u"V1"_qs) << "names take effect when the mode is left";
    ToggleRename(4);
    EXPECT_TRUE(Title(1)->isHidden());
    EXPECT_EQ(Caption(1), u"R"_qs);
    EXPECT_EQ(Form->VariableButtonSet().GetTitle(1), u"R"_qs);

    TypeValue(1, u"4"_qs);
    SetLine(QString());
    Click("Variable1Btn");
    Type(u"*2"_qs);
    EXPECT_EQ(Line(), u"R*2"_qs);
    Enter();
    EXPECT_EQ(ResultText(), u"8"_qs);
    SetLine(u"r+1"_qs);
    Enter();
    EXPECT_EQ(ResultText(), u"5"_qs);
}

// The page's own example: a lower-case name the user gave is found in any case, by typing and
// by its key.
TEST_F(VariablePageTest, ALowerCaseNameWorksInTheFormula) {
    ToggleRename();
    Title(1)->setFocus();
    Title(1)->selectAll();
    TypeText(Title(1), u"r"_qs);
    ToggleRename(2);
    EXPECT_EQ(Caption(1), u"r"_qs);
    TypeValue(1, u"1.5"_qs);

    SetLine(QString());
    Click("Variable1Btn");
    EXPECT_EQ(Line(), u"r"_qs);
    Type(u"*2"_qs);
    Enter();
    EXPECT_EQ(ResultText(), u"3"_qs);
    SetLine(QString());
    Type(u"2R+r"_qs);
    Enter();
    EXPECT_EQ(ResultText(), u"4.5"_qs);
}

// Ctrl+Enter is the keyboard's double-click: in a value field it enters rename mode at that
// variable's name; in a name it leaves the mode, back at the value. Plain Enter still evaluates.
TEST_F(VariablePageTest, CtrlEnterRenamesByKeyboard) {
    SetLine(u"V3+1"_qs);
    TypeValue(3, u"2"_qs);
    QTest::keyClick(Value(3), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_FALSE(Title(3)->isHidden()) << "rename mode is on";
    EXPECT_TRUE(Title(3)->hasFocus());
    EXPECT_TRUE(Form->ExpressionHistory().empty()) << "Ctrl+Enter does not evaluate";
    Title(3)->selectAll();
    TypeText(Title(3), u"w"_qs);
    QTest::keyClick(Title(3), Qt::Key_Enter, Qt::ControlModifier);
    EXPECT_TRUE(Title(3)->isHidden()) << "rename mode is off";
    EXPECT_EQ(Caption(3), u"w"_qs);
    EXPECT_TRUE(Value(3)->hasFocus());

    QTest::keyClick(Value(3), Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(Value(5), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_TRUE(Title(3)->isHidden()) << "Ctrl+Enter in any value field leaves the mode";
    QTest::keyClick(Title(3), Qt::Key_Return);
    EXPECT_TRUE(Title(3)->isHidden());

    SetLine(u"w+1"_qs);
    EnterInValue(3);
    EXPECT_EQ(ResultText(), u"3"_qs) << "plain Enter evaluates";
}

TEST_F(VariablePageTest, RenameModeTwiceWithoutChangesKeepsTheNames) {
    ToggleRename();
    ToggleRename(6);
    for (int n = 1; n <= 6; ++n) EXPECT_EQ(Caption(n), u"V"_qs + QString::number(n));
    ToggleRename();
    Title(2)->setText(QString());
    ToggleRename();
    EXPECT_EQ(Caption(2), QString()) << "any name is taken, the empty one too";
}

TEST_F(VariablePageTest, EnterInAValueFieldReevaluatesTheLine) {
    SetLine(u"V1+1"_qs, 2);
    TypeValue(1, u"１２"_qs);
    EnterInValue(1);
    EXPECT_EQ(ResultText(), u"13"_qs) << "full-width digits read as 12";
    EXPECT_EQ(Form->ExpressionHistory().size(), 1u);
    EXPECT_EQ(Value(1)->selectedText(), u"１２"_qs);
    EXPECT_EQ(Value(1)->cursorPosition(), 2);
    EXPECT_EQ(Caret(), 2) << "the line's caret stays where it was";
    TypeText(Value(1), u"5"_qs);
    EXPECT_EQ(Value(1)->text(), u"5"_qs) << "the next typing replaces the value";
}

TEST_F(VariablePageTest, AnUnreadableValueFailsAndTheFieldKeepsItsTextAndCaret) {
    SetLine(u"2*3"_qs);
    TypeValue(3, QString());
    EnterInValue(3);
    EXPECT_EQ(ResultText(), u"Error"_qs) << "a cleared value fails every evaluation";
    EXPECT_TRUE(Form->ExpressionHistory().empty());

    TypeValue(2, u"1/3"_qs);
    Value(2)->setCursorPosition(1);
    EnterInValue(2);
    EXPECT_EQ(ResultText(), u"Error"_qs);
    EXPECT_EQ(Value(2)->text(), u"1/3"_qs);
    EXPECT_EQ(Value(2)->cursorPosition(), 1);
    EXPECT_FALSE(Value(2)->hasSelectedText());

    TypeValue(2, u"7"_qs);
    TypeValue(3, u"0.5"_qs);
    EnterInValue(3);
    EXPECT_EQ(ResultText(), u"6"_qs);
}

class VariablePageAloneTest : public PageAloneFixture<TVariablePage> {
protected:
    void SetUp() override {
        Set.SetTitle(2, u"rate"_qs);
        Set.SetValue(2, u"0.08"_qs);
        Show(new TVariablePage(Set, &Host));
        Page->ApplyVariableButtonData();
    }
    QLineEdit* Field(const char* AName) const { return Find<QLineEdit>(AName); }
    TVariableButtonData Set;
};

TEST_F(VariablePageAloneTest, KeysAskForTheirNameAndEnterForTheLine) {
    EXPECT_EQ(Field("VariableData2Edit")->text(), u"0.08"_qs);
    QSignalSpy chosen(Page, &TVariablePage::TextChosen);
    QSignalSpy entered(Page, &TVariablePage::ValueEntered);
    Click("Variable2Btn");
    Click("Variable5Btn");
    QTest::keyClick(Field("VariableData4Edit"), Qt::Key_Enter);
    QTest::keyClick(Field("VariableData4Edit"), Qt::Key_A);
    ASSERT_EQ(chosen.size(), 2);
    EXPECT_EQ(chosen[0][0].toString(), u"rate"_qs);
    EXPECT_EQ(chosen[1][0].toString(), u"V5"_qs);
    ASSERT_EQ(entered.size(), 1) << "other keys are the field's own";
    EXPECT_EQ(entered[0][0].toInt(), 4);

    Page->SelectValue(4);
    EXPECT_EQ(Field("VariableData4Edit")->selectedText(), u"0a"_qs);
    Field("VariableData6Edit")->setText(u"1,5"_qs);
    Page->CollectVariableButtonData();
    EXPECT_EQ(Set.GetValue(6), u"1,5"_qs);
    EXPECT_EQ(Set.GetTitle(2), u"rate"_qs);
}

TEST_F(VariablePageAloneTest, RenamingWritesTheNamesWhenTheModeEnds) {
    QTest::mouseDClick(Field("VariableData1Edit"), Qt::LeftButton);
    EXPECT_TRUE(Page->IsRenaming());
    EXPECT_EQ(Field("VariableBtn2Edit")->text(), u"rate"_qs);
    Field("VariableBtn2Edit")->setText(u"tax"_qs);
    EXPECT_EQ(Set.GetTitle(2), u"rate"_qs);
    QTest::mouseDClick(Field("VariableData5Edit"), Qt::LeftButton);
    EXPECT_FALSE(Page->IsRenaming());
    EXPECT_EQ(Set.GetTitle(2), u"tax"_qs);
    EXPECT_EQ(Find("Variable2Btn")->text(), u"tax"_qs);
    EXPECT_TRUE(Field("VariableBtn2Edit")->isHidden());
}

} // namespace
