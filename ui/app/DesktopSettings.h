#pragma once

// The desktop's preferences for the window's look and motion, read from the freedesktop Settings
// portal over D-Bus and followed while the program runs. Every call is asynchronous: nothing
// waits on the portal, and without a bus or a portal (or with one that never answers) the look
// stays the design's light one and the motion the stored one.

#include "model/DesktopLook.h"

#include <QDBusConnection>
#include <QHash>
#include <QObject>

class QDBusVariant;

class TDesktopSettings : public QObject {
    Q_OBJECT

public:
    // Asks the portal on AConnection for the settings it follows and listens for their changes.
    // An unconnected AConnection asks nothing.
    explicit TDesktopSettings(const QDBusConnection& AConnection, QObject* AParent = nullptr);

    TLook Look() const { return FLook.Look(); }
    bool IsReducedMotion() const { return FLook.IsReducedMotion(); }

    // One setting as the portal reports it, its value unwrapped from any D-Bus variants; the
    // signals below tell what it changed.
    void TakeSetting(const QString& ANamespace, const QString& AKey, const QVariant& AValue);

signals:
    void LookChanged(TLook ALook);
    void ReducedMotionChanged(bool AIsReduced);

private slots:
    // The portal's SettingChanged signal (QtDBus connects signals by signature only).
    void SettingChanged(const QString& ANamespace, const QString& AKey, const QDBusVariant& AValue);

private:
    // Subscribes to SettingChanged; false when QtDBus turned it down.
    bool Listen();
    // Tries Listen up to AAttempts times, apart; once it works, asks everything again.
    void ListenLater(int AAttempts);
    void AskAll();
    // ReadOne, or Read for a portal older than version 2, which lacks it.
    void Ask(const QString& ANamespace, const QString& AKey, bool AIsReadOne);

    QDBusConnection FConnection;
    TDesktopLook FLook;
    // SettingChanged signals heard so far, by namespace and key: an answer to a read asked before
    // the latest one is older than what the signal said.
    QHash<QString, quint64> FChangeCounts;
};
