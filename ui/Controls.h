#pragma once

// The window's control kinds on top of Qt Widgets: rounded keys, panels and drop-down lists
// that carry a named visual style, and the design geometry every control is scaled from.

#include <QFrame>
#include <QPushButton>
#include <QRect>
#include <QString>

class QFont;

// The name of the style-sheet style a control is drawn in (the "styleName" property).
inline constexpr char StyleNameProperty[] = "styleName";

// Gives AWidget the named style and re-polishes it, so the style sheet applies the new look.
void SetStyleName(QWidget* AWidget, const QString& AStyleName);
QString StyleName(const QWidget* AWidget);

// Places AWidget at its rectangle at window scale 1 and remembers that rectangle.
void SetDesignGeometry(QWidget* AWidget, const QRect& ARect);
QRect DesignGeometry(const QWidget* AWidget);
// Gives AWidget its font at window scale 1 (pixel size) and remembers it.
void SetDesignFont(QWidget* AWidget, const QFont& AFont);
// Re-applies the remembered geometry and font of AWidget and all its descendants, scaled by
// AScale. A control's position is scaled within its parent, as its drawing is.
void ApplyDesignScale(QWidget* AWidget, double AScale);

// A font by family list with a pixel size at scale 1; the named families come first, then
// substitutes that exist on Linux desktops (Japanese-capable ones included).
QFont DesignFont(const QStringList& AFamilies, int APixelSize, bool AIsBold);

// A key with rounded corners (the spec's corner button). Besides the usual click it reports
// every mouse press with its button and modifiers, and it can draw a small raised text after
// its caption (set by the style sheet through the "superscript" property).
class TKeyButton : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QString superscript READ Superscript WRITE SetSuperscript)
    Q_PROPERTY(int tag READ Tag WRITE SetTag)

public:
    explicit TKeyButton(QWidget* AParent = nullptr);

    QString Superscript() const { return FSuperscript; }
    void SetSuperscript(const QString& AText);
    int Tag() const { return FTag; }
    void SetTag(int ATag) { FTag = ATag; }

signals:
    // Any mouse button pressed on the key, before the button's own handling.
    void MouseDown(Qt::MouseButton AButton, Qt::KeyboardModifiers AModifiers);

protected:
    void mousePressEvent(QMouseEvent* AEvent) override;
    void paintEvent(QPaintEvent* AEvent) override;

private:
    QString FSuperscript;
    int FTag = 0;
};

// A panel: a plain frame that reports double-clicks on its own background.
class TPanel : public QFrame {
    Q_OBJECT

public:
    explicit TPanel(QWidget* AParent = nullptr);

signals:
    void DoubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* AEvent) override;
};
