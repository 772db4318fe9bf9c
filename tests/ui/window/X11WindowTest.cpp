// The window on a real X server without a compositor, where the offscreen platform cannot tell:
// the visual its native window is made with and what it shows on the screen. The binary starts
// its own Xvfb; without one the tests skip themselves.
#include "ui/MainWinFixture.h"
#include "ui/PrivateXServer.h"

#include <QAction>
#include <QScreen>
#include <QWindow>

#include <optional>

namespace {

class X11WindowTest : public MainWinFixture {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != u"xcb") GTEST_SKIP() << "no X server";
        // A caret that blinks would differ between two pictures.
        QApplication::setCursorFlashTime(0);
        MainWinFixture::SetUp();
    }

    void Evaluate(const QString& AFormula) {
        SetLine(AFormula);
        Enter();
    }
    void SwitchTransparency() {
        Find<QAction>("TransparencyMenuItem")->trigger();
        Form->activateWindow();
        QApplication::setActiveWindow(Form.get());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
        ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
    }
    int AlphaBits() const { return Form->windowHandle()->format().alphaBufferSize(); }

    // What the screen shows where the window stands, once its drawing has settled.
    QImage OnScreen() const {
        QImage last;
        for (int attempt = 0; attempt < 20; ++attempt) {
            QTest::qWait(50);
            const QRect area(Form->mapToGlobal(QPoint()), Form->size());
            const QImage picture =
                QGuiApplication::primaryScreen()
                    ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                    .toImage()
                    .convertToFormat(QImage::Format_RGB32);
            if (picture == last) return picture;
            last = picture;
        }
        return last;
    }

    // The screen after "12345" and then "6" were evaluated in a window started with
    // Transparency=AIsStartedTransparent, switched once while running when AIsSwitched.
    QImage AfterTwoResults(bool AIsStartedTransparent, bool AIsSwitched) {
        StartForm(AIsStartedTransparent ? "[Display]\nTransparency=1\n"
                                        : "[Display]\nTransparency=0\n");
        Evaluate(u"12345"_qs);
        EXPECT_EQ(ResultText(), u"12345"_qs);
        OnScreen();
        if (AIsSwitched) SwitchTransparency();
        Evaluate(u"6"_qs);
        EXPECT_EQ(ResultText(), u"6"_qs);
        return OnScreen();
    }

    static int DifferingPixels(const QImage& A, const QImage& B) {
        if (A.size() != B.size()) return -1;
        int count = 0;
        for (int y = 0; y < A.height(); ++y)
            for (int x = 0; x < A.width(); ++x) count += A.pixel(x, y) != B.pixel(x, y);
        return count;
    }
};

// Without a compositor nothing shows through, but the window must draw cleanly: switched on while
// running it is the window started transparent, pixel for pixel (no stale header buttons, no
// result drawn over the last one), and switched off again the window started opaque.
TEST_F(X11WindowTest, TransparencySwitchedWhileRunningGivesTheWindowStartedWithIt) {
    const QImage startedTransparent = AfterTwoResults(true, false);
    EXPECT_EQ(AlphaBits(), 8) << "started transparent: a visual with alpha";
    const QImage switchedOn = AfterTwoResults(false, true);
    EXPECT_TRUE(Form->Transparency());
    EXPECT_EQ(AlphaBits(), 8) << "switched on: the native window was made again with alpha";
    EXPECT_EQ(DifferingPixels(switchedOn, startedTransparent), 0);

    const QImage startedOpaque = AfterTwoResults(false, false);
    EXPECT_LE(AlphaBits(), 0);
    const QImage switchedOff = AfterTwoResults(true, true);
    EXPECT_FALSE(Form->Transparency());
    EXPECT_LE(AlphaBits(), 0) << "switched off: an opaque native window again";
    EXPECT_EQ(DifferingPixels(switchedOff, startedOpaque), 0);
}

// The native window made anew stands where the old one stood, and typing goes on in the line.
TEST_F(X11WindowTest, SwitchingKeepsThePlaceAndTheTyping) {
    StartForm("[Program]\nLeft=120\nTop=90\n");
    const QPoint place = Form->pos();
    SwitchTransparency();
    EXPECT_EQ(Form->pos(), place);
    EXPECT_TRUE(Edit->hasFocus());
    QTest::keyClicks(QApplication::focusWidget(), u"2*4"_qs);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(ResultText(), u"8"_qs);
    SwitchTransparency();
    EXPECT_EQ(Form->pos(), place);
}

} // namespace

// Listing the tests (at build time) needs no X server; running them starts one.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    std::optional<TPrivateXServer> server;
    if (!GTEST_FLAG_GET(list_tests)) server.emplace();
    if (server && server->IsRunning()) {
        qputenv("QT_QPA_PLATFORM", "xcb");
        qputenv("DISPLAY", server->Display().toLatin1());
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("QT_XCB_GL_INTEGRATION", "none");
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
