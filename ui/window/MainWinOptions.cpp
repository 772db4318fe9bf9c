// Window options: the zoom steps and the layout they drive, stay-on-top, the transparent mode
// (and moving the window without a title bar), the home page and the about box.

#include "ui/window/MainWin.h"

#include "model/StyleSheetScale.h"
#include "model/WindowLayout.h"
#include "ui/history/HistoryPanel.h"
#include "ui/motion/Viewport3D.h"
#include "ui/widgets/Controls.h"
#include "ui/window/AboutWin.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QGraphicsOpacityEffect>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QUrl>
#include <QWindow>

#include <utility>

namespace {

constexpr qreal kTransparentOpacity = 0.5;

void SetOpacity(QWidget* AWidget, qreal AOpacity) {
    if (AOpacity >= 1.0) {
        AWidget->setGraphicsEffect(nullptr);
        return;
    }
    auto* effect = new QGraphicsOpacityEffect(AWidget);
    effect->setOpacity(AOpacity);
    AWidget->setGraphicsEffect(effect);
}

QString& PlatformNameOverride() {
    static QString name;
    return name;
}

} // namespace

// The same address as the application's metadata gives.
const char* const TMainForm::HomepageUrl = "https://www.orvelmont.com/zemtrix/";

const char* const TMainForm::TopMostUnavailableTip =
    "Not available on Wayland: only the compositor can keep a window above the others.";

void TMainForm::OverridePlatformNameForTests(const QString& AName) {
    PlatformNameOverride() = AName;
}

double TMainForm::ScaleFactor() const { return WindowLayout::ScaleOf(WindowScaleNumber); }

void TMainForm::SetClientSize(int AWidth, int AHeight) { setFixedSize(AWidth, AHeight); }

// During a transition the pictures stand for the panels at the old scale: the layout waits
// until the transition is over.
void TMainForm::SetWindowScale(int Step) {
    if (!WindowLayout::IsScaleStep(Step)) return;
    WindowScaleNumber = Step;
    if (IsTransitionRunning()) {
        IsLayoutPending = true;
        return;
    }
    const double s = ScaleFactor();
    const QPoint historyPosition = HistoryPanel->pos(); // scaling moves it to its design place
    ApplyScaledStyleSheet(s);
    for (QWidget* panel :
         {static_cast<QWidget*>(ExpressionPanel), static_cast<QWidget*>(ScientificPanel),
          static_cast<QWidget*>(Option1Panel), static_cast<QWidget*>(VariablePanel),
          static_cast<QWidget*>(ButtonPanel), static_cast<QWidget*>(HistoryPanel),
          static_cast<QWidget*>(NumericViewport), static_cast<QWidget*>(ScientificViewport)})
        ApplyDesignScale(panel, s);
    ArrangePanels();
    AlignKeypadPages();
    const float width = float(s) * WindowLayout::DesignClientWidth;
    if (IsAlwaysDisplayHistoryPanel) {
        PlaceHistoryPanel(width, 0);
    } else if (!HistoryPanel->isHidden()) {
        PlaceVisibleHistoryPanel(historyPosition);
    }
    SetClientSize(WindowLayout::ClientWidth(s, IsAlwaysDisplayHistoryPanel), height());
}

// The other pages and the transition stages share the place of the scientific page; the key-area
// stage reaches down over the keypad.
void TMainForm::AlignKeypadPages() {
    for (QWidget* page :
         {static_cast<QWidget*>(Option1Panel), static_cast<QWidget*>(VariablePanel),
          static_cast<QWidget*>(ScientificViewport), static_cast<QWidget*>(NumericViewport)})
        page->move(ScientificPanel->pos());
    const int stageHeight = WindowLayout::PageHeight + WindowLayout::KeypadHeight - 1;
    NumericViewport->resize(NumericViewport->width(),
                            WindowLayout::RoundHalfEven(ScaleFactor() * stageHeight));
}

void TMainForm::PlaceHistoryPanel(float X, float AVertical) {
    HistoryPanel->setGeometry(WindowLayout::HistoryPanelRect(ScaleFactor(), X, AVertical < 0,
                                                             IsScientificKey, IsNumericKey));
    HistoryPanel->raise();
}

// Borders, corner radii and the other lengths of the style sheet grow and shrink with the keys.
void TMainForm::ApplyScaledStyleSheet(double AScale) {
    if (AScale == StyleSheetScale) return;
    StyleSheetScale = AScale;
    setStyleSheet(ScaledStyleSheet(BaseStyleSheet, AScale));
}

void TMainForm::DecideWindowControl() {
    const QString& name = PlatformNameOverride();
    WindowControl =
        WindowLayout::WindowControlOf(name.isEmpty() ? QGuiApplication::platformName() : name);
}

