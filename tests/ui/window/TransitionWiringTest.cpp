// The window's own transitions: page switches and key-area changes play them in the window's
// stages, the panels end as the operation says, and what happens meanwhile waits or is ignored.
#include "ui/KeyboardSupport.h"
#include "ui/MainWinFixture.h"

#include "model/AppData.h"
#include "model/IniFile.h"
#include "ui/motion/Viewport3D.h"

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

TEST_F(TransitionWiringTest, WhatComesDuringATransitionWaitsOrIsIgnored) {
    DuringTransition(
        [] {
            PressKey(Qt::Key_Up, kShiftAlt); // the layout waits for the transition
            PressKey(Qt::Key_F10);           // another transition is not started
            PressKey(Qt::Key_F1);
        },
        [] { PressKey(Qt::Key_F10); });
    EXPECT_EQ(Form->PanelNumber(), 1);
    EXPECT_TRUE(Form->ScientificKey());
    EXPECT_EQ(Form->WindowScale(), 1);
    EXPECT_EQ(Form->size(), QSize(361, 470))
        << "the zoom step is laid out once the transition is over";
    EXPECT_EQ(Find<QWidget>("Digit7Btn")->width(), 60);
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
