// The 3-D view: where its layers land in perspective, which are left out, the order they are
// drawn in, and what a frame shows.
#include "ui/motion/Viewport3D.h"
#include "QtPrinters.h"
#include "ui/widgets/Controls.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>

#include <cmath>

namespace {

class Viewport3DTest : public testing::Test {
protected:
    // A view of the key-area stage's size at scale AScale, with one layout of AView's width.
    void SetUp() override { SetScale(1); }

    void SetScale(double AScale) {
        View.SetDesignScale(AScale);
        View.resize(int(std::lround(344 * AScale)), int(std::lround(337 * AScale)));
    }

    TLayer3D* AddLayer(const char* AName, double AHeight, TLayout3D* ALayout = nullptr) {
        if (!ALayout) ALayout = new TLayout3D(QVector3D(344, float(AHeight), 344), &View);
        auto* layer = new TLayer3D(QSizeF(344, AHeight), ALayout);
        layer->setObjectName(QString::fromLatin1(AName));
        return layer;
    }

    // Where a layer's pixel corners land (top-left, top-right, bottom-right, bottom-left), or
    // nothing when the layer is not drawn.
    QPolygonF Quad(const TLayer3D* ALayer) const {
        for (const TViewport3D::TLayerView& view : View.LayerViews())
            if (view.Layer == ALayer)
                return view.Transform.map(QPolygonF{view.Rect.topLeft(), view.Rect.topRight(),
                                                    view.Rect.bottomRight(),
                                                    view.Rect.bottomLeft()});
        return {};
    }

    QStringList DrawingOrder() const {
        QStringList names;
        for (const TViewport3D::TLayerView& view : View.LayerViews())
            names << view.Layer->objectName();
        return names;
    }

