#pragma once

// A private X server for the tests that need a real one (the visuals a window is made with, what
// it shows on the screen, a window manager's close): an Xvfb without a window manager or
// compositor, on the first free display from :51 up (away from the displays desktops use), ended
// with the object. Without Xvfb installed there is none, and those tests skip themselves.

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

class TPrivateXServer {
public:
    static constexpr int FirstDisplay = 51;
    static constexpr int LastDisplay = 69;

    TPrivateXServer() {
        if (QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()) return;
        for (int display = FirstDisplay; display <= LastDisplay && !IsRunning(); ++display)
            TryDisplay(display);
    }
    ~TPrivateXServer() { Stop(); }
    TPrivateXServer(const TPrivateXServer&) = delete;
    TPrivateXServer& operator=(const TPrivateXServer&) = delete;

    bool IsRunning() const { return !FDisplay.isEmpty(); }
    // ":51" and so on; empty when there is no server.
    QString Display() const { return FDisplay; }

private:
    // The server writes its display number to standard output once it takes connections; on a
    // display in use it ends at once.
    void TryDisplay(int ADisplay) {
        const QString name = QStringLiteral(":%1").arg(ADisplay);
        FServer.start(QStringLiteral("Xvfb"),
                      {name, QStringLiteral("-screen"), QStringLiteral("0"),
                       QStringLiteral("1280x1024x24"), QStringLiteral("-br"),
                       QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                       QStringLiteral("-displayfd"), QStringLiteral("1")});
        if (FServer.waitForStarted(5000) && FServer.waitForReadyRead(10000) &&
            FServer.readAllStandardOutput().trimmed() == QByteArray::number(ADisplay)) {
            FDisplay = name;
            return;
        }
        Stop();
    }
    void Stop() {
        if (FServer.state() == QProcess::NotRunning) return;
        FServer.terminate();
        if (!FServer.waitForFinished(5000)) FServer.kill();
        FServer.waitForFinished(5000);
    }

    QProcess FServer;
    QString FDisplay;
};
