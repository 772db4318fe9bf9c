// The numeric keypad on its own: every key asks for what it stands for, "＝" on the press itself
// (with Shift for a percentage), and only a shown "＝" takes the focus.
#include "ui/pages/PageAloneFixture.h"

#include "ui/pages/NumericKeypad.h"

namespace {

class NumericKeypadAloneTest : public PageAloneFixture<TNumericKeypad> {
protected:
    void SetUp() override { Show(new TNumericKeypad(&Host)); }
};

TEST_F(NumericKeypadAloneTest, EveryKeyAsksForWhatItStandsFor) {
    QSignalSpy texts(Page, &TNumericKeypad::TextChosen);
    QSignalSpy operators(Page, &TNumericKeypad::OperatorChosen);
    for (const char* key : {"Digit7Btn", "Digit0Btn", "DotBtn", "AnsBtn", "BeginParenthesisBtn",
                            "EndParenthesisBtn", "MultiplyBtn", "dividBtn", "PlusBtn", "MinusBtn"})
        Click(key);
    QStringList chosen;
    for (const QList<QVariant>& signal : texts) chosen << signal[0].toString();
    EXPECT_EQ(chosen, (QStringList{u"7"_qs, u"0"_qs, u"."_qs, u"ANS"_qs, u"("_qs, u")"_qs}));
    chosen.clear();
    for (const QList<QVariant>& signal : operators) chosen << signal[0].toString();
    EXPECT_EQ(chosen, (QStringList{u"×"_qs, u"÷"_qs, u"＋"_qs, u"－"_qs}));

    struct TRequest {
        const char* Key;
        void (TNumericKeypad::*Signal)();
    };
    for (const TRequest& request : {TRequest{"CopyBtn", &TNumericKeypad::CopyRequested},
                                    TRequest{"CurLeftBtn", &TNumericKeypad::CaretLeftRequested},
                                    TRequest{"CurRightBtn", &TNumericKeypad::CaretRightRequested},
                                    TRequest{"DelBtn", &TNumericKeypad::DeleteRequested},
                                    TRequest{"ACBtn", &TNumericKeypad::ClearRequested}}) {
        QSignalSpy asked(Page, request.Signal);
        Click(request.Key);
        EXPECT_EQ(asked.size(), 1) << request.Key;
    }
}

TEST_F(NumericKeypadAloneTest, EnterKeyAsksOnThePressWithShiftForAPercentage) {
    QSignalSpy evaluations(Page, &TNumericKeypad::EvaluateRequested);
    QAbstractButton* enter = Find("EnterBtn");
    QTest::mousePress(enter, Qt::LeftButton);
    ASSERT_EQ(evaluations.size(), 1) << "on the press, before the release";
    QTest::mouseRelease(enter, Qt::LeftButton);
    QTest::mousePress(enter, Qt::LeftButton, Qt::ShiftModifier);
    QTest::mouseRelease(enter, Qt::LeftButton, Qt::ShiftModifier);
    QTest::mousePress(enter, Qt::RightButton, Qt::ShiftModifier);
    QTest::mouseRelease(enter, Qt::RightButton, Qt::ShiftModifier);
    ASSERT_EQ(evaluations.size(), 3);
    EXPECT_FALSE(evaluations[0][0].toBool());
    EXPECT_TRUE(evaluations[1][0].toBool());
    EXPECT_FALSE(evaluations[2][0].toBool()) << "only a left press asks for a percentage";

    EXPECT_TRUE(Page->FocusEnterKey());
    EXPECT_EQ(Host.focusWidget(), enter);
    Page->hide();
    EXPECT_FALSE(Page->FocusEnterKey());
}

} // namespace
