#include "ui/motion/Viewport3D.h"

#include "ui/widgets/Controls.h"

#include <QMatrix4x4>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Twice the signed area of a quadrilateral; its sign tells which way round the corners run.
double SignedArea(const QPolygonF& AQuad) {
    double area = 0;
    for (int i = 0; i < AQuad.size(); ++i) {
        const QPointF& a = AQuad[i];
        const QPointF& b = AQuad[(i + 1) % AQuad.size()];
        area += a.x() * b.y() - b.x() * a.y();
    }
    return area;
}

QPolygonF Corners(const QRectF& ARect) {
    return QPolygonF{ARect.topLeft(), ARect.topRight(), ARect.bottomRight(), ARect.bottomLeft()};
}

} // namespace

// The window's width (344) fills a 45° field of view at depth 0.
const double TViewport3D::PerspectiveDistance = 172 / std::tan(std::numbers::pi / 8);

TLayer3D::TLayer3D(const QSizeF& ADesignSize, TLayout3D* ALayout)
    : QObject(ALayout), FDesignSize(ADesignSize) {
    connect(this, &TLayer3D::Changed, ALayout, &TLayout3D::Changed);
}

void TLayer3D::Set(double& AField, double AValue) {
    if (AField == AValue) return;
    AField = AValue;
    emit Changed();
}

void TLayer3D::SetX(double AValue) { Set(FX, AValue); }
void TLayer3D::SetY(double AValue) { Set(FY, AValue); }
void TLayer3D::SetDepth(double AValue) { Set(FDepth, AValue); }
void TLayer3D::SetAngleX(double AValue) { Set(FAngleX, AValue); }
void TLayer3D::SetAngleY(double AValue) { Set(FAngleY, AValue); }

void TLayer3D::ResetPlacement() {
    FX = FY = FDepth = FAngleX = FAngleY = 0;
    emit Changed();
}

void TLayer3D::SetPicture(const QPixmap& APicture) {
    FPicture = APicture;
    emit Changed();
}

TLayout3D::TLayout3D(const QVector3D& ADesignBox, TViewport3D* AView)
    : QObject(AView), FDesignBox(ADesignBox) {
    connect(this, &TLayout3D::Changed, AView, qOverload<>(&QWidget::update));
}

void TLayout3D::SetAngleY(double AValue) {
    if (FAngleY == AValue) return;
    FAngleY = AValue;
    emit Changed();
}

std::vector<TLayer3D*> TLayout3D::Layers() const {
    std::vector<TLayer3D*> layers;
    for (QObject* child : children())
        if (auto* layer = qobject_cast<TLayer3D*>(child)) layers.push_back(layer);
    return layers;
}

TViewport3D::TViewport3D(QWidget* AParent) : QWidget(AParent) {
    SetStyleName(this, QStringLiteral("backgroundstyle"));
    hide();
}

void TViewport3D::SetDesignScale(double AScale) {
    if (FDesignScale == AScale) return;
    FDesignScale = AScale;
    update();
}

void TViewport3D::SetLayerBackground(const QBrush& ABrush) {
    FLayerBackground = ABrush;
    update();
}

std::vector<TLayout3D*> TViewport3D::Layouts() const {
    std::vector<TLayout3D*> layouts;
    for (QObject* child : children())
        if (auto* layout = qobject_cast<TLayout3D*>(child)) layouts.push_back(layout);
    return layouts;
}

