#pragma once

// The window's frame and stacking: what the window system lets the program do with its window,
// stay-on-top, and the frameless, see-through window of the transparent mode.

#include "model/WindowLayout.h"

#include <QString>
#include <Qt>

class QWidget;

class TWindowFrame {
public:
    // What the running window system lets the program do, or the one named by
    // OverridePlatformName.
    static WindowLayout::TWindowControl PlatformControl();
    // Windows made from now on behave as on the platform named AName (as
    // QGuiApplication::platformName() gives it); an empty name returns to the running platform.
    static void OverridePlatformName(const QString& AName);

    // AControl is read at every call, so it may be decided after construction.
    TWindowFrame(QWidget& AWindow, const WindowLayout::TWindowControl& AControl);

    bool IsStayOnTop() const;
    void SetStayOnTop(bool AIsOn);
    // Frameless with a see-through background while AIsTransparent, framed and opaque otherwise.
    void SetTransparent(bool AIsTransparent);

private:
    void RecreateNativeWindow(Qt::WindowFlags AFlags, bool AIsTranslucent);

    QWidget& FWindow;
    const WindowLayout::TWindowControl& FControl;
};
