#pragma once

// The window's control kinds on top of Qt Widgets: rounded keys, panels and drop-down lists
// that carry a named visual style, and the design geometry every control is scaled from.

#include "model/DesktopLook.h"

#include <QFont>
#include <QFrame>
#include <QPushButton>
#include <QRect>
#include <QString>

#include <span>

class QComboBox;
class QFont;

// The name of the style-sheet style a control is drawn in (the "styleName" property).
inline constexpr char StyleNameProperty[] = "styleName";

// Registers the window's resources (the style sheet). Linking this file already does it at
// start-up; calling it again is harmless.
void InitStyleResources();
// The style sheet of ALook: the design's sheet, followed by the look's own where it has one.
QString LookStyleSheet(TLook ALook);

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
// Re-applies the remembered geometry of AWidget alone, scaled by AScale.
void ApplyDesignGeometry(QWidget* AWidget, double AScale);

// The factor AWidget's font is currently scaled by against its design font (1 when it has none).
double CurrentDesignScale(const QWidget* AWidget);

// A font by family list with a pixel size at scale 1; the named families come first, each
// followed by look-alikes found on Linux desktops, then Japanese-capable fallbacks.
QFont DesignFont(const QStringList& AFamilies, int APixelSize, bool AIsBold);
// Makes the design's own family list (the one DesignFont gives for no named family) the
// application's default, at the system's default size: for what has no font of its own (menus,
// tips, the about window).
void UseDesignFamiliesByDefault();

// How a panel places a child when the panel is resized: not at all, along its bottom edge
// (full width, own height), or filling what the bottom-aligned children leave free.
enum class TAlign { None, Bottom, Client };
void SetAlign(QWidget* AWidget, TAlign AAlign);

// Roles of a drop-down list entry: the number it stands for (its tag) and its design name.
inline constexpr int ItemTagRole = Qt::UserRole;
inline constexpr int ItemNameRole = Qt::UserRole + 1;

// Lets the style sheet draw the entries of ACombo's open list (its current and hovered entry).
void UseStyledComboItems(QComboBox* ACombo);

// Appends an entry with its caption, tag and (optional) design name to ACombo.
void AddComboItem(QComboBox* ACombo, const QString& ACaption, int ATag, const QString& AName = {});

// A key with rounded corners (a corner button). Besides the usual click it reports
// every mouse press with its button and modifiers, and it can draw a small raised text after
// its caption (set by the style sheet through the "superscript" property).
class TKeyButton : public QPushButton {
    Q_OBJECT
    // Declared first: the style sheet reads it for every key many times while the window is made,
    // and a declared property is found at once where a dynamic one is looked for last.
    Q_PROPERTY(QString styleName MEMBER FStyleName NOTIFY StyleNameChanged)
    Q_PROPERTY(QString superscript READ Superscript WRITE SetSuperscript)
    Q_PROPERTY(int tag READ Tag WRITE SetTag)

public:
    explicit TKeyButton(QWidget* AParent = nullptr);

    QString Superscript() const { return FSuperscript; }
    void SetSuperscript(const QString& AText);
    int Tag() const { return FTag; }
    void SetTag(int ATag) { FTag = ATag; }

    // The room the caption has: the key less its border, its padding and a pixel on either side.
    QRect CaptionRect() const;
    // The font the caption is drawn in: the key's own font, made smaller where the caption (with
    // its raised text) would not fit the caption's room, but never smaller than its design font
    // at the lowest zoom step.
    QFont CaptionFont() const;
    // The caption as drawn: the key's text, cut short with "…" where it does not fit even in the
    // smallest font (the whole text is then the key's tooltip).
    QString CaptionText() const;
    bool IsCaptionElided() const { return CaptionText() != text(); }
    // The width the whole caption (with its raised text) takes in AFont.
    int CaptionWidth(const QFont& AFont) const;
    // The width the caption takes as drawn: CaptionText in CaptionFont, with its raised text.
    int DrawnCaptionWidth() const;

signals:
    // Any mouse button pressed on the key, before the button's own handling; Space pressed while
    // the key has the focus counts as the left button, so that keys acting on the press ("＝")
    // work from the keyboard too.
    void MouseDown(Qt::MouseButton AButton, Qt::KeyboardModifiers AModifiers);
    // The key was given another named style (SetStyleName).
    void StyleNameChanged();

protected:
    bool event(QEvent* AEvent) override;
    void mousePressEvent(QMouseEvent* AEvent) override;
    void keyPressEvent(QKeyEvent* AEvent) override;
    void paintEvent(QPaintEvent* AEvent) override;

private:
    // Fits the caption's font and text to the room, unless nothing changed since the last time.
    void FitCaption() const;
    int SmallestCaptionPixelSize() const;

    QString FStyleName;
    QString FSuperscript;
    int FTag = 0;
    // The last fitted caption and what it was fitted to: fitting runs only when one of them
    // changes.
    mutable QFont FCaptionFont;
    mutable QString FCaptionText;
    mutable QString FFittedText;
    mutable QFont FFittedFont;
    mutable int FFittedRoom = -1;
};

// A panel: a plain frame that reports double-clicks on its own background and keeps its
// aligned children (SetAlign) in place when it is resized.
class TPanel : public QFrame {
    Q_OBJECT
    // Declared for the same reason as the key's.
    Q_PROPERTY(QString styleName MEMBER FStyleName)

public:
    explicit TPanel(QWidget* AParent = nullptr);

    // Places the aligned children within the panel's current size.
    void AlignChildren();

signals:
    void DoubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* AEvent) override;
    void resizeEvent(QResizeEvent* AEvent) override;

private:
    QString FStyleName;
};

// One key as designed: a rounded key of the common bold font unless AFamily names another.
struct TKeyDesign {
    const char* Name;
    const char* Caption;
    const char* Style;
    int X, Y, Width, Height;
    int FontPixelSize;
    const char* Family = nullptr;
};

// Creates the key on AParent with its name, caption, style, design geometry and font.
TKeyButton* CreateKey(QWidget* AParent, const TKeyDesign& ADesign);

// A key row of a form: its design, the form field that keeps it (if any) and its click
// handler, either one told which key was clicked or one without arguments.
template <class TForm> struct TKeyRow {
    TKeyDesign Design;
    TKeyButton* TForm::*Field = nullptr;
    void (TForm::*SenderClick)(QPushButton*) = nullptr;
    void (TForm::*Click)() = nullptr;
};

// Creates the keys of ARows on AParent in order, stores and connects them.
template <class TForm>
void CreateKeys(TForm* AForm, QWidget* AParent, std::span<const TKeyRow<TForm>> ARows) {
    for (const TKeyRow<TForm>& row : ARows) {
        TKeyButton* key = CreateKey(AParent, row.Design);
        if (row.Field) AForm->*row.Field = key;
        if (const auto handler = row.SenderClick)
            QObject::connect(key, &QPushButton::clicked, AForm,
                             [AForm, key, handler] { (AForm->*handler)(key); });
        else if (row.Click)
            QObject::connect(key, &QPushButton::clicked, AForm, row.Click);
    }
}
