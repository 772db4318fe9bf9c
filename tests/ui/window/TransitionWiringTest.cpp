// The window's own transitions: page switches and key-area changes play them in the window's
// stages, the panels end as the operation says, and what happens meanwhile waits or is ignored.
#include "ui/KeyboardSupport.h"
#include "ui/MainWinFixture.h"

#include "model/AppData.h"
#include "model/IniFile.h"
#include "ui/motion/Viewport3D.h"
#include "ui/pages/KeypadPage.h"

#include <functional>

namespace {

constexpr Qt::KeyboardModifiers kShiftAlt = Qt::ShiftModifier | Qt::AltModifier;

class TransitionWiringTest : public MainWinFixture {
protected:
    // Runs AWhileMoving at the first move of the next transition, then triggers it with AStart.
    void DuringTransition(const std::function<void()>& AWhileMoving,
                          const std::function<void()>& AStart) {
        bool isSeen = false;
        Form->Transitions().Stage().SetRecorder([&](const TMotionRecord&) {
            if (std::exchange(isSeen, true)) return;
            AWhileMoving();
        });
        AStart();
        Form->Transitions().Stage().SetRecorder({});
        EXPECT_TRUE(isSeen) << "a transition ran";
    }
    bool IsStageShown(const char* AName) const { return Find<TViewport3D>(AName)->isVisible(); }
    bool IsShown(const char* AName) const { return !Find<QWidget>(AName)->isHidden(); }
};

TEST_F(TransitionWiringTest, PageSwitchPlaysInTheScientificStageThenShowsTheNewPage) {
    for (const char* ini : {"[AnimateStyle]\nScientific=1\n", "[AnimateStyle]\nScientific=2\n"}) {
        StartForm(ini);
        DuringTransition(
            [this] {
                EXPECT_TRUE(IsStageShown("ScientificViewport"));
                EXPECT_EQ(Find<QWidget>("ScientificViewport")->geometry(),
                          Find<QWidget>("ScientificPanel")->geometry());
                EXPECT_EQ(Form->PanelNumber(), 0)
                    << "the page number changes when the transition is over";
            },
            [] { PressKey(Qt::Key_F10); });
        EXPECT_EQ(Form->PanelNumber(), 1) << ini;
        EXPECT_TRUE(IsShown("Option1Panel"));
        EXPECT_FALSE(IsShown("ScientificPanel"));
        EXPECT_FALSE(IsShown("ScientificViewport"));
    }
}

TEST_F(TransitionWiringTest, HidingTheKeypadShrinksTheWindowOnlyAfterTheMotion) {
    StartForm("[AnimateStyle]\nNumeric=2\n[Panel]\nWindowScaleNumber=10\n");
    ASSERT_EQ(Form->height(), 672);
    DuringTransition(
        [this] {
            EXPECT_TRUE(IsStageShown("NumericViewport"));
            EXPECT_EQ(Find<QWidget>("NumericViewport")->size(), QSize(516, 506));
            EXPECT_EQ(Form->height(), 672);
        },
        [] { PressKey(Qt::Key_F2); });
    EXPECT_EQ(Form->height(), 360);
    EXPECT_FALSE(IsShown("ButtonPanel"));
    EXPECT_FALSE(IsShown("NumericViewport"));

    DuringTransition([this] { EXPECT_EQ(Form->height(), 672) << "a show makes room first"; },
                     [] { PressKey(Qt::Key_F2); });
    EXPECT_TRUE(IsShown("ButtonPanel"));
    EXPECT_EQ(Form->height(), 672);
}

TEST_F(TransitionWiringTest, AZoomDuringATransitionIsLaidOutAfterIt) {
    DuringTransition([] { PressKey(Qt::Key_Up, kShiftAlt); }, [] { PressKey(Qt::Key_F10); });
    EXPECT_EQ(Form->PanelNumber(), 1);
    EXPECT_TRUE(Form->ScientificKey());
    EXPECT_EQ(Form->WindowScale(), 1);
    EXPECT_EQ(Form->size(), QSize(361, 470))
        << "the zoom step is laid out once the transition is over";
    EXPECT_EQ(Find<QWidget>("Digit7Btn")->width(), 60);
}

// Page turns and key-area changes asked for while a transition runs are not lost: the running
// one ends at once and they follow in the order they came, each from the state the one before
// left.
TEST_F(TransitionWiringTest, KeysDuringATransitionRunInOrderAfterIt) {
    struct Case {
        const char* Name;
        std::function<void()> First;
        std::function<void()> During;
        int Page;
        bool IsScientificKey;
        bool IsNumericKey;
    };
    const auto arrow = [this](const char* APage, int ADirection) {
        return
            [this, APage, ADirection] { emit Find<TKeypadPage>(APage)->TurnRequested(ADirection); };
    };
    const Case cases[] = {
        {"F10 F10", [] { PressKey(Qt::Key_F10); }, [] { PressKey(Qt::Key_F10); }, 2, true, true},
        {"F10 F9 F9", [] { PressKey(Qt::Key_F10); },
         [] {
             PressKey(Qt::Key_F9);
             PressKey(Qt::Key_F9);
         },
         2, true, true},
        {"F1 F2", [] { PressKey(Qt::Key_F1); }, [] { PressKey(Qt::Key_F2); }, 0, false, false},
        {"F2 F2", [] { PressKey(Qt::Key_F2); }, [] { PressKey(Qt::Key_F2); }, 0, true, true},
        {"F10 F1", [] { PressKey(Qt::Key_F10); }, [] { PressKey(Qt::Key_F1); }, 1, false, true},
        {"arrow, then the same arrow seen on the old page",
         arrow("ScientificPanel", TKeypadPage::TurnRight),
         arrow("ScientificPanel", TKeypadPage::TurnRight), 2, true, true},
    };
    for (const Case& c : cases) {
        StartForm("[Panel]\nNumber=0\nScientific=1\nNumeric=1\n"
                  "[AnimateStyle]\nNumeric=1\nScientific=2\n");
        DuringTransition(
            [&] {
                ASSERT_TRUE(Form->Transitions().IsRunning());
                c.During();
            },
            c.First);
        EXPECT_FALSE(Form->Transitions().IsRunning()) << c.Name;
        EXPECT_EQ(Form->PanelNumber(), c.Page) << c.Name;
        EXPECT_EQ(Form->ScientificKey(), c.IsScientificKey) << c.Name;
        EXPECT_EQ(Form->NumericKey(), c.IsNumericKey) << c.Name;
        EXPECT_EQ(IsShown("ButtonPanel"), c.IsNumericKey) << c.Name;
        const char* const pages[] = {"ScientificPanel", "Option1Panel", "VariablePanel"};
        for (int page = 0; page < 3; ++page)
            EXPECT_EQ(IsShown(pages[page]), c.IsScientificKey && page == c.Page)
                << c.Name << ": " << pages[page];
        EXPECT_FALSE(IsStageShown("ScientificViewport")) << c.Name;
        EXPECT_FALSE(IsStageShown("NumericViewport")) << c.Name;
    }
}

// The stage of a playing transition stands over the areas: a double-click on it chooses the
// next style of the area it pictures there, as a double-click on the area itself does.
TEST_F(TransitionWiringTest, DoubleClicksOnAPlayingStageChooseTheNextStyle) {
    StartForm("[AnimateStyle]\nNumeric=1\nScientific=1\n");
    DuringTransition(
        [this] {
            QTest::mouseDClick(Find<QWidget>("ScientificViewport"), Qt::LeftButton, {},
                               QPoint(10, 10));
        },
        [] { PressKey(Qt::Key_F10); });
    EXPECT_EQ(Form->ScientificPanelStyle(), 2);
    EXPECT_EQ(Form->NumericPanelStyle(), 1);
    DuringTransition(
        [this] {
            auto* stage = Find<QWidget>("NumericViewport");
            QTest::mouseDClick(stage, Qt::LeftButton, {}, QPoint(10, stage->height() - 10));
        },
        [] { PressKey(Qt::Key_F2); });
    EXPECT_EQ(Form->NumericPanelStyle(), 2) << "the keypad, below the page";
    EXPECT_EQ(Form->ScientificPanelStyle(), 2);
    DuringTransition(
        [this] {
            QTest::mouseDClick(Find<QWidget>("NumericViewport"), Qt::LeftButton, {},
                               QPoint(10, 10));
        },
        [] { PressKey(Qt::Key_F2); });
    EXPECT_EQ(Form->ScientificPanelStyle(), 0) << "the page, above the keypad";
    EXPECT_EQ(Form->NumericPanelStyle(), 2);
}

TEST_F(TransitionWiringTest, ClosingTheWindowDuringATransitionEndsItAndSavesTheSettings) {
    Form->Transitions().Stage().SetTimeFactor(100); // 40 s, unless closing ends it
    DuringTransition([this] { Form->close(); }, [] { PressKey(Qt::Key_F10); });
    EXPECT_FALSE(Form->Transitions().IsRunning());
    EXPECT_FALSE(IsStageShown("ScientificViewport"));
    Form.reset();
    TAppData stored;
    stored.ReadFrom(TIniFile::FromBytes(ReadSettings()));
    EXPECT_EQ(stored.PanelNumber, 1);
}

} // namespace
