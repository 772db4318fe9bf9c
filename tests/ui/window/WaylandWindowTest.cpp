// The window where the compositor alone places and stacks windows (Wayland), decided through the
// test seam on the offscreen platform: "Top most" is disabled and says why, the stored position is
// neither used nor overwritten, and the stored "Top most" survives for the next run under X11.
#include "ui/MainWinFixture.h"

#include "model/AppData.h"
#include "model/IniFile.h"

#include <QAction>
#include <QHelpEvent>
#include <QMenu>
#include <QToolTip>

namespace {

class WaylandWindowTest : public MainWinFixture {
protected:
    void SetUp() override {
        TMainForm::OverridePlatformNameForTests(u"wayland"_qs);
        MainWinFixture::SetUp();
    }
    void TearDown() override {
        MainWinFixture::TearDown();
        TMainForm::OverridePlatformNameForTests({});
    }
    QAction* Action(const char* AName) { return Find<QAction>(AName); }
    TAppData Stored() const {
        TAppData data;
        data.ReadFrom(TIniFile::FromBytes(ReadSettings()));
        return data;
    }
};

TEST_F(WaylandWindowTest, TopMostIsDisabledAndItsTipSaysWhy) {
    StartForm("[Display]\nTopMost=1\n");
    QAction* topMost = Action("TopMostMenuItem");
    EXPECT_FALSE(topMost->isEnabled());
    EXPECT_FALSE(topMost->isChecked()) << "not shown as on while it cannot be";
    EXPECT_FALSE(Form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(topMost->toolTip(), QString::fromLatin1(TMainForm::TopMostUnavailableTip));

    // The tip as the user meets it: hovering the entry of the open menu.
    auto* menu = Find<QMenu>("ExpressionPanelPopupMenu");
    menu->popup(Form->mapToGlobal(QPoint(10, 10)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    const QPoint entry = menu->actionGeometry(topMost).center();
    QHelpEvent hover(QEvent::ToolTip, entry, menu->mapToGlobal(entry));
    QApplication::sendEvent(menu, &hover);
    EXPECT_EQ(QToolTip::text(), QString::fromLatin1(TMainForm::TopMostUnavailableTip));
    QToolTip::hideText();
    menu->close();

    Form.reset();
    EXPECT_TRUE(Stored().IsTopMost) << "the choice made under X11 is kept";
}

TEST_F(WaylandWindowTest, StoredPositionIsNeitherUsedNorOverwritten) {
    StartForm("[Program]\nLeft=40\nTop=30\n");
    EXPECT_FALSE(Form->testAttribute(Qt::WA_Moved)) << "the compositor places the window";
    Form.reset();
    EXPECT_EQ(QPoint(Stored().Left, Stored().Top), QPoint(40, 30));

    StartForm("[Display]\nRoundDecimal=2\n");
    Form.reset();
    EXPECT_LT(Stored().Left, 0) << "no position known, none stored";
}

// Where the compositor does not start the move, the window does not chase the pointer with
// positions the compositor ignores; the panel's clicks still reach it.
TEST_F(WaylandWindowTest, DraggingTheTransparentWindowLeavesTheMoveToTheCompositor) {
    Action("TransparencyMenuItem")->trigger();
    EXPECT_TRUE(Form->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(Form->testAttribute(Qt::WA_TranslucentBackground));
    const QPoint before = Form->pos();
    auto* panel = Find<QWidget>("ExpressionPanel");
    const QPoint grip(5, panel->height() - 4);
    QTest::mousePress(panel, Qt::LeftButton, {}, grip);
    QTest::mouseMove(panel, grip + QPoint(60, 40));
    QTest::mouseRelease(panel, Qt::LeftButton, {}, grip + QPoint(60, 40));
    EXPECT_EQ(Form->pos(), before);
    EXPECT_FALSE(Form->testAttribute(Qt::WA_Moved));
}

} // namespace
