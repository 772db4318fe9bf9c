// The stage's moves: a blocking move waits with the event loop running, a move replaces one
// running on the same property, and a finished stage puts every move at its end.
#include "ui/motion/MotionStage.h"
#include "ui/motion/Viewport3D.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

namespace {

class MotionStageTest : public testing::Test {
protected:
    TViewport3D View;
    TLayer3D* Layer = new TLayer3D(QSizeF(344, 129), new TLayout3D(QVector3D(344, 129, 0), &View));
    TMotionStage Stage;
};

TEST_F(MotionStageTest, AMoveReplacesTheOneRunningOnTheSameProperty) {
    Stage.ParallelMove(Layer, "y", 100, 2000, QEasingCurve::Linear);
    Stage.ParallelMove(Layer, "x", 50, 60, QEasingCurve::Linear);
    EXPECT_TRUE(Stage.BlockingMove(Layer, "y", -20, 40, QEasingCurve::InQuad));
    EXPECT_EQ(Layer->Y(), -20);
    QTest::qWait(100);
    EXPECT_EQ(Layer->Y(), -20); // the replaced move does not come back
    EXPECT_EQ(Layer->X(), 50);  // the move of another property ran on to its end
}

TEST_F(MotionStageTest, FinishPutsEveryMoveAtItsEndUntilReset) {
    std::vector<TMotionRecord> records;
    Stage.SetRecorder([&records](const TMotionRecord& ARecord) { records.push_back(ARecord); });
    Stage.SetTimeFactor(2);
    Stage.ParallelMove(Layer, "depth", 10, 60000, QEasingCurve::Linear);
    QTimer::singleShot(20, &Stage, [this] { Stage.Finish(); });
    EXPECT_FALSE(Stage.BlockingMove(Layer, "y", 100, 60000, QEasingCurve::InQuad));
    EXPECT_EQ(Layer->Y(), 100);
    EXPECT_EQ(Layer->Depth(), 10);
    EXPECT_FALSE(Stage.BlockingMove(Layer, "x", 7, 60000, QEasingCurve::Linear));
    EXPECT_EQ(Layer->X(), 7);

    Stage.Reset();
    Stage.SetTimeFactor(0.001);
    EXPECT_TRUE(Stage.BlockingMove(Layer, "angleX", 90, 60000, QEasingCurve::Linear));
    EXPECT_EQ(Layer->AngleX(), 90);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[3].From, 0);
    EXPECT_EQ(records[3].To, 90);
    EXPECT_EQ(records[3].Duration, 60000); // nominal, whatever the time factor
    EXPECT_TRUE(records[3].IsBlocking);
    EXPECT_FALSE(records[0].IsBlocking);
}

} // namespace
