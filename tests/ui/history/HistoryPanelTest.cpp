// The history panel: the overlay's slide, docking beside the calculator, F3 and Shift+F3,
// transparency mode, right presses on the header buttons, and the panel at every scale.
#include "HistoryPanelFixture.h"

#include <QTimer>

#include <vector>

namespace {

using HistoryPanelTest = HistoryPanelFixture;

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
    EXPECT_EQ(Panel()->geometry(), QRect(0, 0, 344, 448))
        << "over the expression panel and both keypads";
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
    EXPECT_EQ(List()->model()->index(0, 0).data().toString(), u"2+5"_qs)
        << "rebuilt after each evaluation";
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
    EXPECT_EQ(Slide()->direction(), QAbstractAnimation::Backward)
        << "F3 still closes a visible panel";
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
    // Set directly: the zoom keys stop where the window would outgrow the test's screen.
    const auto scaleTo = [this](int AStep) {
        Form->SetWindowScale(AStep);
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
        EXPECT_EQ(Panel()->geometry(), QRect(single, 0, Form->width() - single, Form->height()))
            << step;
        EXPECT_EQ(Form->width(), WindowLayout::ClientWidth(WindowLayout::ScaleOf(step), true))
            << step;
    }
}

// An open overlay covers the client area as it is after a key area is hidden or shown, its
// buttons inside the window, also when the overlay is opened while the area is on its way.
TEST_F(HistoryPanelTest, OpenOverlayFollowsTheKeyAreas) {
    struct TCase {
        const char* Name;
        std::vector<Qt::Key> Keys;
        int Height;
    };
    const TCase cases[] = {
        {"keypad hidden", {Qt::Key_F2}, 240},
        {"page hidden", {Qt::Key_F1}, 320},
        {"both hidden", {Qt::Key_F1, Qt::Key_F2}, 112},
        {"keypad hidden and shown again", {Qt::Key_F2, Qt::Key_F2}, 448},
    };
    const auto expectOverlayCovers = [this](const char* AName, int AHeight) {
        EXPECT_EQ(Form->size(), QSize(344, AHeight)) << AName;
        EXPECT_EQ(Panel()->geometry(), QRect(0, 0, 344, AHeight)) << AName;
        for (QAbstractButton* button : Panel()->findChildren<QAbstractButton*>()) {
            const QRect inWindow(button->mapTo(Form.get(), QPoint()), button->size());
            EXPECT_TRUE(Form->rect().contains(inWindow))
                << AName << ": " << button->objectName().toStdString();
        }
    };
    const QByteArray bothShown("[Panel]\nScientific=1\nNumeric=1\n");
    for (const TCase& c : cases) {
        StartForm(bothShown);
        FillHistory();
        KeyOnFocus(Qt::Key_F3);
        WaitForSlide();
        for (const Qt::Key key : c.Keys) KeyOnFocus(key);
        expectOverlayCovers(c.Name, c.Height);
    }

    // F2, then F3 while the keypad is still sliding away.
    StartForm(bothShown);
    FillHistory();
    bool isOpenedDuringTheSlide = false;
    QTimer::singleShot(0, Form.get(), [&] {
        isOpenedDuringTheSlide = Form->Transitions().IsRunning();
        KeyOnFocus(Qt::Key_F3);
    });
    KeyOnFocus(Qt::Key_F2);
    EXPECT_TRUE(isOpenedDuringTheSlide);
    WaitForSlide();
    expectOverlayCovers("opened during the slide", 240);
}

} // namespace
