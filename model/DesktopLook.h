#pragma once

// What the desktop asks of the window's looks and motion, from the values the freedesktop
// Settings portal gives: its colour scheme and contrast, and whether it wants less motion.

#include <QString>
#include <QVariant>

// The window's looks: the design's light one, a dark one and a high-contrast one.
enum class TLook { Light, Dark, HighContrast };

// The style name of a look, as the window carries it in its "styleName" property.
QString LookStyleName(TLook ALook);
// The resource of the style sheet that re-colours the design's sheet for ALook; empty for the
// light look, which is the design's sheet alone.
QString LookStyleSheetResource(TLook ALook);

class TDesktopLook {
public:
    // The portal's namespaces and keys the window follows.
    static constexpr char AppearanceNamespace[] = "org.freedesktop.appearance";
    static constexpr char GnomeInterfaceNamespace[] = "org.gnome.desktop.interface";
    static constexpr char ColorSchemeKey[] = "color-scheme";
    static constexpr char ContrastKey[] = "contrast";
    static constexpr char ReducedMotionKey[] = "reduced-motion";
    static constexpr char EnableAnimationsKey[] = "enable-animations";

    // Takes one setting as the portal gives it (already unwrapped from its D-Bus variants). A
    // value of an unexpected type or range counts as "no preference". Settings of other keys
    // are ignored. True when the look or the motion preference changed.
    bool Take(const QString& ANamespace, const QString& AKey, const QVariant& AValue);

    // Contrast 1 gives the high-contrast look; else colour scheme 1 the dark one; anything else
    // (0 no preference, 2 light) the design's light look.
    TLook Look() const;
    // enable-animations false or reduced-motion 1.
    bool IsReducedMotion() const;

private:
    unsigned FColorScheme = 0;
    unsigned FContrast = 0;
    unsigned FReducedMotion = 0;
    bool FIsAnimationEnabled = true;
};