// An entry that seemed to work but changed nothing would mislead; it stays visible, so the tip
// can say why it does nothing here.
void TMainForm::ApplyWindowControl() {
    if (WindowControl.CanStayOnTop) return;
    TopMostMenuItem->setEnabled(false);
    TopMostMenuItem->setToolTip(QString::fromLatin1(TopMostUnavailableTip));
}

bool TMainForm::IsStayOnTop() const { return windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

void TMainForm::SetStayOnTop(bool AIsOn) {
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, AIsOn);
    ReplaceWindowFlags(flags);
}

// New flags recreate the native window, which hides it; a shown window is shown again where it was.
void TMainForm::ReplaceWindowFlags(Qt::WindowFlags AFlags) {
    if (AFlags == windowFlags()) return;
    const bool wasVisible = isVisible();
    const QPoint position = pos();
    setWindowFlags(AFlags);
    if (!wasVisible) return;
    if (WindowControl.CanPlaceWindow) move(position);
    show();
    activateWindow();
}

void TMainForm::SetTranslucentBackground() {
    setAttribute(Qt::WA_TranslucentBackground, IsTransparency);
    if (!IsTransparency) setAttribute(Qt::WA_NoSystemBackground, false);
}

// The pixel format of a native window is chosen when it is made: one made opaque cannot turn
// translucent (on X11 it keeps its visual without alpha and, its background no longer painted,
// shows stale pixels). The native window is made anew, as at start-up, where the old one stood.
void TMainForm::RecreateNativeWindow(Qt::WindowFlags AFlags) {
    const bool wasVisible = isVisible();
    const QPoint position = pos();
    hide();
    destroy();
    SetTranslucentBackground();
    setWindowFlags(AFlags);
    if (WindowControl.CanPlaceWindow) move(position);
    if (!wasVisible) return;
    show();
    activateWindow();
}

void TMainForm::TopMostMenuItemClick() {
    SetStayOnTop(!IsStayOnTop());
    TopMostMenuItem->setChecked(IsStayOnTop());
}

void TMainForm::TransparencyMenuItemClick() {
    IsTransparency = !IsTransparency;
    TransparencyMenuItem->setChecked(IsTransparency);
    ApplyTransparency();
}

// Frameless with a see-through background, the panels and both lists half opaque, the three
// header buttons hidden; off restores all of it.
void TMainForm::ApplyTransparency() {
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::FramelessWindowHint, IsTransparency);
    if (testAttribute(Qt::WA_WState_Created)) {
        RecreateNativeWindow(flags);
    } else {
        SetTranslucentBackground();
        ReplaceWindowFlags(flags);
    }
    const qreal opacity = IsTransparency ? kTransparentOpacity : 1.0;
    for (QWidget* widget :
         {static_cast<QWidget*>(ButtonPanel), static_cast<QWidget*>(ScientificPanel),
          static_cast<QWidget*>(Option1Panel), static_cast<QWidget*>(VariablePanel),
          static_cast<QWidget*>(HistoryPanel), static_cast<QWidget*>(ExpressionPanel),
          static_cast<QWidget*>(DegCombo), static_cast<QWidget*>(RoundCombo)})
        SetOpacity(widget, opacity);
    for (QWidget* button : {ScientificKeyBtn, NumericKeyBtn, MemoryButton})
        button->setVisible(!IsTransparency);
}

// Without a title bar the window is moved by dragging the expression panel's background: by the
// window manager where it offers that, else by following the pointer. A Wayland compositor moves
// a window only itself; there the window does not follow the pointer when it refuses.
bool TMainForm::MoveWindowByDrag(QObject* AWatched, QEvent* AEvent) {
    if (!IsTransparency || (AWatched != ExpressionPanel && AWatched != Panel3)) return false;
    const auto* mouse = static_cast<QMouseEvent*>(AEvent);
    const QPoint pointer = mouse->globalPosition().toPoint();
    switch (AEvent->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() != Qt::LeftButton) return false;
        IsDragging = true;
        IsDragMoving = false;
        DragStart = pointer - pos();
        return false;
    case QEvent::MouseMove:
        if (!IsDragging) return false;
        if (!IsDragMoving) {
            if ((pointer - pos() - DragStart).manhattanLength() < QApplication::startDragDistance())
                return false;
            if ((windowHandle() && windowHandle()->startSystemMove()) ||
                !WindowControl.CanPlaceWindow) {
                IsDragging = false;
                return true;
            }
            IsDragMoving = true;
        }
        move(pointer - DragStart);
        return true;
    case QEvent::MouseButtonRelease: IsDragging = false; return std::exchange(IsDragMoving, false);
    default: return false;
    }
}

void TMainForm::HomepageItemClick() {
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(HomepageUrl)));
}

void TMainForm::AboutClick() {
    TAboutForm about(this);
    about.exec();
}

void TMainForm::ExpressionPanelDblClick() { SetWindowScale(0); }
