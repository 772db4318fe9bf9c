// The option-button page: edit mode and its "title:expression" fields, widening buttons by
// double-clicking their fields, and the row layout after start-up; in the window, and on its own
// over a working set of its own.
#include "ui/KeyboardSupport.h"
#include "ui/MainWinFixture.h"
#include "ui/pages/PageAloneFixture.h"

#include "model/OptionButtonData.h"
#include "ui/pages/OptionPage.h"

#include "model/WindowLayout.h"
#include "ui/widgets/Controls.h"

#include <QHelpEvent>
#include <QToolTip>

namespace {

class OptionPageTest : public MainWinFixture {
protected:
    void SetUp() override {
        MainWinFixture::SetUp();
        PressKey(Qt::Key_F10);
    }
    void StartOnOptionPage(const QByteArray& AIni) { StartForm("[Panel]\nNumber=1\n" + AIni); }
    QWidget* Button(int N) const {
        return Find<QWidget>(("Option" + QByteArray::number(N) + "Btn").constData());
    }
    QLineEdit* Field(int N) const {
        return Find<QLineEdit>(("Option" + QByteArray::number(N) + "Edit").constData());
    }
    void Widen(int N) { QTest::mouseDClick(Field(N), Qt::LeftButton); }
    // "57 - 121 ..." for buttons AFirst to ALast: design widths of the shown ones, "-" for hidden.
    QString Row(int AFirst, int ALast) const {
        QStringList row;
        for (int n = AFirst; n <= ALast; ++n)
            row << (Button(n)->isHidden() ? u"-"_qs
                                          : QString::number(DesignGeometry(Button(n)).width()));
        return row.join(u' ');
    }
    // The same for the fields, which are shown only in edit mode.
    QString FieldRow(int AFirst, int ALast) const {
        QStringList row;
        for (int n = AFirst; n <= ALast; ++n)
            row << (Field(n)->isHidden() ? u"-"_qs
                                         : QString::number(DesignGeometry(Field(n)).width()));
        return row.join(u' ');
    }
};

// In order: the digit buttons type, the tax buttons compute with no decimals, and the rounding
// buttons then show the same quotient cut, rounded up and rounded half away from zero.
TEST_F(OptionPageTest, TheShippedButtonsTypeDigitsComputeTaxAndPickTheRounding) {
    struct TPress {
        const char* Button;
        QString Before;
        QString Line;
        QString Result;
        TRoundSelector Selector;
    };
    const QString unchanged = u"0"_qs;
    // clang-format off
    const TPress presses[] = {
        {"Option1Btn",  u"12"_qs,   u"1200"_qs,        unchanged,  rs54},
        {"Option2Btn",  u"5"_qs,    u"5000"_qs,        unchanged,  rs54},
        {"Option5Btn",  u"1000"_qs, u"(1000)*1.08"_qs, u"1080"_qs, rs54},
        {"Option6Btn",  u"1000"_qs, u"(1000)/1.08"_qs, u"926"_qs,  rs54},
        {"Option7Btn",  u"1000"_qs, u"(1000)*0.08"_qs, u"80"_qs,   rs54},
        {"Option11Btn", u"10/3"_qs, u"10/3"_qs,        u"3"_qs,    rsCut},
        {"Option12Btn", u"10/3"_qs, u"10/3"_qs,        u"4"_qs,    rsUp},
        {"Option10Btn", u"20/3"_qs, u"20/3"_qs,        u"7"_qs,    rs54},
    };
    // clang-format on
    for (const TPress& press : presses) {
        SetLine(press.Before);
        Click(press.Button);
        EXPECT_EQ(Line(), press.Line) << press.Button;
        if (press.Result != unchanged) {
            EXPECT_EQ(ResultText(), press.Result) << press.Button;
        }
        EXPECT_EQ(Form->CurrentRoundSelector(), press.Selector) << press.Button;
    }
}

TEST_F(OptionPageTest, EditModeShowsFieldsWithTitleAndExpression) {
    ASSERT_FALSE(Find<QWidget>("Option1Panel")->isHidden());
    Click("ButtonEditBtn");
    EXPECT_EQ(StyleName(Find<QWidget>("ButtonEditBtn")), u"OptionEditBtnPushStyle"_qs);
    EXPECT_EQ(FieldRow(1, 14), u"57 57 57 57 57 57 57 57 57 57 57 57 57 57"_qs);
    EXPECT_EQ(Field(1)->text(), u"00"_qs);
    EXPECT_EQ(Field(5)->text(), u"税込:[]*1.08@DP0="_qs);
    EXPECT_EQ(Field(10)->text(), u"5/4:@RS54="_qs);
    PressKey(Qt::Key_F10);
    PressKey(Qt::Key_F9);
    EXPECT_FALSE(Field(1)->isHidden()) << "turning pages keeps edit mode";
    Click("ButtonEditBtn");
    EXPECT_EQ(FieldRow(1, 14), u"- - - - - - - - - - - - - -"_qs);
    EXPECT_EQ(StyleName(Find<QWidget>("ButtonEditBtn")), u"OptionEditBtnStyle"_qs);
}

TEST_F(OptionPageTest, LeavingEditModeReadsTheFieldsBack) {
    struct Case {
        QString Line;
        QString Title;
        QString Expression;
        QString Caption;
        QString Reread; // the field's text on entering edit mode again
    };
    // clang-format off
    const Case cases[] = {
        {u"税込：[]*1.08@DP0="_qs, u"税込"_qs, u"[]*1.08@DP0="_qs, u"税込"_qs,
         u"税込:[]*1.08@DP0="_qs},
        {u"a:b:c"_qs, u"a"_qs, u"b"_qs, u"a"_qs, u"a:b"_qs},
        {u":5"_qs, {}, u"5"_qs, u"5"_qs, u"5"_qs},
        {u"abc:"_qs, u"abc"_qs, {}, u"abc"_qs, u"abc:"_qs},
        {{}, {}, {}, {}, {}},
    };
    // clang-format on
    for (const Case& c : cases) {
        Click("ButtonEditBtn");
        Field(3)->setText(c.Line);
        Click("ButtonEditBtn");
        const TOptionButtonData& data = Form->OptionButtonSet();
        EXPECT_EQ(data.GetTitle(3), c.Title) << c.Line.toStdString();
        EXPECT_EQ(data.GetExpression(3), c.Expression) << c.Line.toStdString();
        EXPECT_EQ(Find<QAbstractButton>("Option3Btn")->text(), c.Caption) << c.Line.toStdString();
        Click("ButtonEditBtn");
        EXPECT_EQ(Field(3)->text(), c.Reread) << c.Line.toStdString();
        Click("ButtonEditBtn");
    }
    EXPECT_EQ(Form->OptionButtonSet().GetExpression(1), u"00"_qs)
        << "untouched fields read back as they were";
}

TEST_F(OptionPageTest, EditedButtonsRunTheirNewExpressions) {
    Click("ButtonEditBtn");
    Field(3)->setText(u"税込：[]*1.08@DP0="_qs);
    Field(4)->setText(u"abc:"_qs);
    Click("ButtonEditBtn");
    SetLine(u"12"_qs);
    Click("Option4Btn");
    EXPECT_EQ(Line(), u"12"_qs) << "an empty expression inserts nothing";
    SetLine(u"100"_qs);
    Click("Option3Btn");
    EXPECT_EQ(ResultText(), u"108"_qs);
    StartForm();
    EXPECT_EQ(Find<QAbstractButton>("Option3Btn")->text(), u"税込"_qs) << "saved at shutdown";
}

TEST_F(OptionPageTest, DoubleClickingAFieldWidensItsButtonAcrossTheRow) {
    Click("ButtonEditBtn");
    const QString rows[] = {
        u"121 - 57 57 57"_qs, u"185 - - 57 57"_qs,  u"249 - - - 57"_qs,
        u"313 - - - -"_qs,    u"57 57 57 57 57"_qs,
    };
    for (const QString& expected : rows) {
        Widen(5);
        EXPECT_EQ(Row(5, 9), expected);
        EXPECT_EQ(FieldRow(5, 9), expected) << "each field lies over its button";
    }
    EXPECT_EQ(Row(1, 4) + u" "_qs + Row(10, 14), u"57 57 57 57 57 57 57 57 57"_qs)
        << "other rows stay";

    Widen(9);
    EXPECT_EQ(Row(5, 9), u"57 57 57 57 57"_qs) << "the last column is already at the edge";
    Widen(8);
    Widen(6);
    EXPECT_EQ(Row(5, 9), u"57 121 - 121 -"_qs);
    Widen(5);
    EXPECT_EQ(Row(5, 9), u"121 - 57 121 -"_qs)
        << "a button covered only by a hidden one comes back";
    Widen(7);
    EXPECT_EQ(Row(5, 9), u"121 - 121 - 57"_qs) << "a covered wide button narrows";
}

// Ctrl+Enter in a field widens its button as a double-click does, to the edge and back.
TEST_F(OptionPageTest, CtrlEnterInAFieldWidensItsButton) {
    Click("ButtonEditBtn");
    Field(5)->setFocus();
    const QString rows[] = {u"121 - 57 57 57"_qs, u"185 - - 57 57"_qs, u"249 - - - 57"_qs,
                            u"313 - - - -"_qs, u"57 57 57 57 57"_qs};
    for (const QString& expected : rows) {
        QTest::keyClick(Field(5), Qt::Key_Return, Qt::ControlModifier);
        EXPECT_EQ(Row(5, 9), expected);
    }
    QTest::keyClick(Field(5), Qt::Key_Return);
    EXPECT_EQ(Row(5, 9), u"57 57 57 57 57"_qs) << "plain Enter does not widen";
}

TEST_F(OptionPageTest, WidthsFollowTheWindowScale) {
    PressKey(Qt::Key_Up, Qt::ShiftModifier | Qt::AltModifier);
    PressKey(Qt::Key_Up, Qt::ShiftModifier | Qt::AltModifier);
    Click("ButtonEditBtn");
    Widen(5);
    EXPECT_EQ(Button(5)->width(), 133) << "121 at scale 1.1";
    EXPECT_EQ(Field(5)->width(), 133);
    PressKey(Qt::Key_F12, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_EQ(Button(5)->width(), 121);
}

TEST_F(OptionPageTest, StoredWidthsLayTheRowsOutAtStartUp) {
    StartOnOptionPage("[OptionButton]\nWidth1=121\nWidth11=185\n");
    EXPECT_EQ(Row(1, 4), u"121 - 57 57"_qs);
    EXPECT_EQ(Row(10, 14), u"57 185 - - 57"_qs);
    Click("ButtonEditBtn");
    EXPECT_EQ(FieldRow(1, 4), u"121 - 57 57"_qs) << "only the fields of shown buttons";
    Widen(1);
    Click("ButtonEditBtn");
    StartForm();
    EXPECT_EQ(Row(1, 4), u"185 - - 57"_qs) << "widths are saved when edit mode is left";
}

TEST_F(OptionPageTest, AHandEditedWidthResetsRatherThanPassTheEdge) {
    StartOnOptionPage("[OptionButton]\nWidth5=100\n");
    EXPECT_EQ(Row(5, 9), u"100 - 57 57 57"_qs);
    Click("ButtonEditBtn");
    for (const QString& expected :
         {u"164 - - 57 57"_qs, u"228 - - - 57"_qs, u"292 - - - -"_qs, u"57 57 57 57 57"_qs}) {
        Widen(5);
        EXPECT_EQ(Row(5, 9), expected);
    }
}

// The tooltip a key shows when the pointer rests on it ("" for none). A tooltip fades out a
// moment after it is hidden: the last one must be gone before the next is asked for.
QString ToolTipOf(QWidget* AKey) {
    QToolTip::hideText();
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
    const QPoint at = AKey->rect().center();
    QHelpEvent event(QEvent::ToolTip, at, AKey->mapToGlobal(at));
    QApplication::sendEvent(AKey, &event);
    return QToolTip::text();
}

// A title too long for its key is drawn no smaller than the key's font at the lowest zoom step,
// cut short with "…" past that, and shown whole in the tooltip; a key wide enough shows it whole.
TEST_F(OptionPageTest, LongTitlesStayReadableAndShowWholeInTheTooltip) {
    const QString title = u"Very long title here"_qs;
    const int smallest = WindowLayout::SmallestFontPixelSize(14);
    struct TCase {
        int Step;
        bool IsElided;
    };
    for (const auto [step, isElided] : {TCase{0, true}, TCase{-12, true}, TCase{10, false}}) {
        StartForm(QStringLiteral("[Panel]\nNumber=1\nWindowScaleNumber=%1\n"
                                 "[OptionButton]\nTitle1=%2\nExpression1=1\n")
                      .arg(step)
                      .arg(title)
                      .toUtf8());
        auto* key = Find<TKeyButton>("Option1Btn");
        key->ensurePolished();
        EXPECT_EQ(key->text(), title) << step;
        EXPECT_GE(key->CaptionFont().pixelSize(), smallest) << step;
        EXPECT_LE(key->DrawnCaptionWidth(), key->CaptionRect().width()) << step;
        const QString drawn = key->CaptionText();
        if (isElided) {
            EXPECT_EQ(key->CaptionFont().pixelSize(), smallest) << step;
            EXPECT_TRUE(drawn.endsWith(u'…')) << step << " " << drawn.toStdString();
            EXPECT_TRUE(title.startsWith(drawn.chopped(1))) << step << " " << drawn.toStdString();
            EXPECT_GE(drawn.size(), 4) << step << ": more than the ellipsis";
            EXPECT_EQ(ToolTipOf(key), title) << step;
        } else {
            EXPECT_EQ(drawn, title) << step << ": a larger key holds it in a smaller font";
            EXPECT_EQ(ToolTipOf(key), QString()) << step;
        }

        auto* fitting = Find<TKeyButton>("Option5Btn"); // "税込"
        EXPECT_FALSE(fitting->IsCaptionElided()) << step;
        EXPECT_EQ(ToolTipOf(fitting), QString()) << step;
    }

    StartForm(QStringLiteral("[Panel]\nNumber=1\nWindowScaleNumber=0\n"
                             "[OptionButton]\nTitle1=%1\nExpression1=1\n")
                  .arg(title)
                  .toUtf8());
    auto* key = Find<TKeyButton>("Option1Btn");
    Click("ButtonEditBtn");
    for (int i = 0; i < 3; ++i) Widen(1);
    Click("ButtonEditBtn");
    ASSERT_EQ(key->width(), 249);
    EXPECT_FALSE(key->IsCaptionElided()) << "a key wide enough shows the whole title";
    EXPECT_GT(key->CaptionFont().pixelSize(), smallest);
    EXPECT_EQ(ToolTipOf(key), QString());
}

class OptionPageAloneTest : public PageAloneFixture<TOptionPage> {
protected:
    void SetUp() override {
        Set.SetTitle(3, u"Double"_qs);
        Set.SetExpression(3, u"[]*2="_qs);
        Show(new TOptionPage(
            Set, [] { return 1.0; }, &Host));
        Page->ApplyOptionButtonData();
    }
    QLineEdit* Field(int N) const {
        return Find<QLineEdit>(("Option" + QByteArray::number(N) + "Edit").constData());
    }
    TOptionButtonData Set;
};

TEST_F(OptionPageAloneTest, ButtonsAskForTheirCommandAndEditModeWritesTheSet) {
    EXPECT_EQ(Find("Option3Btn")->text(), u"Double"_qs);
    QSignalSpy chosen(Page, &TOptionPage::TextChosen);
    Click("Option3Btn");
    Click("Option1Btn");
    ASSERT_EQ(chosen.size(), 2);
    EXPECT_EQ(chosen[0][0].toString(), u"[]*2="_qs);
    EXPECT_EQ(chosen[1][0].toString(), u"00"_qs);

    Click("ButtonEditBtn");
    EXPECT_TRUE(Page->IsEditing());
    EXPECT_EQ(Field(3)->text(), u"Double:[]*2="_qs);
    Field(3)->setText(u"Triple:[]*3="_qs);
    QTest::mouseDClick(Field(2), Qt::LeftButton);
    EXPECT_EQ(Set.GetExpression(3), u"[]*2="_qs) << "the set changes when edit mode ends";
    Click("ButtonEditBtn");
    EXPECT_FALSE(Page->IsEditing());
    EXPECT_EQ(Set.GetTitle(3), u"Triple"_qs);
    EXPECT_EQ(Set.GetExpression(3), u"[]*3="_qs);
    EXPECT_EQ(Find("Option3Btn")->text(), u"Triple"_qs);
    EXPECT_EQ(Set.GetWidth(2), 121.0f) << "the widened button's width is taken over";
    EXPECT_EQ(chosen.size(), 2) << "editing asks the window for nothing";
}

TEST_F(OptionPageAloneTest, ArrowsAskForATurn) {
    QSignalSpy turns(Page, &TKeypadPage::TurnRequested);
    QTest::mouseClick(Find("Option1PanelRightBtn"), Qt::LeftButton);
    ASSERT_EQ(turns.size(), 1);
    EXPECT_EQ(turns[0][0].toInt(), TKeypadPage::TurnRight);
}

} // namespace
