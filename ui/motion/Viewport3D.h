#pragma once

// A 3-D view without OpenGL: flat layers (pictures of panels) with a position, a depth and a
// turn, seen in perspective and painted back to front with QPainter.

#include <QBrush>
#include <QObject>
#include <QPixmap>
#include <QSizeF>
#include <QTransform>
#include <QVector3D>
#include <QWidget>

#include <vector>

class TLayout3D;
class TViewport3D;

// One flat layer of a view: the picture of a panel on the layer's background. All values are
// in design units (scale 1) and degrees; they are Qt properties so that animations can drive them.
class TLayer3D : public QObject {
    Q_OBJECT
    Q_PROPERTY(double x READ X WRITE SetX)
    Q_PROPERTY(double y READ Y WRITE SetY)
    Q_PROPERTY(double depth READ Depth WRITE SetDepth)
    Q_PROPERTY(double angleX READ AngleX WRITE SetAngleX)
    Q_PROPERTY(double angleY READ AngleY WRITE SetAngleY)

public:
    // A layer of ADesignSize, the last one drawn of its layout among those at equal depth.
    TLayer3D(const QSizeF& ADesignSize, TLayout3D* ALayout);

    QSizeF DesignSize() const { return FDesignSize; }
    // Top-left corner in the view (unturned), and the layer's plane: depth 0 is natural size.
    double X() const { return FX; }
    double Y() const { return FY; }
    double Depth() const { return FDepth; }
    // Turn about the top edge (positive: the lower edge goes away from the viewer; 90 edge-on).
    double AngleX() const { return FAngleX; }
    // Turn about the vertical centre line (positive: the right half comes forward).
    double AngleY() const { return FAngleY; }
    void SetX(double AValue);
    void SetY(double AValue);
    void SetDepth(double AValue);
    void SetAngleX(double AValue);
    void SetAngleY(double AValue);
    // Puts the layer back at the view's top-left corner, at depth 0 and unturned.
    void ResetPlacement();

    // The picture drawn on the layer; a null picture leaves only the background.
    const QPixmap& Picture() const { return FPicture; }
    void SetPicture(const QPixmap& APicture);

signals:
    void Changed();

private:
    void Set(double& AField, double AValue);

    QSizeF FDesignSize;
    double FX = 0, FY = 0, FDepth = 0, FAngleX = 0, FAngleY = 0;
    QPixmap FPicture;
};

// A group of layers in a view that turns as one about the vertical line through the centre of
// its box (width, height, depth in design units; the front of the box at depth 0).
class TLayout3D : public QObject {
    Q_OBJECT
    Q_PROPERTY(double angleY READ AngleY WRITE SetAngleY)

public:
    TLayout3D(const QVector3D& ADesignBox, TViewport3D* AView);

    QVector3D DesignBox() const { return FDesignBox; }
    double AngleY() const { return FAngleY; }
    void SetAngleY(double AValue);
    std::vector<TLayer3D*> Layers() const;

signals:
    void Changed();

private:
    QVector3D FDesignBox;
    double FAngleY = 0;
};

// The view: hidden and transparent itself; it shows its layers, each on the background of the
// style "backgroundstyle" (the style sheet's layerBackground brush).
class TViewport3D : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QBrush layerBackground READ LayerBackground WRITE SetLayerBackground)

public:
    // Depth at which the view's width fills a 45° field of view, in design units: the eye's
    // distance from the plane of depth 0.
    static const double PerspectiveDistance;

    explicit TViewport3D(QWidget* AParent = nullptr);

    // Pixels per design unit (the window scale).
    double DesignScale() const { return FDesignScale; }
    void SetDesignScale(double AScale);

    QBrush LayerBackground() const { return FLayerBackground; }
    void SetLayerBackground(const QBrush& ABrush);

    std::vector<TLayout3D*> Layouts() const;

    // A layer as it is drawn: Transform maps the layer's own pixel rectangle Rect onto the view.
    struct TLayerView {
        const TLayer3D* Layer;
        QRectF Rect;
        QTransform Transform;
        double Depth; // of the layer's centre, in pixels
    };
    // The layers in drawing order, farthest first (ties: layout order, then layer order);
    // layers seen edge-on or from behind are left out.
    std::vector<TLayerView> LayerViews() const;

protected:
    void paintEvent(QPaintEvent* AEvent) override;

private:
    bool ProjectLayer(const TLayout3D& ALayout, const TLayer3D& ALayer, TLayerView& AView) const;

    double FDesignScale = 1;
    QBrush FLayerBackground;
};