bool TViewport3D::ProjectLayer(const TLayout3D& ALayout, const TLayer3D& ALayer,
                               TLayerView& AView) const {
    const double s = FDesignScale;
    const QPixmap& picture = ALayer.Picture();
    const QSizeF size = picture.isNull() ? QSizeF(std::round(ALayer.DesignSize().width() * s),
                                                  std::round(ALayer.DesignSize().height() * s))
                                         : picture.deviceIndependentSize();
    AView.Layer = &ALayer;
    AView.Rect = QRectF(QPointF(0, 0), size);
    const QPointF centre(width() / 2.0, height() / 2.0);
    const double distance = PerspectiveDistance * s;

    if (ALayout.AngleY() == 0 && ALayer.AngleX() == 0 && ALayer.AngleY() == 0) {
        // Depth alone is a scale about the view's centre. At depth 0 the picture stands on whole
        // pixels, so that it looks exactly like its panel.
        const double z = ALayer.Depth() * s;
        if (distance + z < 1) return false;
        const double f = distance / (distance + z);
        double dx = centre.x() + (ALayer.X() * s - centre.x()) * f;
        double dy = centre.y() + (ALayer.Y() * s - centre.y()) * f;
        if (z == 0) {
            dx = std::round(dx);
            dy = std::round(dy);
        }
        AView.Transform = QTransform(f, 0, 0, f, dx, dy);
        AView.Depth = z;
        return true;
    }

    QMatrix4x4 model;
    const QVector3D pivot = ALayout.DesignBox() * float(s / 2);
    model.translate(pivot);
    model.rotate(float(ALayout.AngleY()), 0, 1, 0);
    model.translate(-pivot);
    model.translate(float(ALayer.X() * s), float(ALayer.Y() * s), float(ALayer.Depth() * s));
    const float halfWidth = float(size.width() / 2);
    model.translate(halfWidth, 0, 0);
    model.rotate(float(ALayer.AngleY()), 0, 1, 0);
    model.translate(-halfWidth, 0, 0);
    model.rotate(float(ALayer.AngleX()), 1, 0, 0);

    // A layer turned about its top edge is seen from the height of that edge, so that it stands
    // edge-on at 90° as a flap does; everything else is seen from the view's centre.
    QPointF eye = centre;
    if (ALayer.AngleX() != 0) eye.setY(model.map(QVector3D(0, 0, 0)).y());
    QPolygonF quad;
    for (const QPointF& corner : Corners(AView.Rect)) {
        const QVector3D point = model.map(QVector3D(float(corner.x()), float(corner.y()), 0));
        if (distance + point.z() < 1) return false; // at or behind the eye
        const double f = distance / (distance + point.z());
        quad << QPointF(eye.x() + (point.x() - eye.x()) * f, eye.y() + (point.y() - eye.y()) * f);
    }
    // Seen edge-on or from behind: a layer has no back to show.
    if (SignedArea(quad) < 1) return false;
    if (!QTransform::quadToQuad(Corners(AView.Rect), quad, AView.Transform)) return false;
    AView.Depth = model.map(QVector3D(halfWidth, float(size.height() / 2), 0)).z();
    return true;
}

std::vector<TViewport3D::TLayerView> TViewport3D::LayerViews() const {
    std::vector<TLayerView> views;
    for (const TLayout3D* layout : Layouts())
        for (const TLayer3D* layer : layout->Layers())
            if (TLayerView view; ProjectLayer(*layout, *layer, view)) views.push_back(view);
    std::stable_sort(views.begin(), views.end(),
                     [](const TLayerView& a, const TLayerView& b) { return a.Depth > b.Depth; });
    return views;
}

void TViewport3D::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Without a style sheet the layers take the window's own background.
    const QBrush background =
        FLayerBackground.style() == Qt::NoBrush ? palette().window() : FLayerBackground;
    for (const TLayerView& view : LayerViews()) {
        // Smooth edges only where a layer is turned; flat ones stay sharp and cheap.
        painter.setRenderHint(QPainter::Antialiasing,
                              view.Transform.type() == QTransform::TxProject);
        painter.setTransform(view.Transform);
        const QPixmap& picture = view.Layer->Picture();
        if (picture.isNull() || picture.hasAlphaChannel()) painter.fillRect(view.Rect, background);
        if (!picture.isNull()) painter.drawPixmap(view.Rect, picture, QRectF(picture.rect()));
    }
}
