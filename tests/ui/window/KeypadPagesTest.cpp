// The keypad pages and the key areas: turning pages by the arrows and F9/F10, hiding and showing
// the areas with the window height following, the inv/hyp keys, and the transition styles.
#include "ui/KeyboardSupport.h"
#include "ui/MainWinFixture.h"

#include "ui/widgets/Controls.h"

#include <QAction>

namespace {

constexpr const char* kPages[] = {"ScientificPanel", "Option1Panel", "VariablePanel"};
constexpr Qt::KeyboardModifiers kShiftAlt = Qt::ShiftModifier | Qt::AltModifier;

class KeypadPagesTest : public MainWinFixture {
protected:
    // The names of the pages not hidden, in page order.
    QString ShownPages() const {
        QStringList shown;
        for (const char* page : kPages)
            if (!Find<QWidget>(page)->isHidden()) shown << QString::fromLatin1(page);
        return shown.join(u',');
    }
    void ClickArrow(bool AIsRight) {
        const QString arrow = QString::fromLatin1(kPages[Form->PanelNumber()]) +
                              (AIsRight ? u"RightBtn"_qs : u"LeftBtn"_qs);
        QTest::mouseClick(Form->findChild<QAbstractButton*>(arrow), Qt::LeftButton);
    }
    void DoubleClickBackground(const char* AName) {
        QTest::mouseDClick(Find<QWidget>(AName), Qt::LeftButton, {}, QPoint(5, 5));
    }
    QString Style(const char* AName) const { return StyleName(Find<QWidget>(AName)); }
    QString Caption(const char* AName) const { return Find<QAbstractButton>(AName)->text(); }
};

TEST_F(KeypadPagesTest, ArrowsTurnThePagesRoundBothWays) {
    ASSERT_EQ(ShownPages(), u"ScientificPanel"_qs);
    for (int expected : {1, 2, 0}) {
        ClickArrow(true);
        EXPECT_EQ(Form->PanelNumber(), expected);
        EXPECT_EQ(ShownPages(), QString::fromLatin1(kPages[expected]));
    }
    for (int expected : {2, 1, 0}) {
        ClickArrow(false);
        EXPECT_EQ(Form->PanelNumber(), expected);
        EXPECT_EQ(ShownPages(), QString::fromLatin1(kPages[expected]));
    }
    ClickArrow(true);
    EXPECT_EQ(Find<QWidget>("Option1Panel")->pos(), Find<QWidget>("ScientificPanel")->pos())
        << "one shared place";
}

TEST_F(KeypadPagesTest, F9AndF10TurnPagesOnlyWhileTheAreaIsShown) {
    for (int expected : {1, 2, 0}) {
        PressKey(Qt::Key_F10);
        EXPECT_EQ(ShownPages(), QString::fromLatin1(kPages[expected]));
    }
    PressKey(Qt::Key_F9);
    EXPECT_EQ(ShownPages(), u"VariablePanel"_qs);
    EXPECT_EQ(Form->PanelNumber(), 2);

    PressKey(Qt::Key_F1);
    ASSERT_FALSE(Form->ScientificKey());
    EXPECT_EQ(ShownPages(), QString());
    for (Qt::Key key : {Qt::Key_F9, Qt::Key_F10}) {
        PressKey(key);
        EXPECT_EQ(Form->PanelNumber(), 2) << "F9/F10 do nothing with the area hidden";
        EXPECT_EQ(ShownPages(), QString());
    }
    PressKey(Qt::Key_F1);
    EXPECT_EQ(ShownPages(), u"VariablePanel"_qs) << "the area comes back on its page";
}

TEST_F(KeypadPagesTest, HidingAndShowingAreasSetsTheClientHeight) {
    struct Case {
        const char* Name;
        bool IsScientific;
        bool IsNumeric;
        int Height;      // at step 0
        int KeypadTop;   // at step 0
        int HeightStep2; // at step 2, scale 1.1
        int KeypadTopStep2;
    };
    // clang-format off
    const Case cases[] = {
        {"both areas", true, true, 448, 240, 493, 264},
        {"page only", true, false, 240, -1, 264, -1},
        {"keypad only", false, true, 320, 112, 352, 123},
        {"neither", false, false, 112, -1, 123, -1},
    };
    // clang-format on
    auto* keypad = Find<QWidget>("ButtonPanel");
    auto check = [&](const Case& c, int AHeight, int AKeypadTop, const char* AStep) {
        EXPECT_EQ(Form->ScientificKey(), c.IsScientific) << c.Name << AStep;
        EXPECT_EQ(Form->NumericKey(), c.IsNumeric) << c.Name << AStep;
        EXPECT_EQ(Form->height(), AHeight) << c.Name << AStep;
        EXPECT_EQ(keypad->isHidden(), !c.IsNumeric) << c.Name << AStep;
        if (c.IsNumeric) {
            EXPECT_EQ(keypad->y(), AKeypadTop) << c.Name << AStep;
        }
        EXPECT_EQ(ShownPages().isEmpty(), !c.IsScientific) << c.Name << AStep;
    };
    for (const Case& c : cases) {
        // F1/F2 for one way, the buttons for the way back.
        if (!c.IsScientific) PressKey(Qt::Key_F1);
        if (!c.IsNumeric) PressKey(Qt::Key_F2);
        check(c, c.Height, c.KeypadTop, "");
        PressKey(Qt::Key_Up, kShiftAlt);
        PressKey(Qt::Key_Up, kShiftAlt);
        check(c, c.HeightStep2, c.KeypadTopStep2, " at step 2");
        PressKey(Qt::Key_F12, kShiftAlt);
        if (!c.IsScientific) Click("ScientificKeyBtn");
        if (!c.IsNumeric) Click("NumericKeyBtn");
        EXPECT_EQ(Form->height(), 448) << c.Name;
    }
}

TEST_F(KeypadPagesTest, ADockedHistoryFollowsTheHeight) {
    StartForm("[Display]\nAlwaysDisplayHistoryPanel=1\n");
    auto* history = Find<QWidget>("HistoryPanel");
    ASSERT_EQ(history->height(), 448);
    PressKey(Qt::Key_F2);
    EXPECT_EQ(Form->height(), 240);
    EXPECT_EQ(history->height(), 240);
    EXPECT_EQ(Form->width(), 688);
    PressKey(Qt::Key_F1);
    EXPECT_EQ(history->height(), 112);
}

TEST_F(KeypadPagesTest, TransparentModeIgnoresF1AndF2) {
    StartForm("[Display]\nTransparency=1\n");
    PressKey(Qt::Key_F1);
    PressKey(Qt::Key_F2);
    EXPECT_TRUE(Form->ScientificKey());
    EXPECT_TRUE(Form->NumericKey());
    EXPECT_EQ(Form->height(), 448);
    Find<QAction>("TransparencyMenuItem")->trigger();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get())) << "made anew, the window is active again";
    PressKey(Qt::Key_F2);
    EXPECT_FALSE(Form->NumericKey()) << "F2 works again once the button is back";
}