    TViewport3D View;
};

void ExpectNear(const QPolygonF& AActual, const QPolygonF& AExpected, const char* AWhat) {
    ASSERT_EQ(AActual.size(), AExpected.size()) << AWhat;
    for (int i = 0; i < AActual.size(); ++i) {
        EXPECT_NEAR(AActual[i].x(), AExpected[i].x(), 0.01) << AWhat << " corner " << i;
        EXPECT_NEAR(AActual[i].y(), AExpected[i].y(), 0.01) << AWhat << " corner " << i;
    }
}

QPolygonF Rect(double AX, double AY, double AWidth, double AHeight) {
    return {QPointF(AX, AY), QPointF(AX + AWidth, AY), QPointF(AX + AWidth, AY + AHeight),
            QPointF(AX, AY + AHeight)};
}

// At depth 0 a picture covers its panel's pixels exactly; farther back it shrinks about the
// view's centre.
TEST_F(Viewport3DTest, FlatLayersStandOnWholePixelsAndShrinkWithDepth) {
    TLayer3D* keypad = AddLayer("keypad", 209);
    keypad->SetY(129);
    ExpectNear(Quad(keypad), Rect(0, 129, 344, 209), "scale 1");

    SetScale(1.05); // 129 x 1.05 = 135.45; the panel is round(344 x 1.05) = 361 wide
    ExpectNear(Quad(keypad), Rect(0, 135, 361, 219), "scale 1.05");

    SetScale(1);
    keypad->SetDepth(10);
    const double f = TViewport3D::PerspectiveDistance / (TViewport3D::PerspectiveDistance + 10);
    const QPointF centre(172, 168.5);
    const QPointF topLeft = centre + (QPointF(0, 129) - centre) * f;
    ExpectNear(Quad(keypad), Rect(topLeft.x(), topLeft.y(), 344 * f, 209 * f), "depth 10");
    EXPECT_LT(f, 0.98); // visibly smaller
}

// A flip turns a layer about its top edge: the edge stays, the lower edge goes back and up,
// and at 90° the layer is edge-on and not drawn.
TEST_F(Viewport3DTest, AFlipTurnsAboutTheTopEdge) {
    SetScale(1.5);
    TLayer3D* keypad = AddLayer("keypad", 209);
    keypad->SetY(129);
    keypad->SetAngleX(45);
    const QPolygonF quad = Quad(keypad);
    ASSERT_EQ(quad.size(), 4);
    EXPECT_NEAR(quad[0].y(), 193.5, 0.01);
    EXPECT_NEAR(quad[1].y(), 193.5, 0.01);
    EXPECT_NEAR(quad[0].x(), 0, 0.01);
    EXPECT_NEAR(quad[1].x(), 516, 0.01);
    EXPECT_GT(quad[3].x(), 0); // the lower edge is farther away: narrower
    EXPECT_LT(quad[2].x(), 516);
    EXPECT_LT(quad[3].y(),
              193.5 + 314 * std::cos(M_PI / 4)); // and shorter than without perspective
    EXPECT_GT(quad[3].y(), 193.5);

    keypad->SetAngleX(90);
    EXPECT_TRUE(Quad(keypad).isEmpty());
    keypad->SetAngleX(89);
    EXPECT_FALSE(Quad(keypad).isEmpty());
}

// The cube's quarter turn brings the side face exactly onto the front, for either side; the old
// face, now seen from behind, is not drawn.
TEST_F(Viewport3DTest, ACubeQuarterTurnBringsTheSideFaceToTheFront) {
    View.resize(344, 129);
    for (int side : {-1, 1}) {
        auto* cube = new TLayout3D(QVector3D(344, 129, 344), &View);
        TLayer3D* newPage = AddLayer("new", 129, cube);
        TLayer3D* oldPage = AddLayer("old", 129, cube);
        newPage->SetX(side * 172);
        newPage->SetDepth(172);
        newPage->SetAngleY(-side * 90);
        EXPECT_EQ(DrawingOrder(), QStringList{u"old"_qs}) << side; // the side face shows its back

        cube->SetAngleY(side * 45);
        EXPECT_EQ(DrawingOrder().size(), 2) << side;

        cube->SetAngleY(side * 90);
        ExpectNear(Quad(newPage), Rect(0, 0, 344, 129), side < 0 ? "left face" : "right face");
        EXPECT_TRUE(Quad(oldPage).isEmpty()) << side;
        delete cube;
    }
}

TEST_F(Viewport3DTest, FartherLayersAreDrawnFirstAndTiesKeepTheirOrder) {
    TLayer3D* keypad = AddLayer("keypad", 209);
    TLayer3D* page = AddLayer("page", 129);
    EXPECT_EQ(DrawingOrder(), (QStringList{u"keypad"_qs, u"page"_qs}));
    page->SetDepth(10);
    EXPECT_EQ(DrawingOrder(), (QStringList{u"page"_qs, u"keypad"_qs}));
    keypad->SetDepth(20);
    EXPECT_EQ(DrawingOrder(), (QStringList{u"keypad"_qs, u"page"_qs}));
}

// The view itself is transparent; an empty layer shows the style sheet's flat background and a
// picture covers it.
TEST_F(Viewport3DTest, AFrameShowsPicturesOnTheLayerBackground) {
    InitStyleResources();
    QFile sheet(u":/zemtrix/zemtrix.qss"_qs);
    ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
    QWidget window;
    window.setStyleSheet(QString::fromUtf8(sheet.readAll()));
    auto* view = new TViewport3D(&window);
    view->resize(344, 337);
    view->ensurePolished();
    TLayer3D* empty = new TLayer3D(QSizeF(344, 129), new TLayout3D(QVector3D(344, 129, 0), view));
    QPixmap red(344, 209);
    red.fill(Qt::red);
    TLayer3D* pictured =
        new TLayer3D(QSizeF(344, 209), new TLayout3D(QVector3D(344, 209, 0), view));
    pictured->SetPicture(red);
    pictured->SetY(129);
    empty->SetX(-200); // leaves the left half of the page's place uncovered

    QImage frame(344, 337, QImage::Format_ARGB32_Premultiplied);
    frame.fill(Qt::transparent);
    view->render(&frame, QPoint(), QRegion(), QWidget::RenderFlags());
    EXPECT_EQ(frame.pixelColor(100, 60), QColor(0xF1, 0xF1, 0xF1));
    EXPECT_EQ(frame.pixelColor(250, 60).alpha(), 0);
    EXPECT_EQ(frame.pixelColor(172, 200), QColor(Qt::red));
}

} // namespace
