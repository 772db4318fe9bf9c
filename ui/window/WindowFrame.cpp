#include "ui/window/WindowFrame.h"

#include <QGuiApplication>
#include <QPoint>
#include <QWidget>

namespace {

QString& PlatformNameOverride() {
    static QString name;
    return name;
}

// New flags recreate the native window, which hides it; a shown window is shown again where it
// was.
void ReplaceWindowFlags(QWidget& AWindow, Qt::WindowFlags AFlags, bool ACanPlaceWindow) {
    if (AFlags == AWindow.windowFlags()) return;
    const bool wasVisible = AWindow.isVisible();
    const QPoint position = AWindow.pos();
    AWindow.setWindowFlags(AFlags);
    if (!wasVisible) return;
    if (ACanPlaceWindow) AWindow.move(position);
    AWindow.show();
    AWindow.activateWindow();
}

// QWidget::destroy, which releases the native window, is protected: it is reached through a
// class that makes it public.
struct TNativeWindowAccess : QWidget {
    using QWidget::destroy;
};

void DestroyNativeWindow(QWidget& AWindow) { (AWindow.*&TNativeWindowAccess::destroy)(true, true); }

void SetTranslucentBackground(QWidget& AWindow, bool AIsTranslucent) {
    AWindow.setAttribute(Qt::WA_TranslucentBackground, AIsTranslucent);
    if (!AIsTranslucent) AWindow.setAttribute(Qt::WA_NoSystemBackground, false);
}

} // namespace

WindowLayout::TWindowControl TWindowFrame::PlatformControl() {
    const QString& name = PlatformNameOverride();
    return WindowLayout::WindowControlOf(name.isEmpty() ? QGuiApplication::platformName() : name);
}

void TWindowFrame::OverridePlatformName(const QString& AName) { PlatformNameOverride() = AName; }

TWindowFrame::TWindowFrame(QWidget& AWindow, const WindowLayout::TWindowControl& AControl)
    : FWindow(AWindow), FControl(AControl) {}

bool TWindowFrame::IsStayOnTop() const {
    return FWindow.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

void TWindowFrame::SetStayOnTop(bool AIsOn) {
    Qt::WindowFlags flags = FWindow.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, AIsOn);
    ReplaceWindowFlags(FWindow, flags, FControl.CanPlaceWindow);
}

void TWindowFrame::SetTransparent(bool AIsTransparent) {
    Qt::WindowFlags flags = FWindow.windowFlags();
    flags.setFlag(Qt::FramelessWindowHint, AIsTransparent);
    if (FWindow.testAttribute(Qt::WA_WState_Created)) {
        RecreateNativeWindow(flags, AIsTransparent);
        return;
    }
    SetTranslucentBackground(FWindow, AIsTransparent);
    ReplaceWindowFlags(FWindow, flags, FControl.CanPlaceWindow);
}

// The pixel format of a native window is chosen when it is made: one made opaque cannot turn
// translucent (on X11 it keeps its visual without alpha and, its background no longer painted,
// shows stale pixels). The native window is made anew, as at start-up, where the old one stood.
void TWindowFrame::RecreateNativeWindow(Qt::WindowFlags AFlags, bool AIsTranslucent) {
    const bool wasVisible = FWindow.isVisible();
    const QPoint position = FWindow.pos();
    FWindow.hide();
    DestroyNativeWindow(FWindow);
    SetTranslucentBackground(FWindow, AIsTranslucent);
    FWindow.setWindowFlags(AFlags);
    if (FControl.CanPlaceWindow) FWindow.move(position);
    if (!wasVisible) return;
    FWindow.show();
    FWindow.activateWindow();
}