TEST_F(KeypadPagesTest, InvAndHypRestyleTheTrigonometricKeys) {
    EXPECT_EQ(Style("EBtn"), u"KeyBtnStyle"_qs) << "arranging the page replaces the design style";
    EXPECT_EQ(Style("DegCombo"), u"RoundComboStyle"_qs);
    Click("InvBtn");
    Click("HypBtn");
    auto expectToggled = [this](const char* AWhen) {
        EXPECT_EQ(Style("InvBtn"), u"InvBtnPushStyle"_qs) << AWhen;
        EXPECT_EQ(Style("HypBtn"), u"InvBtnPushStyle"_qs) << AWhen;
        for (const char* key : {"SinBtn", "CosBtn", "TanBtn"})
            EXPECT_EQ(Style(key), u"TrigInvBtnStyle"_qs) << AWhen;
        EXPECT_EQ(Caption("SinBtn") + Caption("CosBtn") + Caption("TanBtn"), u"sinhcoshtanh"_qs)
            << AWhen;
    };
    expectToggled("after the clicks");
    PressKey(Qt::Key_F10);
    PressKey(Qt::Key_F9);
    expectToggled("after turning the pages");
    PressKey(Qt::Key_F1);
    PressKey(Qt::Key_F1);
    expectToggled("after hiding the area");
    Click("SinBtn");
    EXPECT_EQ(Line(), u"asinh("_qs);

    Click("InvBtn");
    EXPECT_EQ(Style("InvBtn"), u"InvBtnStyle"_qs);
    EXPECT_EQ(Style("HypBtn"), u"InvBtnPushStyle"_qs);
    EXPECT_EQ(Style("CosBtn"), u"KeyBtnStyle"_qs);
    EXPECT_EQ(Caption("CosBtn"), u"cosh"_qs);
    Click("HypBtn");
    EXPECT_EQ(Caption("TanBtn"), u"tan"_qs);
}

