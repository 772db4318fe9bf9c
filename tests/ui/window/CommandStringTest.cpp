// Option-button command strings: "[]" substitution, "@" directives and the final evaluation.
#include "ui/MainWinFixture.h"

#include <QAction>

namespace {

class CommandStringTest : public MainWinFixture {
protected:
    // Sets the display to fixed decimals through the decimals list, as a user would.
    void ChooseDecimals(int ADecimals) {
        Find<QComboBox>("RoundCombo")->setCurrentIndex(ADecimals + 1);
    }
    QAction* Action(const char* AName) { return Find<QAction>(AName); }
};

struct CommandCase {
    friend void PrintTo(const CommandCase& ACase, std::ostream* AStream) { *AStream << ACase.Name; }

    const char* Name;
    QString LineBefore;
    int DecimalsBefore; // -1: Normal
    QString Command;
    QString LineEvaluated;
    int RoundDecimalAfter;
    TRoundSelector SelectorAfter;
    bool GroupingAfter;
    QString Result;
};

class CommandStringTable : public CommandStringTest,
                           public testing::WithParamInterface<CommandCase> {};

TEST_P(CommandStringTable, SubstitutesAppliesDirectivesAndEvaluates) {
    const CommandCase& c = GetParam();
    if (c.DecimalsBefore >= 0) ChooseDecimals(c.DecimalsBefore);
    SetLine(c.LineBefore);
    Form->InputExpression(c.Command);
    EXPECT_EQ(Line(), c.LineEvaluated);
    EXPECT_EQ(ResultText(), c.Result);
    EXPECT_EQ(Form->CurrentRoundDecimal(), c.RoundDecimalAfter);
    EXPECT_EQ(Form->CurrentRoundSelector(), c.SelectorAfter);
    EXPECT_EQ(Form->DigitGroupingSeparator(), c.GroupingAfter);
    EXPECT_TRUE(Find<QWidget>("EnterBtn")->hasFocus())
        << "a successful command leaves the focus on the = key";
    EXPECT_TRUE(Form->AfterEvaluation());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Examples, CommandStringTable,
    testing::Values(
        CommandCase{"TaxIncluded", u"1000"_qs, -1, u"[]*1.08@DP0="_qs, u"(1000)*1.08"_qs, 0, rs54, false, u"1080"_qs},
        CommandCase{"TaxExcluded", u"1000"_qs, -1, u"[]/1.08@DP0="_qs, u"(1000)/1.08"_qs, 0, rs54, false, u"926"_qs},
        CommandCase{"TaxAmount", u"1000"_qs, -1, u"[]*0.08@DP0="_qs, u"(1000)*0.08"_qs, 0, rs54, false, u"80"_qs},
        CommandCase{"Cut", u"10/3"_qs, 2, u"@RSCUT="_qs, u"10/3"_qs, 2, rsCut, false, u"3.33"_qs},
        CommandCase{"Up", u"2/3"_qs, 2, u"@RSUP="_qs, u"2/3"_qs, 2, rsUp, false, u"0.67"_qs},
        CommandCase{"TwoPlaceholders", u"3"_qs, -1, u"[]+[]@DGSON="_qs, u"(3)+(3)"_qs, -1, rs54, true, u"6"_qs},
        CommandCase{"Hex", u"255"_qs, -1, u"[]@DP-16="_qs, u"(255)"_qs, -16, rs54, false, u"0xFF"_qs},
        CommandCase{"OnlyEquals", u"1+2"_qs, -1, u"="_qs, u"1+2"_qs, -1, rs54, false, u"3"_qs},
        CommandCase{"TemplateIgnoredWithoutPlaceholder", u"7"_qs, -1, u"5*2@DP2="_qs, u"7"_qs, 2, rs54, false,
                    u"7.00"_qs},
        CommandCase{"LowerCaseDirective", u"1/3"_qs, -1, u"@dp2="_qs, u"1/3"_qs, 2, rs54, false, u"0.33"_qs},
        CommandCase{"BareDpIsNormal", u"1/4"_qs, 3, u"@DP="_qs, u"1/4"_qs, -1, rs54, false, u"0.25"_qs},
        CommandCase{"UnknownDirectivesIgnored", u"1/4"_qs, -1, u"@DPX@XYZ@@D="_qs, u"1/4"_qs, -1, rs54, false,
                    u"0.25"_qs},
        CommandCase{"LaterDirectiveWins", u"1/3"_qs, -1, u"@DP2@DP0="_qs, u"1/3"_qs, 0, rs54, false, u"0"_qs},
        CommandCase{"DecimalsWithoutListEntry", u"1/3"_qs, -1, u"@DP 7="_qs, u"1/3"_qs, 7, rs54, false,
                    u"0.3333333"_qs},
        CommandCase{"PlaceholderWithoutDirectives", u"4"_qs, -1, u"[]*[]="_qs, u"(4)*(4)"_qs, -1, rs54, false,
                    u"16"_qs},
        CommandCase{"GroupingOff", u"1234"_qs, -1, u"[]@DGSOFF="_qs, u"(1234)"_qs, -1, rs54, false, u"1234"_qs}),
    [](const testing::TestParamInfo<CommandCase>& info) { return info.param.Name; });

TEST_F(CommandStringTest, DirectivesMarkTheMenuAndTheLabel) {
    SetLine(u"10/3"_qs);
    Form->InputExpression(u"@DP2@RSCUT@DGSON="_qs);
    EXPECT_TRUE(Action("RoundCutOffItem")->isChecked());
    EXPECT_FALSE(Action("RoundOffItem")->isChecked());
    EXPECT_TRUE(Action("DigitGroupingSeparatorItem")->isChecked());
    EXPECT_EQ(Find<QLabel>("RoundSelectorLabel")->text(), u"CUT"_qs);
    EXPECT_EQ(Find<QComboBox>("RoundCombo")->currentText(), u"0.00"_qs);
}

TEST_F(CommandStringTest, PlaceholderOnAnEmptyLine) {
    Form->InputExpression(u"[]*1.08@DP0="_qs);
    EXPECT_EQ(Line(), u"()*1.08"_qs);
    EXPECT_EQ(ResultText(), u"Error"_qs);
}

TEST_F(CommandStringTest, AtSignInTheLineCutsTheSubstitutedLine) {
    SetLine(u"5@6"_qs);
    Form->InputExpression(u"[]*2="_qs);
    EXPECT_EQ(Line(), u"(5"_qs);
    EXPECT_EQ(ResultText(), u"5"_qs);
}

TEST_F(CommandStringTest, FailureKeepsTheSubstitutedTextWithTheCaretAtTheError) {
    SetLine(u"1+"_qs);
    Form->InputExpression(u"[]*2@DP2="_qs);
    EXPECT_EQ(Line(), u"(1+)*2"_qs);
    EXPECT_EQ(ResultText(), u"Error"_qs);
    EXPECT_EQ(Caret(), 4);
    EXPECT_TRUE(Edit->hasFocus());
    EXPECT_EQ(Form->CurrentRoundDecimal(), 2) << "directives stay in effect";
}

TEST_F(CommandStringTest, AfterAnEvaluationACommandActsOnTheShownLineAndPlainTextStartsAfresh) {
    Type(u"1000"_qs);
    Enter();
    Click("Option5Btn"); // 税込
    EXPECT_EQ(Line(), u"(1000)*1.08"_qs);
    EXPECT_EQ(ResultText(), u"1080"_qs);
    Click("Option2Btn"); // "000" is inserted like a digit key
    EXPECT_EQ(Line(), u"000"_qs);
    EXPECT_EQ(ResultText(), u"0"_qs);
}

TEST_F(CommandStringTest, RoundingButtonsReevaluate) {
    ChooseDecimals(2);
    SetLine(u"2/3"_qs);
    Click("Option11Btn"); // CUT
    EXPECT_EQ(ResultText(), u"0.66"_qs);
    Click("Option12Btn"); // UP
    EXPECT_EQ(ResultText(), u"0.67"_qs);
    Click("Option10Btn"); // 5/4
    EXPECT_EQ(ResultText(), u"0.67"_qs);
    EXPECT_EQ(Form->ExpressionHistory().size(), 3u);
}

} // namespace

// clang-format on