TEST_F(KeypadPagesTest, DoubleClickingAnAreaCyclesItsTransitionStyle) {
    ASSERT_EQ(Form->NumericPanelStyle(), 1);
    ASSERT_EQ(Form->ScientificPanelStyle(), 1);
    for (int expected : {2, 0, 1}) {
        DoubleClickBackground("ButtonPanel");
        EXPECT_EQ(Form->NumericPanelStyle(), expected);
    }
    for (int page = 0; page < 3; ++page) {
        DoubleClickBackground(kPages[page]);
        EXPECT_EQ(Form->ScientificPanelStyle(), (page + 2) % 3) << kPages[page];
        PressKey(Qt::Key_F10);
    }
    EXPECT_EQ(Form->NumericPanelStyle(), 1) << "one area's style leaves the other's alone";

    // Keys and fields keep their double-clicks to themselves.
    for (const char* name : {"Digit7Btn", "EnterBtn"})
        QTest::mouseDClick(Find<QWidget>(name), Qt::LeftButton);
    QTest::mouseDClick(Find<QWidget>("PiBtn"), Qt::LeftButton);
    EXPECT_EQ(Form->NumericPanelStyle(), 1);
    EXPECT_EQ(Form->ScientificPanelStyle(), 1);
}

TEST_F(KeypadPagesTest, AStoredStyleOutsideTheCycleRestartsItAtZero) {
    StartForm("[AnimateStyle]\nNumeric=7\nScientific=-3\n");
    EXPECT_EQ(Form->NumericPanelStyle(), 7);
    PressKey(Qt::Key_F2);
    EXPECT_FALSE(Form->NumericKey()) << "no transition, the area still hides";
    DoubleClickBackground("ScientificPanel");
    DoubleClickBackground("ExpressionPanel"); // the zoom reset, not a key area
    PressKey(Qt::Key_F2);
    DoubleClickBackground("ButtonPanel");
    EXPECT_EQ(Form->NumericPanelStyle(), 0);
    EXPECT_EQ(Form->ScientificPanelStyle(), 0);
}

TEST_F(KeypadPagesTest, StoredPageNumberPicksThePageAndAnUnknownOneFallsBackToZero) {
    struct Case {
        QByteArray Number;
        int Page;
    };
    for (const Case& c : {Case{"2", 2}, Case{"1", 1}, Case{"5", 0}, Case{"-1", 0}}) {
        StartForm("[Panel]\nNumber=" + c.Number + "\n");
        EXPECT_EQ(Form->PanelNumber(), c.Page) << c.Number.constData();
        EXPECT_EQ(ShownPages(), QString::fromLatin1(kPages[c.Page])) << c.Number.constData();
    }
    PressKey(Qt::Key_F10);
    PressKey(Qt::Key_F1);
    StartForm();
    EXPECT_EQ(Form->PanelNumber(), 0) << "a hidden area stores page 0";
    EXPECT_FALSE(Form->ScientificKey());
}

} // namespace
